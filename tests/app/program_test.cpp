// The program as a user starts it: its exit status and what it prints for
// the options, for missing or unreachable screens, and for pictures that
// cannot be written.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

namespace {

struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

// Runs the program with the display variables removed and `variables`
// ("NAME=value") set; `fileSizeLimit` bytes, when given, stands for a full
// disk: writing beyond it fails with "File too large".
Outcome RunProgram(const QStringList& arguments, const QStringList& variables = {},
               const QString& folder = QDir::tempPath(), rlim_t fileSizeLimit = 0) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  for (const QString& variable : variables) {
    environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
  }
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  if (fileSizeLimit > 0) {
    process.setChildProcessModifier([fileSizeLimit] {
      const rlimit limit{fileSizeLimit, fileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
      // As a shell leaves it: only the program itself may turn the signal into an error.
      std::signal(SIGXFSZ, SIG_DFL);
    });
  }
  process.start(STILLWISE_PROGRAM, arguments);
  Outcome run;
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

TEST(Program, NamesTheScreenItCannotOpenAndEndsWithStatusOne) {
  const struct {
    QStringList variables;
    QString reason;
  } cases[] = {
      {{}, "no display is set (neither DISPLAY nor WAYLAND_DISPLAY)"},
      {{"DISPLAY=:99"}, "cannot open the display ':99' (DISPLAY)"},
      {{"WAYLAND_DISPLAY=wayland-99"}, "cannot open the Wayland display 'wayland-99' (WAYLAND_DISPLAY)"},
      {{"QT_QPA_PLATFORM=bogus"}, "cannot open the platform 'bogus' (QT_QPA_PLATFORM)"},
      {{"QT_QPA_PLATFORM=xcb"}, "no display is set (neither DISPLAY nor WAYLAND_DISPLAY)"},
      {{"QT_QPA_PLATFORM=offscreen"},
       "the platform 'offscreen' (QT_QPA_PLATFORM) draws off screen, where the window could not be seen or closed"},
      {{"QT_QPA_PLATFORM=minimal"},
       "the platform 'minimal' (QT_QPA_PLATFORM) draws off screen, where the window could not be seen or closed"},
  };
  for (const auto& c : cases) {
    const Outcome run = RunProgram({}, c.variables);
    EXPECT_EQ(run.status, 1) << c.variables.join(' ').toStdString();
    EXPECT_EQ(run.err, "stillwise: " + c.reason +
                           ".\nStart it from a graphical session, or save a picture of the window:\n"
                           "  stillwise --screenshot stillwise.png 1000 1 20 15\n");
  }
  // A picture needs no screen, but a named platform that cannot open ends the same way.
  const Outcome chart = RunProgram({"--chart", "c.png", "1000", "1", "20", "15"}, {"QT_QPA_PLATFORM=bogus"});
  EXPECT_EQ(chart.status, 1);
  EXPECT_TRUE(chart.err.startsWith("stillwise: cannot open the platform 'bogus'")) << chart.err.toStdString();
}

TEST(Program, AnswersTheUsualOptions) {
  const struct {
    QStringList arguments;
    int status;
    QString outStart;
    QString errStart;
  } cases[] = {
      {{"--version"}, 0, "stillwise 1.0.0\n", ""},
      {{"-h"}, 0, "Usage: stillwise", ""},
      {{"--help"}, 0, "Usage: stillwise", ""},
      {{"-x"}, 2, "", "stillwise: unknown option '-x'"},
      {{"--report", "1000", "1", "20"}, 2, "", "stillwise: --report needs four texts"},
  };
  for (const auto& c : cases) {
    const Outcome run = RunProgram(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.out.left(c.outStart.size()), c.outStart);
    EXPECT_EQ(run.err.left(c.errStart.size()), c.errStart);
  }
}

TEST(Program, WritesAPictureWholeOrNotAtAll) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QStringList chartTexts = {"1000", "1", "20", "15"};

  const Outcome full = RunProgram(QStringList{"--chart", "/dev/full"} + chartTexts);
  EXPECT_EQ(full.status, 1);
  EXPECT_TRUE(full.err.contains("stillwise: cannot write '/dev/full': No space left on device"))
      << full.err.toStdString();

  const Outcome tooLarge = RunProgram({"--screenshot", "window.png"}, {}, folder.path(), 2048);
  EXPECT_EQ(tooLarge.status, 1);
  EXPECT_TRUE(tooLarge.err.contains("stillwise: cannot write 'window.png': File too large"))
      << tooLarge.err.toStdString();
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());

  const Outcome noFolder = RunProgram(QStringList{"--info-screenshot", "missing/info.png"}, {}, folder.path());
  EXPECT_EQ(noFolder.status, 1);
  EXPECT_TRUE(noFolder.err.contains("cannot write 'missing/info.png': No such file or directory"));

  const Outcome written = RunProgram(QStringList{"--chart", "chart.png"} + chartTexts, {}, folder.path());
  EXPECT_EQ(written.status, 0) << written.err.toStdString();
  EXPECT_TRUE(QFile::exists(folder.filePath("chart.png")));
}

// The file appears under the bytes given, even when they are not UTF-8.
TEST(Program, KeepsAFileNameByteForByte) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QProcess shell;
  shell.setWorkingDirectory(folder.path());
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("QT_QPA_PLATFORM");
  shell.setProcessEnvironment(environment);
  shell.start("/bin/sh", {"-c", "exec \"$0\" --chart \"$(printf '\\377\\376.png')\" 1000 1 20 15",
                          STILLWISE_PROGRAM});
  ASSERT_TRUE(shell.waitForFinished(20000));
  EXPECT_EQ(shell.exitCode(), 0);
  const QByteArray name = folder.path().toLocal8Bit() + "/\xff\xfe.png";
  EXPECT_EQ(access(name.constData(), F_OK), 0);
}

}  // namespace
