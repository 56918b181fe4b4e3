#include "app/mainform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>

#include <utility>

#include "chart/chartwidget.h"
#include "chart/lineseries.h"
#include "commands/errortext.h"
#include "guitest.h"
#include "runtime/errors.h"
#include "support/storedpicture.h"
#include "widgets/application.h"

namespace app {
namespace {

QByteArray Contents(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

class MainFormTest : public test::GuiTest {
 protected:
  template <class Child>
  Child* Find(const char* name) const { return test::Named<Child>(form, name); }
  QStringList Trigger(const char* action, const QString& file = {}) {
    return test::AnswerDialogs([this, action] { Find<QAction>(action)->trigger(); }, file);
  }
  // Saves the report under the umask as `name`, which gets ".txt"; the new file's mode.
  mode_t SaveReportUnder(mode_t mask, const QString& name) {
    const mode_t saved = ::umask(mask);
    Trigger("saveReportAction", folder.filePath(name));
    ::umask(saved);
    struct stat status {};
    return ::stat(QFile::encodeName(folder.filePath(name + ".txt")).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
  }

  QTemporaryDir folder;
};

// What the stored pictures of the window do not show: the keyboard's way
// through it and its title bar.
TEST_F(MainFormTest, KeyboardAndTitleBar) {
  QApplication::setActiveWindow(&form);
  Find<QLineEdit>("powerEdit")->setFocus();
  for (const char* next : {"stillStrengthEdit", "traysEdit", "refluxEdit", "calculateButton", "reportList",
                           "stillOutputList", "vapourOutputBox", "refluxReturnBox", "vapourStrengthBox",
                           "refluxStrengthBox", "temperatureBox", "informationButton", "powerEdit"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }
  // Return clicks the focused push button; in a field it starts nothing.
  auto* const report = Find<QListWidget>("reportList");
  auto* const calculate = Find<QPushButton>("calculateButton");
  QTest::keyClick(Find<QLineEdit>("refluxEdit"), Qt::Key_Return);
  EXPECT_EQ(report->count(), 0);
  QTest::keyClick(calculate, Qt::Key_Return);
  EXPECT_EQ(report->count(), 12 + 7 * 20);
  report->clear();
  QTest::keyClick(calculate, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(report->count(), 12 + 7 * 20);
  // The fixed window offers no maximize button it could not obey.
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  // Titles, places and hints, which no picture shows.
  EXPECT_EQ(QString("%1 %2 / %3 %4").arg(form.windowTitle()).arg(form.pos().x() * 1000 + form.pos().y())
                .arg(windows.informationWindow.windowTitle())
                .arg(windows.informationWindow.pos().x() * 1000 + windows.informationWindow.pos().y()),
            "Stillwise (русифицировано) 270141 / Информация 396072");
  QStringList hints;
  for (const char* control :
       {"powerEdit", "stillStrengthEdit", "traysEdit", "refluxEdit", "stillOutputGroup", "stillOutputList"}) {
    hints << Find<QWidget>(control)->toolTip();
  }
  EXPECT_EQ(hints, QStringList({"Реально подводимая в куб мощность", "Массовое содержание этанола в кубе",
                                "Введите кол-во ТТ", "ФЧ (0-бесконечность)",
                                "Показывает сколько этанола покидает куб в час",
                                "Сколько этанола из куба\nвы получите на выходе\nпри этом ФЧ"}));
}

// After a report of three trays, each click shows the results or its
// message; an error leaves whatever was written before it arose.
TEST_F(MainFormTest, ShowsTheResultsOrTheMessage) {
  const QStringList threeTrays = {"КПД по этанолу (%)   :", "79.4"};
  // The texts typed, the message shown (none when empty), and then the lines
  // of the report and the still output, and the points of the chart.
  const struct { commands::InputTexts texts; QString message; int reportLines; QStringList stillOutput; int points; } cases[] = {
      // A text beyond a field's usual length limit is taken whole.
      {{"1000", "20", "3", std::string(40000, ' ') + "1"}, "", 12 + 7 * 3, threeTrays, 4},
      // Power is read before strength; a message is shown as plain text.
      {{"<h1>1e3</h1>", "x", "2", "1"}, "'<h1>1e3</h1>' is not a valid integer value.", 0, threeTrays, 4},
      {{"1000", "20", "2", "<img src=x>"}, "'<img src=x>' is not a valid floating point value.", 0, threeTrays, 4},
      {{"1000", "20", "2", "-1"}, "Floating point division by zero.", 0, threeTrays, 4},
      {{"1000", "20", "101", "1"}, "Кол-во тарелок не может быть больше 100.", 0, threeTrays, 4},
      {{"0", "20", "2", "1"}, "Invalid floating point operation.", 12 + 7 * 2, {"КПД по этанолу (%)   :"}, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Calculate(c.texts), c.message.isEmpty() ? QStringList() : QStringList{test::StopBox(c.message)});
    EXPECT_EQ(Find<QListWidget>("reportList")->count(), c.reportLines) << c.texts.power;
    EXPECT_EQ(test::Items(Find<QListWidget>("stillOutputList")), c.stillOutput) << c.texts.power;
    EXPECT_EQ(form.StrengthChart().Series(0).Count(), c.points) << c.texts.power;
  }
}

// Unticked one after another, each switch leaves out exactly its tray lines.
TEST_F(MainFormTest, SwitchesLeaveOutTheirTrayLines) {
  const std::pair<const char*, QString> switches[] = {{"refluxReturnBox", "возврат с тарелки"}, {"refluxStrengthBox", "крепость флегмы   "},
                                                      {"vapourStrengthBox", "крепость пара    "}, {"temperatureBox", "Температура"}};
  QStringList expected = QString::fromStdString(test::Printed({"1000", "20", "2", "1"})).split('\n').mid(0, 26);
  for (const auto& [box, start] : switches) {
    QTest::mouseClick(Find<QCheckBox>(box), Qt::LeftButton);
    expected.removeIf([&](const QString& line) { return line.startsWith(start); });
    Calculate({"1000", "20", "2", "1"});
    EXPECT_EQ(test::Items(Find<QListWidget>("reportList")), expected) << start.toStdString();
  }
}

// A message ending in a letter or digit gets a period; the caption is the
// program's file name, here "app_tests".
TEST_F(MainFormTest, MessagesEndInAPeriodUnlessTheyCloseOtherwise) {
  for (const char* message : {"done.", "stop!", "(x)", "spaced "}) {
    EXPECT_EQ(test::AnswerMessageBoxes(widgets::Guarded([&] { throw runtime::EConvertError(message); })),
              QStringList{test::StopBox(message)});
  }
  EXPECT_EQ(widgets::ApplicationTitle("C:/Program Files/STILLWISE.EXE"), "Stillwise");
}

// The separators are read again when the locale changes.
TEST_F(MainFormTest, CommaLocaleTakesCommaAndRefusesPoint) {
  test::SetLocale("ru_RU.UTF-8");
  EXPECT_EQ(Calculate({"1000", "1,5", "1", "15"}), QStringList());
  EXPECT_EQ(test::Items(Find<QListWidget>("stillOutputList")).back(), "32,7");
  EXPECT_EQ(Calculate({"1000", "1.5", "2", "1"}), QStringList{test::StopBox("'1.5' is not a valid floating point value.")});
  test::SetLocale("C.UTF-8");
}

// The information window: opened by the button or the version label, a
// second time changing nothing, hidden by "Закрыть" and shown again as it was.
TEST_F(MainFormTest, InformationWindowOpensOnceAndKeepsItsText) {
  TInfoForm& info = windows.informationWindow;
  auto* const text = test::Named<QPlainTextEdit>(info, "informationText");
  QWidget* const button = Find<QWidget>("informationButton");
  QWidget* const label = Find<QWidget>("versionLabel");
  QWidget* const close = test::Named<QWidget>(info, "closeButton");
  QTest::mouseClick(button, Qt::LeftButton);
  QScrollBar* bar = text->verticalScrollBar();
  bar->setValue(bar->maximum() / 2);
  const std::pair<QRect, int> shown{info.geometry(), bar->value()};
  ASSERT_TRUE(info.isVisible() && shown.second > 0);
  for (QWidget* control : {button, label, close, label}) {
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_EQ(info.isVisible(), control != close);
  }
  EXPECT_EQ(std::make_pair(info.geometry(), bar->value()), shown);
  const QStringList lines = text->toPlainText().split('\n');
  qsizetype next = 0;
  for (const char* heading : {"Что делает эта программа?", "Как её использовать?",
                              "Как программа рассчитывает крепость и другие", "данные?",
                              "Допущенные упрощения:", "Другие источники ошибок:"}) {
    next = lines.indexOf(heading, next) + 1;
    EXPECT_GT(next, 0) << heading;
  }
  for (const QString& line : lines) EXPECT_LE(line.size(), 52) << line.toStdString();
}

// As `--screenshot` makes them: the texts typed, "Расчет" clicked, the
// window shown and painted. After an intended change of the drawing, write
// the pictures anew with
//   STILLWISE_WRITE_PICTURES=1 build/tests/app/app_tests --gtest_filter='*StoredPicture*:*WritesTheChart*'
// and look at them before committing.
TEST_F(MainFormTest, LooksAsItsStoredPictures) {
  for (const auto& [trays, texts] : {std::pair<QString, commands::InputTexts>{"0", {"1000", "1", "0", "15"}},
                                     {"1", {"1000", "20", "1", "1"}}, {"20", {"1000", "1", "20", "15"}},
                                     {"100", {"1000", "1", "100", "15"}}}) {
    form.SetTexts(texts);
    form.CalculateClicked();
    QApplication::processEvents();
    test_support::ExpectStoredPicture(form.grab().toImage(), STILLWISE_PICTURES_DIR "/screenshot_" + trays + ".png");
  }
}

// Every menu and entry, with its mnemonic and shortcut; those that need
// results wait for the first report.
TEST_F(MainFormTest, MenusOfferTheirEntriesAndWaitForResults) {
  QStringList entries;
  for (QAction* menu : form.findChild<QMenuBar*>()->actions()) {
    entries << menu->text();
    for (QAction* action : menu->menu()->actions()) {
      entries << (action->isSeparator() ? "-" : action->text() + " " + action->shortcut().toString() +
                                                   (action->isEnabled() ? "" : " (off)"));
    }
  }
  EXPECT_EQ(entries.join(" | "), "&Файл | &Сохранить отчёт… Ctrl+S (off) | &Экспорт таблицы в CSV… Ctrl+E (off) | "
                                 "Сохранить &график… Ctrl+Shift+S (off) | - | В&ыход Ctrl+Q | &Правка | "
                                 "&Копировать отчёт Ctrl+Shift+C (off) | Копировать &график  (off) | &Анализ | "
                                 "&Флегмовое число и тарелки… Ctrl+T | &Перегонка по времени… Ctrl+B | &Диаграмма x–y… Ctrl+D | "
                                 "Пересчёт &крепости…  | &Справка | "
                                 "&Информация F1 | &О программе ");
  Calculate({"1000", "20", "", "1"});
  EXPECT_FALSE(Find<QAction>("saveReportAction")->isEnabled());
  Calculate({"0", "20", "2", "1"});
  for (const char* action : {"saveReportAction", "exportCsvAction", "saveChartAction", "copyReportAction", "copyChartAction"}) {
    EXPECT_TRUE(Find<QAction>(action)->isEnabled()) << action;
  }
  // The help entries show the information window and the program's version
  // and licence; the exit entry closes the window.
  Find<QAction>("informationAction")->trigger();
  EXPECT_TRUE(windows.informationWindow.isVisible());
  const QString about = Trigger("aboutAction").value(0);
  EXPECT_TRUE(about.startsWith("О программе|") && about.contains("Stillwise 1.0.0") && about.contains("GNU General Public"));
  Find<QAction>("exitAction")->trigger();
  EXPECT_FALSE(form.isVisible());
}

// The saved and copied report is what --report prints, also after an error.
// A new file's mode follows the umask; a name without a suffix gets ".txt";
// a cancelled dialog writes nothing. A file that cannot be written, here on a
// disk full after 100 bytes, gives a message naming it and the reason, and
// the file it would replace stays as it was.
TEST_F(MainFormTest, SavesAndCopiesTheReportAsTheListsShowIt) {
  const QString file = folder.filePath("report.txt");
  int boxes = 1;
  for (const commands::InputTexts& texts : {commands::InputTexts{"1000", "20", "2", "1"}, commands::InputTexts{"0", "5", "1", "2"}}) {
    Calculate(texts);
    // The second save replaces the first, once the user has said yes.
    const QStringList answered = Trigger("saveReportAction", file);
    EXPECT_EQ(answered.value(0), "file dialog|Сохранить отчёт");
    EXPECT_EQ(answered.size(), boxes++);
    EXPECT_EQ(Contents(file).toStdString(), test::Printed(texts)) << texts.power;
    Find<QAction>("copyReportAction")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), test::Printed(texts));
  }
  EXPECT_EQ(SaveReportUnder(022, "open"), 0644u);
  EXPECT_EQ(SaveReportUnder(077, "own"), 0600u);
  Trigger("saveReportAction", {});
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"open.txt", "own.txt", "report.txt"}));

