#include "app/form1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <ostream>
#include <random>

#include "app/clicklabel.h"
#include "app/errortext.h"
#include "app/program.h"
#include "chart/chartwidget.h"
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

// The series' points as "strength,position", the strength to two places.
QStringList Points(const chart::THorizLineSeries& series) {
  QStringList points;
  for (int i = 0; i < series.Count(); ++i) {
    points << QString("%1,%2").arg(series.XValues.Value(i), 0, 'f', 2).arg(series.YValues.Value(i));
  }
  return points;
}

class Form1Test : public testing::Test {
 protected:
  void SetUp() override { form.show(); }

  // Clicks "Расчет" with the mouse and returns the message boxes it brought up.
  QStringList ClickCalculate() {
    return test::AnswerMessageBoxes([this] { QTest::mouseClick(form.Button1, Qt::LeftButton); });
  }

  TApplication& application = test::Application();
  TProgramWindows windows;
  TForm1& form = windows.Form1;
};

struct ControlCase {
  const char* name;
  std::function<QWidget*(TProgramWindows&)> control;
  QRect geometry;  // a window's frame position; an empty size: a label that sizes itself
  QString text;
  QString hint = {};
};

void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }

QString TextOf(QWidget* widget) {
  if (widget->isWindow()) return widget->windowTitle();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
  return {};
}

class LayoutTest : public Form1Test, public testing::WithParamInterface<ControlCase> {};

TEST_P(LayoutTest, ControlStandsWhereItBelongsWithItsTexts) {
  QWidget* control = GetParam().control(windows);
  const QSize size = GetParam().geometry.isEmpty() ? QSize(0, 0) : control->size();
  EXPECT_EQ(QRect(control->pos(), size), GetParam().geometry);
  EXPECT_EQ(TextOf(control), GetParam().text);
  EXPECT_EQ(control->toolTip(), GetParam().hint);
}

#define CONTROL(member) [](TProgramWindows& w) -> QWidget* { return member; }

