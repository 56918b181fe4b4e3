// The program as a user starts it: its exit status and what it prints for
// the options, for missing or unreachable screens, and the pictures it writes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <unistd.h>

#include "guitest.h"
#include "support/storedpicture.h"

namespace {

// Runs the program with the display variables removed and `variable`
// ("NAME=value") set; its status, standard output and standard error.
std::tuple<int, QString, QString> RunProgram(const QStringList& arguments, const QString& variable = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  if (!variable.isEmpty()) environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(QDir::tempPath());
  process.start(STILLWISE_PROGRAM, arguments);
  if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) return {-1, "", ""};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

// Each option writes its output, or only the message with its status: the
// tray table goes out only when the whole calculation succeeds.
TEST(Program, AnswersItsOptionsAndNamesTheScreenItCannotOpen) {
  const QString noScreen = ".\nStart it from a graphical session, or save a picture of the window:\n"
                           "  stillwise --screenshot stillwise.png 1000 1 20 15\n";
  const struct { QStringList arguments; QString variable; int status; QString outStart, errStart; } cases[] = {
      {{"--version"}, "", 0, "stillwise 1.0.0\n", ""},
      {{"--help"}, "", 0, "Usage: stillwise", ""},
      {{"-x"}, "", 2, "", "stillwise: unknown option '-x'"},
      {{"--report", "1000", "1", "20"}, "", 2, "", "stillwise: --report needs four texts"},
      {{"--report", "0", "1", "20", "15"}, "", 1, " \n--Дефлег-ор--\n", "Invalid floating point operation.\n"},
      {{"--csv", "-", "1000", "20", "2", "1"}, "", 0, "stage,liquid_percent,vapour_percent,temperature_c,return_g_per_h\r\n", ""},
      {{"--csv", "-", "0", "20", "2", "1"}, "", 1, "", "Invalid floating point operation.\n"},
      {{"--csv", "-", "1000", "20", "2", "-1"}, "", 1, "", "Floating point division by zero.\n"},
      {{"--study", "-", "1000", "20", "--trays", "2", "--reflux", "1", "2", "2"}, "", 0, "trays,reflux_ratio,", ""},
      {{"--study", "-", "1000", "1,5"}, "", 1, "", "'1,5' is not a valid floating point value.\n"},
      {{"--batch", "-", "20", "10", "1000", "20", "15", "--hours", "0.05"}, "", 0, "time_h,still_percent,", ""},
      {{"--batch", "-", "0", "10", "1000", "20", "15"}, "", 1, "", "Загрузка куба должна быть больше 0 кг.\n"},
      {{"--need", "80", "1000", "1", "20", "15"}, "", 0, "reflux_ratio ", ""},
      {{}, "", 1, "", "stillwise: no display is set (neither DISPLAY nor WAYLAND_DISPLAY)" + noScreen},
      {{}, "DISPLAY=:99", 1, "", "stillwise: cannot open the display ':99' (DISPLAY)" + noScreen},
      {{}, "WAYLAND_DISPLAY=wayland-99", 1, "",
       "stillwise: cannot open the Wayland display 'wayland-99' (WAYLAND_DISPLAY)" + noScreen},
      {{}, "QT_QPA_PLATFORM=offscreen", 1, "",
       "stillwise: the platform 'offscreen' (QT_QPA_PLATFORM) draws off screen, where the window could not be seen or closed" + noScreen},
      // A picture needs no screen, but a named platform that cannot open ends the same way.
      {{"--chart", "c.png", "1000", "1", "20", "15"}, "QT_QPA_PLATFORM=bogus", 1, "",
       "stillwise: cannot open the platform 'bogus' (QT_QPA_PLATFORM)" + noScreen},
  };
  for (const auto& c : cases) {
    const auto [status, out, err] = RunProgram(c.arguments, c.variable);
    EXPECT_EQ(status, c.status) << c.arguments.join(' ').toStdString() << c.variable.toStdString();
    EXPECT_EQ(out.left(c.outStart.size()), c.outStart);
    EXPECT_TRUE(!c.outStart.isEmpty() || out.isEmpty()) << out.toStdString();
    EXPECT_EQ(err.left(c.errStart.size()), c.errStart);
  }
}

// The chart as the window paints it, under the bytes of its name even when
// they are not UTF-8; a file that cannot be written is named with the reason.
TEST(Program, WritesTheChartOrSaysWhyNot) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QProcess shell;
  shell.setWorkingDirectory(folder.path());
  shell.start("/bin/sh", {"-c", "unset QT_QPA_PLATFORM; exec \"$0\" --chart \"$(printf '\\377\\376.png')\" 1000 1 20 15",
                          STILLWISE_PROGRAM});
  ASSERT_TRUE(shell.waitForFinished(20000));
  EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
  const std::string name = folder.path().toStdString() + "/\xff\xfe.png";
  std::ifstream written(name, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(written), {}};
  test_support::ExpectStoredPicture(QImage::fromData(QByteArray::fromStdString(bytes)),
                                    STILLWISE_PICTURES_DIR "/chart_20.png");
  ::unlink(name.c_str());

  const auto [status, out, err] = RunProgram({"--chart", "/dev/full", "1000", "1", "20", "15"});
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(err.contains("stillwise: cannot write '/dev/full': No space left on device")) << err.toStdString();
}

// Qt's own texts (standard buttons, context menus) speak Russian wherever
// Qt's translations are installed.
TEST(Program, SpeaksRussianInQtsOwnTexts) {
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm")) GTEST_SKIP();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Отмена");
}

}  // namespace
