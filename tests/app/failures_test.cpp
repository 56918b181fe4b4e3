// What the program does when things go wrong around it: writes the system
// refuses, commands that fail, symbolic links, slips on the command line,
// windows closed while they compute, and long runs watched on a terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sstream>

#include "app/batchform.h"
#include "app/commandline.h"
#include "app/program.h"
#include "app/savefile.h"
#include "app/studyform.h"
#include "chart/chartwidget.h"
#include "guitest.h"

namespace app {
namespace {

enum class Output { kRead, kReaderGone, kFullDisk, kClosed };

struct Outcome {
  int status = -1;  // -1: ended by a signal
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
    if (fileSizeLimit != RLIM_INFINITY) {
      const rlimit limit{fileSizeLimit, fileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    int ends[2];
    if (output == Output::kReaderGone && pipe(ends) == 0) {
      dup2(ends[1], STDOUT_FILENO);
      close(ends[0]);
      close(ends[1]);
    }
    if (output == Output::kFullDisk) dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO);
    if (output == Output::kClosed) close(STDOUT_FILENO);
  });
  process.start(STILLWISE_PROGRAM, arguments);
  Outcome outcome;
  if (!process.waitForFinished(60000)) return outcome;
  outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  outcome.err = QString::fromUtf8(process.readAllStandardError());
  return outcome;
}

// A command that fails, or whose file goes past the size limit, ends with
// status 1 and its message, and leaves the user's file and folder as they were.
TEST(Failures, LeaveAnExistingFileAsItWas) {
  const QStringList chart = {"1000", "1", "20", "15"};
  const struct {
    QStringList arguments;
    rlim_t fileSizeLimit;
    QString message;
  } cases[] = {
      {QStringList{"--chart", "c.png"} + chart, 512, "stillwise: cannot write 'c.png': File too large\n"},
      {QStringList{"--chart", "c.svg"} + chart, 512, "stillwise: cannot write 'c.svg': File too large\n"},
      {QStringList{"--csv", "t.csv"} + chart, 512, "stillwise: cannot write 't.csv': File too large\n"},
      {{"--study", "s.csv", "1000", "1"}, 512, "stillwise: cannot write 's.csv': File too large\n"},
      {{"--study-chart", "s.svg", "1000", "1"}, 512, "stillwise: cannot write 's.svg': File too large\n"},
      {{"--batch", "b.csv", "20", "10", "1000", "20", "15", "--hours", "1"}, 512,
       "stillwise: cannot write 'b.csv': File too large\n"},
      {{"--chart", "c.svg", "abc", "5", "10", "4"}, RLIM_INFINITY, "'abc' is not a valid integer value.\n"},
      {{"--csv", "t.csv", "0", "5", "10", "4"}, RLIM_INFINITY, "Invalid floating point operation.\n"},
      {{"--batch", "b.csv", "20", "10", "1000", "200", "15"}, RLIM_INFINITY,
       "Кол-во тарелок не может быть больше 100.\n"},
  };
  for (const auto& c : cases) {
    QTemporaryDir folder;
    const QString file = folder.filePath(c.arguments[1]);
    QFile existing(file);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly) && existing.write("old") == 3);
    existing.close();
    const Outcome outcome = RunStillwise(c.arguments, folder.path(), Output::kRead, c.fileSizeLimit);
    EXPECT_EQ(outcome.status, 1) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(outcome.err.endsWith(c.message)) << outcome.err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{c.arguments[1]});
    EXPECT_EQ(existing.open(QIODevice::ReadOnly) ? existing.readAll() : QByteArray(), "old");
  }
}

