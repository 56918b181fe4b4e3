// What the program does when things go wrong around it: writes the system
// refuses, commands that fail, symbolic links, slips on the command line,
// windows closed while they compute, and long runs watched on a terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <ctime>
#include <sstream>

#include "app/batchform.h"
#include "app/program.h"
#include "app/studyform.h"
#include "cli/commandline.h"
#include "commands/savefile.h"
#include "guitest.h"

namespace app {
namespace {

enum class Output { kRead, kReaderGone, kFullDisk, kClosed };
const QStringList kTexts = {"1000", "1", "20", "15"};

struct Outcome {
  int status;  // -1: ended by a signal or hung
  QString err;
};

// Runs the program in `folder` with standard output as `output`. The write
// signals are set to their defaults, as a shell leaves them, so that only
// the program itself can turn them into errors.
Outcome RunStillwise(const QStringList& arguments, const QString& folder, Output output = Output::kRead,
                     rlim_t fileSizeLimit = RLIM_INFINITY) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.setChildProcessModifier([output, fileSizeLimit] {
    std::signal(SIGPIPE, SIG_DFL);
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{fileSizeLimit, fileSizeLimit};
    setrlimit(RLIMIT_FSIZE, &limit);
    int ends[2];
    if (output == Output::kReaderGone && pipe(ends) == 0 && close(ends[0]) == 0) dup2(ends[1], STDOUT_FILENO);
    if (output == Output::kFullDisk) dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
    if (output == Output::kClosed) close(STDOUT_FILENO);
  });
  process.start(STILLWISE_PROGRAM, arguments);
  const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
  return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardError())};
}

// A command that fails, or whose file goes past a size limit of 512 bytes,
// ends with status 1 and its message, and leaves the user's file and folder
// as they were.
TEST(Failures, LeaveAnExistingFileAsItWas) {
  const std::pair<QStringList, QString> cases[] = {  // no message: the file is too large
      {QStringList{"--chart", "c.png"} + kTexts, ""},
      {QStringList{"--chart", "c.svg"} + kTexts, ""},
      {QStringList{"--csv", "t.csv"} + kTexts, ""},
      {{"--study", "s.csv", "1000", "1"}, ""},
      {{"--study-chart", "s.svg", "1000", "1"}, ""},
      {{"--batch", "b.csv", "20", "10", "1000", "20", "15", "--hours", "1"}, ""},
      {{"--chart", "c.svg", "abc", "5", "10", "4"}, "'abc' is not a valid integer value.\n"},
      {{"--csv", "t.csv", "0", "5", "10", "4"}, "Invalid floating point operation.\n"},
      {{"--batch", "b.csv", "20", "10", "1000", "200", "15"}, "Кол-во тарелок не может быть больше 100.\n"},
  };
  for (const auto& [arguments, error] : cases) {
    QTemporaryDir folder;
    QFile existing(folder.filePath(arguments[1]));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
    existing.close();
    const Outcome outcome = RunStillwise(arguments, folder.path(), Output::kRead, error.isEmpty() ? 512 : RLIM_INFINITY);
    EXPECT_EQ(outcome.status, 1) << arguments.join(' ').toStdString();
    const QString message = error.isEmpty() ? "stillwise: cannot write '" + arguments[1] + "': File too large\n" : error;
    EXPECT_TRUE(outcome.err.endsWith(message)) << outcome.err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{arguments[1]});
    EXPECT_EQ(existing.open(QIODevice::ReadOnly) ? existing.readAll() : QByteArray(), "old");
  }
}

// A full disk, a closed output and a reader that went away fail every mode
// alike: a message and status 1.
TEST(Failures, OfStandardOutputEndEveryModeAlike) {
  const QStringList modes[] = {{"--need", "90", "1000", "5", "10", "4"}, QStringList{"--report"} + kTexts,
                               QStringList{"--csv", "-"} + kTexts, QStringList{"--chart", "-"} + kTexts,
                               {"--study", "-", "1000", "1", "--trays", "2"},
                               {"--batch", "-", "20", "10", "1000", "20", "15", "--hours", "1"}, {"--convert", "40", "volume"},
                               {"--help"}, {"--version"}};
  for (const QStringList& arguments : modes) {
    for (const Output output : {Output::kReaderGone, Output::kFullDisk, Output::kClosed}) {
      const Outcome outcome = RunStillwise(arguments, QDir::tempPath(), output);
      EXPECT_EQ(outcome.status, 1) << arguments.join(' ').toStdString() << static_cast<int>(output);
      EXPECT_TRUE(outcome.err.endsWith("stillwise: cannot write to standard output\n")) << outcome.err.toStdString();
    }
  }
}