  Calculate({"1000", "20", "2", "1"});
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit small{100, saved.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const QStringList answered = Trigger("saveReportAction", file);
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(answered.value(2), test::StopBox("Не удалось сохранить файл «" + file + "»: File too large."));
  EXPECT_EQ(Contents(file).toStdString(), test::Printed({"0", "5", "1", "2"}));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"open.txt", "own.txt", "report.txt"}));
}

// The table of the report shown, each number with "." whatever the locale;
// a calculation that failed before its report does not change it.
TEST_F(MainFormTest, ExportsTheTrayTableOfTheShownReport) {
  test::SetLocale("ru_RU.UTF-8");
  Calculate({"1000", "20", "2", "1"});
  Calculate({"1000", "20", "3", "-1"});
  const QString file = folder.filePath("trays.csv");
  EXPECT_EQ(Trigger("exportCsvAction", file), QStringList{"file dialog|Экспорт таблицы в CSV"});
  test::SetLocale("C.UTF-8");
  // Rounded as the report shows them.
  QStringList rows = QString::fromUtf8(Contents(file)).split("\r\n");
  for (qsizetype r = 1; r < rows.size(); ++r) {
    QStringList fields = rows[r].split(',');
    for (qsizetype f = 1; f < fields.size(); ++f) {
      if (!fields[f].isEmpty()) fields[f] = QString::number(fields[f].toDouble(), 'f', f < 3 ? 2 : f == 3 ? 1 : 0);
    }
    rows[r] = fields.join(',');
  }
  EXPECT_EQ(rows, QStringList({"stage,liquid_percent,vapour_percent,temperature_c,return_g_per_h",
                               "0,20.00,65.19,86.6,", "1,40.91,74.40,83.2,1150", "2,66.27,81.23,80.3,1462", ""}));
}

// Saved by its name as PNG or SVG, and copied as both.
TEST_F(MainFormTest, SavesAndCopiesTheChartPicture) {
  Calculate({"1000", "20", "2", "1"});
  const QImage shown = form.StrengthChart().grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(Trigger("saveChartAction", folder.filePath("chart.png")), QStringList{"file dialog|Сохранить график"});
  EXPECT_EQ(QImage(folder.filePath("chart.png")).convertToFormat(QImage::Format_RGB32), shown);
  Trigger("saveChartAction", folder.filePath("chart.svg"));
  const QByteArray vector = Contents(folder.filePath("chart.svg"));
  EXPECT_TRUE(vector.startsWith("<?xml") && vector.contains(">Крепость в колонне</text>")) << vector.left(300).toStdString();
  Find<QAction>("copyChartAction")->trigger();
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32), shown);
  EXPECT_EQ(copied->data("image/svg+xml"), vector);
}

}  // namespace
}  // namespace app