// A full disk, a closed output and a reader that went away fail every mode
// alike: a message and status 1.
TEST(Failures, OfStandardOutputEndEveryModeAlike) {
  const QStringList chart = {"1000", "1", "20", "15"};
  const QStringList modes[] = {
      {"--need", "90", "1000", "5", "10", "4"},
      QStringList{"--report"} + chart,
      QStringList{"--csv", "-"} + chart,
      QStringList{"--chart", "-"} + chart,
      {"--study", "-", "1000", "1", "--trays", "2"},
      {"--batch", "-", "20", "10", "1000", "20", "15", "--hours", "1"},
      {"--help"},
      {"--version"},
  };
  for (const QStringList& arguments : modes) {
    for (const Output output : {Output::kReaderGone, Output::kFullDisk, Output::kClosed}) {
      const Outcome outcome = RunStillwise(arguments, QDir::tempPath(), output);
      EXPECT_EQ(outcome.status, 1) << arguments.join(' ').toStdString() << static_cast<int>(output);
      EXPECT_TRUE(outcome.err.endsWith("stillwise: cannot write to standard output\n")) << outcome.err.toStdString();
    }
  }
}

// Saving through a link writes the file it leads to, whole, and keeps the link.
TEST(SaveFileBytes, FollowsSymbolicLinks) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
  const QString absolute = folder.filePath("sub/absolute.txt");
  const struct {
    const char* link;
    QString target;    // as the link holds it
    QString written;   // the file that gets the bytes
    std::string reason;
  } cases[] = {
      {"relative", "sub/old.txt", "sub/old.txt", ""},
      {"chain", "relative", "sub/old.txt", ""},
      {"sub/up", "../sub/new.txt", "sub/new.txt", ""},
      {"absolute", absolute, "sub/absolute.txt", ""},
      {"loop", "loop", "", "Too many levels of symbolic links"},
  };
  ASSERT_TRUE(QFile(folder.filePath("sub/old.txt")).open(QIODevice::WriteOnly));
  for (const auto& c : cases) {
    const QString link = folder.filePath(c.link);
    ASSERT_EQ(symlink(c.target.toUtf8().constData(), link.toUtf8().constData()), 0);
    EXPECT_EQ(SaveFileBytes(link.toStdString(), c.link), c.reason) << c.link;
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << c.link;
    if (!c.written.isEmpty()) {
      EXPECT_EQ(QFile(folder.filePath(c.written)).size(), qstrlen(c.link)) << c.link;
    }
  }
  EXPECT_EQ(QDir(folder.filePath("sub")).entryList(QDir::Files | QDir::Hidden),
            QStringList({"absolute.txt", "new.txt", "old.txt", "up"}));
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
    const CommandLine line = ParseCommandLine(arguments);
    EXPECT_EQ(line.mode, CommandLine::Mode::kError) << error;
    EXPECT_EQ(line.error, error);
  }
  EXPECT_EQ(RunStillwise({"-x"}, QDir::tempPath()).err,
            "stillwise: unknown option '-x'\nTry 'stillwise --help' for more information.\n");
}

int ShownPoints(const chart::TChart& chart) {
  int points = 0;
  for (int s = 0; s < chart.SeriesCount(); ++s) points += chart.Series(s).Count();
  return points;
}

// Nobody watches a closed window: the study stops and no line of it comes
// after; the batch run stops as its stop button stops it.
TEST(ClosingAWindow, StopsItsWork) {
  TProgramWindows windows;
  TForm1& form = windows.Form1;
  form.show();
  form.SetTexts({"1000", "1", "100", "15"});
  form.ActionStudy->trigger();
  TStudyForm& study = *form.StudyWindow();
  study.close();
  const int shown = ShownPoints(*study.MainChart);
  QTest::qWait(300);
  EXPECT_FALSE(study.Busy());
  EXPECT_EQ(ShownPoints(*study.MainChart), shown);

  form.ActionBatch->trigger();
  TBatchForm& batch = *form.BatchWindow();
  batch.StepEdit->setText("0.0144");
  batch.HoursEdit->setText("2");
  batch.StartClick();
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
    const CommandLine line = ParseCommandLine(arguments);
    std::ostringstream out;
    std::ostringstream err;
    std::ostringstream terminal;
    const int status = line.mode == CommandLine::Mode::kStudy ? RunStudyCsv(line, out, err, &terminal)
                                                               : RunBatchCsv(line, out, err, &terminal);
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_NE(terminal.str().find(partway), std::string::npos) << terminal.str();
    EXPECT_TRUE(terminal.str().ends_with("\rstillwise: 100 %\r                \r")) << terminal.str();
  }
}

}  // namespace
}  // namespace app
