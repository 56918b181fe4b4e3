#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <sstream>

#include "app/commandline.h"
#include "app/program.h"
#include "chart/chartwidget.h"
#include "guitest.h"
#include "model/column.h"

namespace app {
namespace {

QByteArray Contents(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

class MenuTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    form.show();
  }

  QStringList Calculate(const InputTexts& texts) {
    form.SetTexts(texts);
    return test::AnswerMessageBoxes([this] { QTest::mouseClick(form.Button1, Qt::LeftButton); });
  }
  QStringList Trigger(QAction* action, const QString& file = {}) {
    return test::AnswerDialogs([action] { action->trigger(); }, file);
  }
  // What --report prints for the texts.
  static std::string Printed(const InputTexts& texts) {
    std::ostringstream out;
    std::ostringstream err;
    RunReport(texts, {}, out, err);
    return out.str();
  }

  QTemporaryDir folder;
  TProgramWindows windows;
  TForm1& form = windows.Form1;
};

// Every menu and entry, with its mnemonic and shortcut; those that need
// results wait for the first report.
TEST_F(MenuTest, MenusOfferTheirEntriesAndWaitForResults) {
  QStringList entries;
  for (QAction* menu : form.MenuBar->actions()) {
    entries << menu->text();
    for (QAction* action : menu->menu()->actions()) {
      entries << (action->isSeparator() ? "-" : action->text() + " " + action->shortcut().toString() +
                                                   (action->isEnabled() ? "" : " (off)"));
    }
  }
  EXPECT_EQ(entries, QStringList({"&Файл", "&Сохранить отчёт… Ctrl+S (off)",
                                  "&Экспорт таблицы в CSV… Ctrl+E (off)",
                                  "Сохранить &график… Ctrl+Shift+S (off)", "-", "В&ыход Ctrl+Q",
                                  "&Правка", "&Копировать отчёт Ctrl+Shift+C (off)",
                                  "Копировать &график  (off)", "&Анализ",
                                  "&Флегмовое число и тарелки… Ctrl+T",
                                  "&Перегонка по времени… Ctrl+B", "&Диаграмма x–y… Ctrl+D",
                                  "Пересчёт &крепости… ",
                                  "&Справка", "&Информация F1",
                                  "&О программе "}));
  EXPECT_EQ(Calculate({"1000", "20", "", "1"}), QStringList{test::StopBox("'' is not a valid integer value.")});
  EXPECT_FALSE(form.ActionSaveReport->isEnabled());
  EXPECT_EQ(Calculate({"0", "20", "2", "1"}), QStringList{test::StopBox("Invalid floating point operation.")});
  for (QAction* action : {form.ActionSaveReport, form.ActionExportCsv, form.ActionSaveChart,
                          form.ActionCopyReport, form.ActionCopyChart}) {
    EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
  }
}

// The saved and copied report is what --report prints, also after an error.
TEST_F(MenuTest, SavesAndCopiesTheReportAsTheListsShowIt) {
  int saved = 0;
  for (const InputTexts& texts : {InputTexts{"1000", "20", "2", "1"}, InputTexts{"0", "5", "1", "2"}}) {
    Calculate(texts);
    const QString file = folder.filePath("report.txt");
    // The second save replaces the first, once the user has said yes.
    const QStringList answered = Trigger(form.ActionSaveReport, file);
    EXPECT_EQ(answered.size(), 1 + saved++);
    EXPECT_EQ(answered[0], "file dialog|Сохранить отчёт");
    EXPECT_EQ(Contents(file).toStdString(), Printed(texts)) << texts.power;
    form.ActionCopyReport->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), Printed(texts));
  }
  // A name without a suffix gets ".txt"; a cancelled dialog writes nothing.
  Trigger(form.ActionSaveReport, folder.filePath("plain"));
  EXPECT_TRUE(QFile::exists(folder.filePath("plain.txt")));
  Trigger(form.ActionSaveReport, {});
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"plain.txt", "report.txt"}));
}

