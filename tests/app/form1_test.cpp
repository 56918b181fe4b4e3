#include "app/form1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <ostream>
#include <random>
#include <sstream>

#include "app/application.h"
#include "app/commandline.h"
#include "app/errortext.h"
#include "app/program.h"
#include "chart/lineseries.h"
#include "guitest.h"
#include "runtime/errors.h"

namespace app {
namespace {

QStringList Items(const QListWidget* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->item(i)->text();
  return items;
}

// A window and the controls of its client area in creation order, one line
// each: position, size (not for labels, which size themselves), text, hint.
QStringList Layout(QWidget& window, QWidget& client) {
  QStringList lines{QString("%1,%2 %3x%4 %5").arg(window.x()).arg(window.y()).arg(window.width())
                        .arg(window.height()).arg(window.windowTitle())};
  if (&client != &window) {
    lines << QString("client %1,%2 %3x%4").arg(client.x()).arg(client.y()).arg(client.width()).arg(client.height());
  }
  for (QWidget* control : client.findChildren<QWidget*>()) {
    if (control->parentWidget() != &client && !qobject_cast<QGroupBox*>(control->parentWidget())) continue;
    QString line = QString("%1,%2").arg(control->x()).arg(control->y());
    if (!qobject_cast<QLabel*>(control)) line += QString(" %1x%2").arg(control->width()).arg(control->height());
    const QString text = control->property("text").toString() + control->property("title").toString();
    if (!text.isEmpty()) line += " " + text;
    if (!control->toolTip().isEmpty()) line += " / " + control->toolTip();
    lines << line;
  }
  return lines;
}

class Form1Test : public testing::Test {
 protected:
  void SetUp() override { form.show(); }

  // Clicks "Расчет" with the mouse and returns the message boxes it brought up.
  QStringList ClickCalculate() {
    return test::AnswerMessageBoxes([this] { QTest::mouseClick(form.Button1, Qt::LeftButton); });
  }