// A slip on the command line is refused in one line, arguments echoed cut
// and without control characters, and the pointer to --help follows.
TEST(CommandLineSlips, AreRefusedInOneLine) {
  const std::string cyrillic50 = QString(50, QChar(0x044F)).toStdString();
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--report", "1", "2", "3", "4", "--no-liquid", "--no-vapour", "--no-liquid"}, "--no-liquid given twice"},
      {{"--batch", "-", "20", "10", "1000", "20", "15", "--step", "1", "--step", "2"}, "--step given twice"},
      {{"--study", "--trays", "1", "2"}, "--study needs FILE first, not the option '--trays'"},
      {{"--chart", "--no-vapour", "1", "2", "3", "4"}, "--chart needs FILE first, not the option '--no-vapour'"},
      {{"--" + std::string(60, 'x')}, "unknown option '--" + std::string(38, 'x') + "...'"},
      {{cyrillic50}, "unexpected argument '" + cyrillic50.substr(0, 80) + "...'"},
      {{"--study", "-", "1000", "1", "--reflux", "1", "2", "3\n\x1b[2J"}, "'3??[2J' is not a whole number"},
  };
  for (const auto& [arguments, error] : cases) {
    const cli::CommandLine line = cli::ParseCommandLine(arguments);
    EXPECT_EQ(line.mode, cli::CommandLine::Mode::kError) << error;
    EXPECT_EQ(line.error, error);
  }
  EXPECT_EQ(RunStillwise({"-x"}, QDir::tempPath()).err,
            "stillwise: unknown option '-x'\nTry 'stillwise --help' for more information.\n");
}

// Nobody watches a closed window: the study stops computing (the
// program then uses next to no processor time) and the batch run stops as
// its stop button stops it.
TEST(ClosingAWindow, StopsItsWork) {
  TProgramWindows windows;
  TMainForm& form = windows.mainWindow;
  form.show();
  form.SetTexts({"1000", "1", "100", "15"});
  form.CalculateClicked();
  test::Named<QAction>(form, "studyAction")->trigger();
  TStudyForm& study = *form.StudyWindow();
  test::Named<QLineEdit>(study, "traysEdit")->setText("60 70 80 90 100");  // seconds of work
  test::Named<QLineEdit>(study, "pointsEdit")->setText("2000");
  test::Named<QPushButton>(study, "startButton")->click();
  study.close();
  const std::clock_t closed = std::clock();
  QTest::qWait(300);
  EXPECT_FALSE(study.Busy());
  EXPECT_LT(std::clock() - closed, CLOCKS_PER_SEC / 20);

  test::Named<QAction>(form, "batchAction")->trigger();
  TBatchForm& batch = *form.BatchWindow();
  test::Named<QLineEdit>(batch, "timeStepEdit")->setText("0.0144");
  test::Named<QLineEdit>(batch, "stopHoursEdit")->setText("2");
  test::Named<QPushButton>(batch, "startButton")->click();
  batch.close();
  ASSERT_TRUE(test::WaitUntil([&] { return !batch.Busy(); }));
  EXPECT_EQ(batch.LastRun().stop, analysis::BatchStop::kCancelled);
}

// On a terminal a long run rewrites one line with its per cent done and
// wipes it at the end.
TEST(LongRuns, ShowHowFarTheyHaveComeAndWipeIt) {
  const std::pair<std::vector<std::string>, std::string> runs[] = {
      {{"--study", "-", "1000", "1", "--trays", "1 2"}, "\rstillwise: 50 %\r"},
      {{"--batch", "-", "20", "10", "1000", "20", "15", "--hours", "1"}, "\rstillwise: 0 %\r"},
  };
  for (const auto& [arguments, partway] : runs) {
    const cli::CommandLine line = cli::ParseCommandLine(arguments);
    std::ostringstream out, err, terminal;
    const int status = line.mode == cli::CommandLine::Mode::kStudy ? cli::RunStudyCsv(line, out, err, &terminal)
                                                               : cli::RunBatchCsv(line, out, err, &terminal);
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_NE(terminal.str().find(partway), std::string::npos) << terminal.str();
    EXPECT_TRUE(terminal.str().ends_with("\rstillwise: 100 %\r                \r")) << terminal.str();
  }
}

}  // namespace
}  // namespace app