// One row per stage, each number reading back as the calculation's value,
// with "." whatever the locale.
TEST_F(MenuTest, ExportsTheTrayTable) {
  qputenv("LC_ALL", "ru_RU.UTF-8");
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  Calculate({"1000", "20", "2", "1"});
  const QString file = folder.filePath("trays.csv");
  EXPECT_EQ(Trigger(form.ActionExportCsv, file), QStringList{"file dialog|Экспорт таблицы в CSV"});
  qputenv("LC_ALL", "C.UTF-8");
  QCoreApplication::sendEvent(QCoreApplication::instance(), &change);

  model::TColumn column;
  column.Calculate({1000, 0.2L, 2, 2.0L});
  const QStringList rows = QString::fromUtf8(Contents(file)).split("\r\n");
  ASSERT_EQ(rows.size(), 5);
  EXPECT_EQ(rows[0], "stage,liquid_percent,vapour_percent,temperature_c,return_g_per_h");
  EXPECT_EQ(rows[4], "");
  const auto number = [](const QString& field) { return std::strtod(field.toUtf8().constData(), nullptr); };
  const QStringList still = rows[1].split(',');
  ASSERT_EQ(still.size(), 5);
  EXPECT_EQ(still[0], "0");
  EXPECT_EQ(still[1], "20");
  EXPECT_EQ(still[4], "");
  EXPECT_NEAR(number(still[2]), 65.19, 0.005);
  EXPECT_NEAR(number(still[3]), 86.57, 0.005);
  for (int tray = 1; tray <= 2; ++tray) {
    const QStringList fields = rows[tray + 1].split(',');
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields[0], QString::number(tray));
    EXPECT_EQ(number(fields[1]), static_cast<double>(column.trayliquid[tray] * 100));
    EXPECT_EQ(number(fields[2]), static_cast<double>(column.trayvapour[tray] * 100));
    EXPECT_EQ(number(fields[3]), static_cast<double>(column.traytemperature[tray]));
    EXPECT_EQ(number(fields[4]), static_cast<double>(column.trayreturn[tray]));
  }
}

TEST_F(MenuTest, SavesAndCopiesTheChartPicture) {
  Calculate({"1000", "20", "2", "1"});
  const QImage shown = form.Chart1->grab().toImage();
  const QString file = folder.filePath("chart.png");
  EXPECT_EQ(Trigger(form.ActionSaveChart, file), QStringList{"file dialog|Сохранить график"});
  EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));
  // By its name, the chart is saved as a vector picture of the same size.
  const QString svg = folder.filePath("chart.svg");
  Trigger(form.ActionSaveChart, svg);
  const QByteArray vector = Contents(svg);
  EXPECT_TRUE(vector.startsWith("<?xml")) << vector.left(40).toStdString();
  EXPECT_TRUE(vector.contains("width=\"296\" height=\"473\"")) << vector.left(200).toStdString();
  EXPECT_TRUE(vector.contains(">Крепость в колонне</text>"));

  form.ActionCopyChart->trigger();
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32),
            shown.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(copied->data("image/svg+xml"), vector);
}

// A file that cannot be written gives a message naming it and the reason,
// and nothing is left behind: here the disk is full after 100 bytes.
TEST_F(MenuTest, ReportsAFileThatCannotBeWritten) {
  Calculate({"1000", "20", "2", "1"});
  const QString file = folder.filePath("report.txt");
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{100, saved.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const QStringList answered = Trigger(form.ActionSaveReport, file);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedSignal);
  EXPECT_EQ(answered, QStringList({"file dialog|Сохранить отчёт",
                                   test::StopBox("Не удалось сохранить файл «" + file + "»: File too large.")}));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(MenuTest, HelpAndExitEntries) {
  form.ActionInformation->trigger();
  EXPECT_TRUE(windows.Form3.isVisible());
  const QStringList about = test::AnswerMessageBoxes([this] { form.ActionAbout->trigger(); });
  ASSERT_EQ(about.size(), 1);
  EXPECT_TRUE(about[0].startsWith("О программе|")) << about[0].toStdString();
  EXPECT_TRUE(about[0].contains("Stillwise 1.0.0")) << about[0].toStdString();
  EXPECT_TRUE(about[0].contains("GNU General Public License")) << about[0].toStdString();
  form.ActionExit->trigger();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace app