  TProgramWindows windows;
  TForm1& form = windows.Form1;
};

TEST_F(Form1Test, BothWindowsHaveTheirLayoutAndTabOrder) {
  // Under the menu bar the controls keep their places in the classic client
  // area, and the window grows by the menu bar's height.
  const int menuHeight = form.MenuBar->height();
  EXPECT_GT(menuHeight, 10);
  EXPECT_EQ(form.MenuBar->geometry(), QRect(0, 0, 678, menuHeight));
  EXPECT_EQ(Layout(form, *form.Client),
            QStringList({QString("270,141 678x%1 Stillwise (русифицировано)").arg(500 + menuHeight),
                         QString("client 0,%1 678x500").arg(menuHeight), "128,128 Отчет:",
                         "8,464 Stillwise 2004-01-20 BETA ", "-1,8 129x257 Исходные данные:",
                         "16,24 Мощность", "16,158 ФЧ", "17,68 Крепость в кубе",
                         "16,110 Кол-во тарелок", "47,86 %масс ", "59,44 Вт",
                         "16,40 41x21 1000 / Реально подводимая в куб мощность",
                         "16,83 25x21 1 / Массовое содержание этанола в кубе",
                         "16,130 25x21 20 / Введите кол-во ТТ", "16,178 41x21 15 / ФЧ (0-бесконечность)",
                         "24,216 75x25 Расчет", "128,144 209x305",
                         "0,264 129x81 Данные из аппарата / Показывает сколько этанола покидает куб в час",
                         "8,16 113x41 / Сколько этанола из куба\nвы получите на выходе\nпри этом ФЧ",
                         "128,8 181x105 Что показывать в отчете", "8,16 129x17 выход пара с тарелки",
                         "8,32 171x17 возврат флегмы с тарелки", "8,48 97x17 крепость пара",
                         "8,64 127x17 крепость флегмы", "8,80 97x17 температура",
                         "24,424 75x25 Button2", "24,392 75x25 Button3", "256,464 75x25 Информация",
                         "360,8 296x473"}));
  EXPECT_EQ(Layout(windows.Form3, windows.Form3),
            QStringList({"396,72 319x440 Информация", "75,8 Информация о Stillwise",
                         "97,408 75x25 Закрыть", "12,32 294x369"}));

  QApplication::setActiveWindow(&form);
  form.Edit1->setFocus();
  std::vector<QWidget*> visited{QApplication::focusWidget()};
  for (int i = 0; i < 13; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(visited, (std::vector<QWidget*>{form.Edit1, form.Edit2, form.Edit3, form.Edit4,
                                            form.Button1, form.ListBox1, form.ListBox2,
                                            form.CheckBox6, form.CheckBox7, form.CheckBox8,
                                            form.CheckBox9, form.CheckBox10, form.Button4,
                                            form.Edit1}));
}

struct ClickCase {
  const char* name;
  InputTexts texts;
  QString message;  // empty: no message box
  int reportLines;
  QStringList stillOutput;  // empty: as the calculation before left it
  int points;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class ClickTest : public Form1Test, public testing::WithParamInterface<ClickCase> {};

const QStringList kTwoTrayReport = {
    " ", "--Дефлег-ор--", "Крепость отбора :   81.23 %", "    Возврат    :    1740 г/ч",
    "Отбор продукта:    1740 г/ч", "---------", " ", "--  ТТ  2--", "Температура          80.3  C",
    "крепость пара       81.23 %", "крепость флегмы        66.27 %", "возврат с тарелки   1462 г/ч",
    "---------", " ", "--  ТТ  1--", "Температура          83.2  C", "крепость пара       74.40 %",
    "крепость флегмы        40.91 %", "возврат с тарелки   1150 г/ч", "---------", " ", "-- куб  --",
    "выход этанола  :   1884 г/ч", "выход массы :       2890 г/ч", "крепость пара  :   65.19 %",
    "крепость флегмы:      20 %"};

// Each click follows one that showed two trays: an error shows its message
// and leaves whatever was written before it arose.
TEST_P(ClickTest, ShowsTheResultsOrTheMessage) {
  const QStringList twoTrays = {"КПД по этанолу (%)   :", "75.0"};
  form.SetTexts({"1000", "20", "2", "1"});
  ASSERT_EQ(ClickCalculate(), QStringList());
  ASSERT_EQ(Items(form.ListBox1), kTwoTrayReport);
  ASSERT_EQ(Items(form.ListBox2), twoTrays);
  QStringList points;
  for (int i = 0; i < form.Series1->Count(); ++i) {
    points << QString("%1,%2").arg(form.Series1->XValues.Value(i), 0, 'f', 2).arg(form.Series1->YValues.Value(i));
  }
  ASSERT_EQ(points, QStringList({"65.19,0", "74.40,1", "81.23,2"}));

  const ClickCase& c = GetParam();
  form.SetTexts(c.texts);
  EXPECT_EQ(ClickCalculate(), c.message.isEmpty() ? QStringList() : QStringList{test::StopBox(c.message)});
  EXPECT_EQ(form.ListBox1->count(), c.reportLines);
  EXPECT_EQ(Items(form.ListBox2), c.stillOutput.isEmpty() ? twoTrays : c.stillOutput);
  EXPECT_EQ(form.Series1->Count(), c.points);
}

const QStringList kLabelOnly = {"КПД по этанолу (%)   :"};

INSTANTIATE_TEST_SUITE_P(
    Clicks, ClickTest,
    testing::Values(
        ClickCase{"Defaults", InputTexts{}, "", 12 + 7 * 20, {"КПД по этанолу (%)   :", "90.6"}, 21},
        ClickCase{"EmptyPower", {"", "20", "2", "1"}, "'' is not a valid integer value.", 0, {}, 3},
        ClickCase{"PowerBeforeStrength", {"1e3", "x", "2", "1"}, "'1e3' is not a valid integer value.", 0, {}, 3},
        ClickCase{"TraysTrailingBlank", {"1000", "20", "20 ", "1"}, "'20 ' is not a valid integer value.", 0, {}, 3},
        ClickCase{"RefluxMinusOne", {"1000", "20", "2", "-1"}, "Floating point division by zero.", 0, {}, 3},
        ClickCase{"MarkupPower", {"<h1>1000</h1>", "20", "2", "1"}, "'<h1>1000</h1>' is not a valid integer value.", 0, {}, 3},
        ClickCase{"PictureReflux", {"1000", "20", "2", "<img src=\"/usr/share/icons/x.png\">"},
                  "'<img src=\"/usr/share/icons/x.png\">' is not a valid floating point value.", 0, {}, 3},
        ClickCase{"TooManyTrays", {"1000", "20", "101", "1"}, "Кол-во тарелок не может быть больше 100.", 0, {}, 3},
        ClickCase{"NoPower", {"0", "20", "3", "1"}, "Invalid floating point operation.", 12 + 7 * 3, kLabelOnly, 4},
        ClickCase{"NegativeStrength", {"1000", "-1", "3", "1"}, "Floating point division by zero.", 12 + 7 * 3, kLabelOnly, 4}),
    [](const auto& info) { return info.param.name; });

// Unticked one after another, each switch leaves out exactly its tray lines.
TEST_F(Form1Test, SwitchesLeaveOutTheirTrayLines) {
  const std::pair<QCheckBox*, QString> switches[] = {{form.CheckBox7, "возврат с тарелки"},
                                                     {form.CheckBox9, "крепость флегмы   "},
                                                     {form.CheckBox8, "крепость пара    "},
                                                     {form.CheckBox10, "Температура"}};
  form.SetTexts({"1000", "20", "2", "1"});
  QStringList expected = kTwoTrayReport;
  for (const auto& [box, start] : switches) {
    QTest::mouseClick(box, Qt::LeftButton);
    expected.removeIf([&](const QString& line) { return line.startsWith(start); });
    EXPECT_EQ(ClickCalculate(), QStringList());
    EXPECT_EQ(Items(form.ListBox1), expected) << start.toStdString();
    EXPECT_EQ(form.Series1->Count(), 3);
  }
  EXPECT_EQ(expected.size(), 26 - 4 * 2);
}

// Return clicks the push button that has the focus, as Space does; in an
// edit field it starts nothing.
TEST_F(Form1Test, ReturnClicksTheFocusedButtonOnly) {
  QApplication::setActiveWindow(&form);
  for (QLineEdit* field : {form.Edit1, form.Edit2, form.Edit3, form.Edit4}) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
  }
  EXPECT_EQ(form.ListBox1->count(), 0);
  form.Button1->setFocus();
  QTest::keyClick(form.Button1, Qt::Key_Return);
  EXPECT_EQ(form.ListBox1->count(), 12 + 7 * 20);
  form.ListBox1->clear();
  QTest::keyClick(form.Button1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(form.ListBox1->count(), 12 + 7 * 20);

  QTest::keyClick(form.Button4, Qt::Key_Return);
  EXPECT_TRUE(windows.Form3.isVisible());
  QTest::keyClick(windows.Form3.Button1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(windows.Form3.isVisible());
}

// A text far longer than an edit field's usual limit is taken whole, as the
// command line takes it.
TEST_F(Form1Test, FieldsHoldTextsOfAnyLength) {
  const std::string reflux = std::string(40000, ' ') + "15";
  form.SetTexts({"1000", "20", "2", reflux});
  EXPECT_EQ(form.Edit4->text().size(), static_cast<qsizetype>(reflux.size()));
  EXPECT_EQ(ClickCalculate(), QStringList());
  std::ostringstream printed;
  std::ostringstream errors;
  ASSERT_EQ(RunReport(form.Texts(), {}, printed, errors), 0);
  const QStringList report = QString::fromStdString(printed.str()).split('\n');
  EXPECT_EQ(Items(form.ListBox1), report.mid(0, form.ListBox1->count()));
  EXPECT_EQ(report[3], "    Возврат    :    3478 г/ч");
}

TEST_F(Form1Test, MessagesEndInAPeriodUnlessTheyCloseOtherwise) {
  for (const auto& [message, shown] : std::vector<std::pair<const char*, const char*>>{
           {"no value", "no value."}, {"done.", "done."}, {"stop!", "stop!"}, {"(x)", "(x)"},
           {"spaced ", "spaced "}, {"больше ста", "больше ста."}}) {
    const auto command = Guarded([&] { throw runtime::EConvertError(message); });
    EXPECT_EQ(test::AnswerMessageBoxes(command), QStringList{test::StopBox(shown)});
  }
  // The caption is the program's file name; this program's is "app_tests".
  EXPECT_EQ(ApplicationTitle("C:/Program Files/STILLWISE.EXE"), "Stillwise");
}

TEST_F(Form1Test, CommaLocaleTakesCommaAndRefusesPoint) {
  const auto setLocale = [](const char* locale) {
    qputenv("LC_ALL", locale);
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  };
  setLocale("ru_RU.UTF-8");
  form.SetTexts({"1000", "1,5", "2", "1"});
  EXPECT_EQ(ClickCalculate(), QStringList());
  EXPECT_EQ(Items(form.ListBox1).back(), "крепость флегмы:      2 %");
  EXPECT_EQ(Items(form.ListBox2).back(), "94,7");
  form.SetTexts({"1000", "1.5", "2", "1"});
  EXPECT_EQ(ClickCalculate(), QStringList{test::StopBox("'1.5' is not a valid floating point value.")});
  setLocale("C.UTF-8");
}

// Random and hostile texts typed into all four fields: every click ends in a
// report or one message, and nothing crashes or hangs.
TEST_F(Form1Test, AnyTypedTextGivesAReportOrAMessage) {
  const std::vector<std::string> hostile = {
      "", " ", "-", "+", ".", ",", "e", "1e", "1e4932", "1e-4950", "-1e4931", "nan", "INF", "$",
      "$7FFFFFFF", "0x", "0x80000000", "2147483647", "2147483648", "-2147483648", "1..5", "--1",
      "+-1", "1e+", "\t1", "1\n", "１２", "٣", "ТТ", "🙂", "%s%s%n", "'", "\"", std::string(5000, '9'),
      std::string(300, ' ') + "1", "0", "-0", "-1", "-100", "1,5", "1 000", "1e830", "5E-324", "100"};
  std::mt19937 random(20040120);
  for (int round = 0; round < 300; ++round) {
    QStringList typed;
    for (QLineEdit* field : {form.Edit1, form.Edit2, form.Edit3, form.Edit4}) {
      // Printable ASCII garbage is typed key by key; the hostile texts, many
      // beyond what the test's key events carry, are pasted whole.
      field->clear();
      if (random() % 2) {
        field->setText(QString::fromStdString(hostile[random() % hostile.size()]));
      } else {
        std::string garbage(random() % 13, ' ');
        for (char& c : garbage) c = static_cast<char>(' ' + random() % 95);
        QTest::keyClicks(field, QString::fromStdString(garbage));
      }
      typed << field->text();
    }
    const QStringList boxes = ClickCalculate();
    const bool reported = boxes.empty() && form.ListBox1->count() > 0 && form.ListBox2->count() == 2;
    ASSERT_TRUE(reported || (boxes.size() == 1 && boxes[0] != test::StopBox("")))
        << typed.join(" | ").toStdString();
  }
}

}  // namespace
}  // namespace app