INSTANTIATE_TEST_SUITE_P(
    Controls, LayoutTest,
    testing::Values(
        ControlCase{"Form1", CONTROL(&w.Form1), {270, 141, 678, 500}, "Stillwise (русифицировано)"},
        ControlCase{"Label5", CONTROL(w.Form1.Label5), {128, 128, 0, 0}, "Отчет:"},
        ControlCase{"Label8", CONTROL(w.Form1.Label8), {8, 464, 0, 0}, "Stillwise 2004-01-20 BETA "},
        ControlCase{"GroupBox1", CONTROL(w.Form1.GroupBox1), {-1, 8, 129, 257}, "Исходные данные:"},
        ControlCase{"Label1", CONTROL(w.Form1.Label1), {16, 24, 0, 0}, "Мощность"},
        ControlCase{"Label2", CONTROL(w.Form1.Label2), {16, 158, 0, 0}, "ФЧ"},
        ControlCase{"Label3", CONTROL(w.Form1.Label3), {17, 68, 0, 0}, "Крепость в кубе"},
        ControlCase{"Label4", CONTROL(w.Form1.Label4), {16, 110, 0, 0}, "Кол-во тарелок"},
        ControlCase{"Label6", CONTROL(w.Form1.Label6), {47, 86, 0, 0}, "%масс "},
        ControlCase{"Label7", CONTROL(w.Form1.Label7), {59, 44, 0, 0}, "Вт"},
        ControlCase{"Edit1", CONTROL(w.Form1.Edit1), {16, 40, 41, 21}, "1000", "Реально подводимая в куб мощность"},
        ControlCase{"Edit2", CONTROL(w.Form1.Edit2), {16, 83, 25, 21}, "1", "Массовое содержание этанола в кубе"},
        ControlCase{"Edit3", CONTROL(w.Form1.Edit3), {16, 130, 25, 21}, "20", "Введите кол-во ТТ"},
        ControlCase{"Edit4", CONTROL(w.Form1.Edit4), {16, 178, 41, 21}, "15", "ФЧ (0-бесконечность)"},
        ControlCase{"Button1", CONTROL(w.Form1.Button1), {24, 216, 75, 25}, "Расчет"},
        ControlCase{"ListBox1", CONTROL(w.Form1.ListBox1), {128, 144, 209, 305}, ""},
        ControlCase{"GroupBox2", CONTROL(w.Form1.GroupBox2), {0, 264, 129, 81}, "Данные из аппарата",
                    "Показывает сколько этанола покидает куб в час"},
        ControlCase{"ListBox2", CONTROL(w.Form1.ListBox2), {8, 16, 113, 41}, "",
                    "Сколько этанола из куба\nвы получите на выходе\nпри этом ФЧ"},
        ControlCase{"GroupBox3", CONTROL(w.Form1.GroupBox3), {128, 8, 181, 105}, "Что показывать в отчете"},
        ControlCase{"CheckBox6", CONTROL(w.Form1.CheckBox6), {8, 16, 129, 17}, "выход пара с тарелки"},
        ControlCase{"CheckBox7", CONTROL(w.Form1.CheckBox7), {8, 32, 171, 17}, "возврат флегмы с тарелки"},
        ControlCase{"CheckBox8", CONTROL(w.Form1.CheckBox8), {8, 48, 97, 17}, "крепость пара"},
        ControlCase{"CheckBox9", CONTROL(w.Form1.CheckBox9), {8, 64, 127, 17}, "крепость флегмы"},
        ControlCase{"CheckBox10", CONTROL(w.Form1.CheckBox10), {8, 80, 97, 17}, "температура"},
        ControlCase{"Button4", CONTROL(w.Form1.Button4), {256, 464, 75, 25}, "Информация"},
        ControlCase{"Chart1", CONTROL(w.Form1.Chart1), {360, 8, 296, 473}, ""},
        ControlCase{"Form3", CONTROL(&w.Form3), {396, 72, 319, 440}, "Информация"},
        ControlCase{"Form3Label1", CONTROL(w.Form3.Label1), {75, 8, 0, 0}, "Информация о Stillwise"},
        ControlCase{"Form3Button1", CONTROL(w.Form3.Button1), {97, 408, 75, 25}, "Закрыть"},
        ControlCase{"Memo1", CONTROL(w.Form3.Memo1), {12, 32, 294, 369}, ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(Form1Test, TabKeyFollowsTheTabOrder) {
  QApplication::setActiveWindow(&form);
  form.Edit1->setFocus();
  std::vector<QWidget*> visited{QApplication::focusWidget()};
  for (int i = 0; i < 13; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  const std::vector<QWidget*> expected = {
      form.Edit1,     form.Edit2,     form.Edit3,     form.Edit4,     form.Button1,
      form.ListBox1,  form.ListBox2,  form.CheckBox6, form.CheckBox7, form.CheckBox8,
      form.CheckBox9, form.CheckBox10, form.Button4,  form.Edit1};
  EXPECT_EQ(visited, expected);
}

struct ClickCase {
  const char* name;
  InputTexts texts;
  QString message;  // empty: no message box
  int reportLines;
  QStringList stillOutput;
  int points;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class ClickTest : public Form1Test, public testing::WithParamInterface<ClickCase> {};

// Each click follows one that showed two trays: an error shows its message
// and leaves whatever was written before it arose.
TEST_P(ClickTest, ShowsTheResultsOrTheMessage) {
  const QStringList twoTrays = {"КПД по этанолу (%)   :", "75.0"};
  form.SetTexts({"1000", "20", "2", "1"});
  ASSERT_EQ(ClickCalculate(), QStringList());
  ASSERT_EQ(Items(form.ListBox2), twoTrays);
  ASSERT_EQ(Points(*form.Series1), QStringList({"65.19,0", "74.40,1", "81.23,2"}));

  const ClickCase& c = GetParam();
  form.SetTexts(c.texts);
  const QStringList boxes = ClickCalculate();
  EXPECT_EQ(boxes, c.message.isEmpty() ? QStringList() : QStringList{test::StopBox(c.message)});
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
        ClickCase{"TooManyTrays", {"1000", "20", "101", "1"}, "Кол-во тарелок не может быть больше 100.", 0, {}, 3},
        ClickCase{"NoPower", {"0", "20", "3", "1"}, "Invalid floating point operation.", 12 + 7 * 3, kLabelOnly, 4},
        ClickCase{"NegativeStrength", {"1000", "-1", "3", "1"}, "Floating point division by zero.", 12 + 7 * 3, kLabelOnly, 4}),
    [](const auto& info) { return info.param.name; });

TEST_F(Form1Test, MessagesEndInAPeriodUnlessTheyCloseOtherwise) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {{"no value", "no value."}, {"done.", "done."},   {"stop!", "stop!"},
               {"(x)", "(x)"},            {"spaced ", "spaced "}, {"больше ста", "больше ста."}};
  for (const auto& c : cases) {
    const auto command = Guarded([&] { throw runtime::EConvertError(c.message); });
    EXPECT_EQ(test::AnswerMessageBoxes(command), QStringList{test::StopBox(c.shown)});
  }
  // The caption is the program's file name.
  EXPECT_EQ(ApplicationTitle("C:/Program Files/STILLWISE.EXE"), "Stillwise");
}

TEST_F(Form1Test, CommaLocaleTakesCommaAndRefusesPoint) {
  struct ScopedLocale {
    explicit ScopedLocale(const char* locale) { Set(locale); }
    ~ScopedLocale() { Set("C.UTF-8"); }
    void Set(const char* locale) {
      qputenv("LC_ALL", locale);
      QEvent change(QEvent::LocaleChange);
      QCoreApplication::sendEvent(&test::Application(), &change);
    }
  } russian("ru_RU.UTF-8");
  form.SetTexts({"1000", "1,5", "2", "1"});
  EXPECT_EQ(ClickCalculate(), QStringList());
  EXPECT_EQ(Items(form.ListBox1).back(), "крепость флегмы:      2 %");
  EXPECT_EQ(Items(form.ListBox2).back(), "94,7");
  form.SetTexts({"1000", "1.5", "2", "1"});
  EXPECT_EQ(ClickCalculate(), QStringList{test::StopBox("'1.5' is not a valid floating point value.")});
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
  const auto text = [&]() -> std::string {
    if (random() % 2) return hostile[random() % hostile.size()];
    std::string garbage(random() % 13, ' ');
    for (char& c : garbage) c = static_cast<char>(' ' + random() % 95);
    return garbage;
  };
  // Printable ASCII is typed key by key; the rest is pasted whole, as the
  // test's key events carry ASCII only.
  const auto type = [](QLineEdit* field, const std::string& text) {
    const QString typed = QString::fromStdString(text);
    field->clear();
    if (typed.size() <= 20 && QRegularExpression(R"(\A[ -~]*\z)").match(typed).hasMatch()) {
      QTest::keyClicks(field, typed);
    } else {
      field->setText(typed);
    }
  };
  for (int round = 0; round < 300; ++round) {
    const InputTexts texts{text(), text(), text(), text()};
    type(form.Edit1, texts.power);
    type(form.Edit2, texts.strength);
    type(form.Edit3, texts.trays);
    type(form.Edit4, texts.reflux);
    const QStringList boxes = ClickCalculate();
    const bool reported = boxes.empty() && form.ListBox1->count() > 0 && form.ListBox2->count() == 2;
    ASSERT_TRUE(reported || (boxes.size() == 1 && boxes[0] != test::StopBox("")))
        << texts.power << " | " << texts.strength << " | " << texts.trays << " | " << texts.reflux;
  }
}

}  // namespace
}  // namespace app
