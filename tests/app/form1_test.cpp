#include "app/form1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "app/clicklabel.h"
#include "app/program.h"
#include "chart/chartwidget.h"
#include "chart/lineseries.h"
#include "guitest.h"
#include "numtext/numtext.h"

namespace app {
namespace {

QStringList Items(const QListWidget* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->item(i)->text();
  return items;
}

class Form1Test : public testing::Test {
 protected:
  static void SetUpTestSuite() { test::Application(); }

  void SetUp() override {
    windows_ = std::make_unique<TProgramWindows>();
    form().show();
  }

  TForm1& form() { return windows_->Form1; }

  // Clicks "Расчет" with the mouse and returns the message boxes it brought up.
  std::vector<test::ShownBox> ClickCalculate() {
    return test::AnswerMessageBoxes(
        [this] { QTest::mouseClick(form().Button1, Qt::LeftButton); });
  }

  std::unique_ptr<TProgramWindows> windows_;
};

struct ControlCase {
  const char* name;
  std::function<QWidget*(TForm1&)> control;
  QRect geometry;  // an empty size: a label that sizes itself
  QString text;
};

void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }

QString TextOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
  return {};
}

class Form1LayoutTest : public Form1Test, public testing::WithParamInterface<ControlCase> {};

TEST_P(Form1LayoutTest, ControlStandsWhereItBelongsWithItsText) {
  const ControlCase& c = GetParam();
  QWidget* control = c.control(form());
  if (c.geometry.size().isEmpty()) {
    EXPECT_EQ(control->pos(), c.geometry.topLeft());
  } else {
    EXPECT_EQ(control->geometry(), c.geometry);
  }
  EXPECT_EQ(TextOf(control), c.text);
}

#define CONTROL(member) [](TForm1& f) -> QWidget* { return f.member; }

INSTANTIATE_TEST_SUITE_P(
    Controls, Form1LayoutTest,
    testing::Values(
        ControlCase{"Label5", CONTROL(Label5), {128, 128, 0, 0}, "Отчет:"},
        ControlCase{"Label8", CONTROL(Label8), {8, 464, 0, 0}, "Stillwise 2004-01-20 BETA "},
        ControlCase{"GroupBox1", CONTROL(GroupBox1), {-1, 8, 129, 257}, "Исходные данные:"},
        ControlCase{"Label1", CONTROL(Label1), {16, 24, 0, 0}, "Мощность"},
        ControlCase{"Label2", CONTROL(Label2), {16, 158, 0, 0}, "ФЧ"},
        ControlCase{"Label3", CONTROL(Label3), {17, 68, 0, 0}, "Крепость в кубе"},
        ControlCase{"Label4", CONTROL(Label4), {16, 110, 0, 0}, "Кол-во тарелок"},
        ControlCase{"Label6", CONTROL(Label6), {47, 86, 0, 0}, "%масс "},
        ControlCase{"Label7", CONTROL(Label7), {59, 44, 0, 0}, "Вт"},
        ControlCase{"Edit1", CONTROL(Edit1), {16, 40, 41, 21}, "1000"},
        ControlCase{"Edit2", CONTROL(Edit2), {16, 83, 25, 21}, "1"},
        ControlCase{"Edit3", CONTROL(Edit3), {16, 130, 25, 21}, "20"},
        ControlCase{"Edit4", CONTROL(Edit4), {16, 178, 41, 21}, "15"},
        ControlCase{"Button1", CONTROL(Button1), {24, 216, 75, 25}, "Расчет"},
        ControlCase{"ListBox1", CONTROL(ListBox1), {128, 144, 209, 305}, ""},
        ControlCase{"GroupBox2", CONTROL(GroupBox2), {0, 264, 129, 81}, "Данные из аппарата"},
        ControlCase{"ListBox2", CONTROL(ListBox2), {8, 16, 113, 41}, ""},
        ControlCase{"GroupBox3", CONTROL(GroupBox3), {128, 8, 181, 105}, "Что показывать в отчете"},
        ControlCase{"CheckBox6", CONTROL(CheckBox6), {8, 16, 129, 17}, "выход пара с тарелки"},
        ControlCase{"CheckBox7", CONTROL(CheckBox7), {8, 32, 171, 17}, "возврат флегмы с тарелки"},
        ControlCase{"CheckBox8", CONTROL(CheckBox8), {8, 48, 97, 17}, "крепость пара"},
        ControlCase{"CheckBox9", CONTROL(CheckBox9), {8, 64, 127, 17}, "крепость флегмы"},
        ControlCase{"CheckBox10", CONTROL(CheckBox10), {8, 80, 97, 17}, "температура"},
        ControlCase{"Button2", CONTROL(Button2), {24, 424, 75, 25}, "Button2"},
        ControlCase{"Button3", CONTROL(Button3), {24, 392, 75, 25}, "Button3"},
        ControlCase{"Button4", CONTROL(Button4), {256, 464, 75, 25}, "Информация"},
        ControlCase{"Chart1", CONTROL(Chart1), {360, 8, 296, 473}, ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(Form1Test, IsAFixedWindowWithItsCaptionAndFonts) {
  EXPECT_EQ(form().windowTitle(), "Stillwise (русифицировано)");
  EXPECT_EQ(form().minimumSize(), QSize(678, 500));
  EXPECT_EQ(form().maximumSize(), QSize(678, 500));
  EXPECT_EQ(form().font().family(), "MS Sans Serif");
  EXPECT_EQ(form().font().pixelSize(), 11);
  EXPECT_EQ(QFontInfo(form().font()).family(), "Liberation Sans");
  EXPECT_EQ(form().Label8->font().family(), "@Arial Unicode MS");
  EXPECT_EQ(form().Label8->font().pixelSize(), 11);
}

TEST_F(Form1Test, ControlsHaveTheirHintsAndStates) {
  EXPECT_EQ(form().Edit1->toolTip(), "Реально подводимая в куб мощность");
  EXPECT_EQ(form().Edit2->toolTip(), "Массовое содержание этанола в кубе");
  EXPECT_EQ(form().Edit3->toolTip(), "Введите кол-во ТТ");
  EXPECT_EQ(form().Edit4->toolTip(), "ФЧ (0-бесконечность)");
  EXPECT_EQ(form().GroupBox2->toolTip(), "Показывает сколько этанола покидает куб в час");
  EXPECT_EQ(form().ListBox2->toolTip(), "Сколько этанола из куба\nвы получите на выходе\nпри этом ФЧ");
  EXPECT_EQ(form().Edit1->toolTipDuration(), 2500);
  EXPECT_EQ(form().ListBox2->toolTipDuration(), 2500);
  for (QCheckBox* box : {form().CheckBox6, form().CheckBox7, form().CheckBox8, form().CheckBox9,
                         form().CheckBox10}) {
    EXPECT_TRUE(box->isChecked()) << box->text().toStdString();
  }
  EXPECT_FALSE(form().Button2->isVisible());
  EXPECT_FALSE(form().Button3->isVisible());
  EXPECT_TRUE(form().Button4->isVisible());
}

TEST_F(Form1Test, TextsFitTheirControls) {
  const QStyle* style = form().style();
  const int box = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                  style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  for (QCheckBox* control : {form().CheckBox6, form().CheckBox7, form().CheckBox8,
                             form().CheckBox9, form().CheckBox10}) {
    EXPECT_LE(box + control->fontMetrics().horizontalAdvance(control->text()), control->width())
        << control->text().toStdString();
  }
  const int margins = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
  for (QPushButton* control : {form().Button1, form().Button4}) {
    EXPECT_LE(margins + control->fontMetrics().horizontalAdvance(control->text()), control->width())
        << control->text().toStdString();
  }
  EXPECT_LE(form().Label8->geometry().right(), form().Button4->x());
}

TEST_F(Form1Test, TabKeyFollowsTheTabOrder) {
  QApplication::setActiveWindow(&form());
  form().Edit1->setFocus();
  std::vector<QWidget*> visited{QApplication::focusWidget()};
  for (int i = 0; i < 12; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  const std::vector<QWidget*> expected = {
      form().Edit1,     form().Edit2,     form().Edit3,     form().Edit4,
      form().Button1,   form().ListBox1,  form().ListBox2,  form().CheckBox6,
      form().CheckBox7, form().CheckBox8, form().CheckBox9, form().CheckBox10,
      form().Button4};
  EXPECT_EQ(visited, expected);
}

TEST_F(Form1Test, CalculatesWithTheDefaultTexts) {
  EXPECT_TRUE(ClickCalculate().empty());
  const QStringList report = Items(form().ListBox1);
  ASSERT_EQ(report.size(), 12 + 7 * 20);
  EXPECT_EQ(report[2], "Крепость отбора :   75.96 %");
  EXPECT_EQ(report.back(), "крепость флегмы:      1 %");
  EXPECT_EQ(Items(form().ListBox2), QStringList({"КПД по этанолу (%)   :", "90.6"}));
  EXPECT_EQ(form().ListBox1->sizeHintForRow(0), 13);
}

TEST_F(Form1Test, ChartShowsTheProfileStillFirst) {
  const chart::TChart& chart = *form().Chart1;
  EXPECT_EQ(chart.Title.Text, std::vector<std::string>{"Крепость в колонне"});
  EXPECT_TRUE(chart.Legend.Inverted);
  EXPECT_FALSE(chart.BottomAxis.Automatic);
  EXPECT_FALSE(chart.BottomAxis.AutomaticMinimum);
  EXPECT_FALSE(chart.BottomAxis.AutomaticMaximum);
  EXPECT_EQ(chart.BottomAxis.Minimum(), 0.0);
  EXPECT_EQ(chart.BottomAxis.Maximum(), 100.0);
  EXPECT_FALSE(chart.View3D);
  ASSERT_EQ(chart.SeriesCount(), 1);
  EXPECT_EQ(&chart.Series(0), form().Series1);
  EXPECT_EQ(form().Series1->SeriesColor, chart::clRed);

  form().SetTexts({"1000", "20", "2", "1"});
  ClickCalculate();
  const chart::THorizLineSeries& series = *form().Series1;
  ASSERT_EQ(series.Count(), 3);
  const double strengths[] = {65.19, 74.40, 81.23};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(series.XValues.Value(i), strengths[i], 0.005);
    EXPECT_EQ(series.YValues.Value(i), i);
    EXPECT_EQ(series.PointColor(i), chart::clRed);
  }
  EXPECT_FALSE(series.PointColors.has_value());
}

TEST_F(Form1Test, SwitchesActOnTheNextCalculation) {
  ClickCalculate();
  QTest::mouseClick(form().CheckBox9, Qt::LeftButton);
  QTest::mouseClick(form().CheckBox10, Qt::LeftButton);
  QTest::mouseClick(form().CheckBox6, Qt::LeftButton);
  EXPECT_EQ(form().ListBox1->count(), 12 + 7 * 20);
  ClickCalculate();
  const QStringList report = Items(form().ListBox1);
  EXPECT_EQ(report.size(), 12 + 5 * 20);
  EXPECT_TRUE(report.filter("Температура").isEmpty());
  EXPECT_TRUE(report.filter("крепость флегмы   ").isEmpty());
  EXPECT_EQ(report.filter("крепость пара   ").size(), 20);
  EXPECT_EQ(report.filter("возврат с тарелки").size(), 20);
}

struct ClickFailure {
  const char* name;
  InputTexts texts;
  QString message;
  // Whether the report reached the still output before the error.
  bool reportWritten;
};

void PrintTo(const ClickFailure& c, std::ostream* os) { *os << c.name; }

class Form1FailureTest : public Form1Test, public testing::WithParamInterface<ClickFailure> {};

TEST_P(Form1FailureTest, ShowsTheMessageAndKeepsWhatWasWritten) {
  const ClickFailure& c = GetParam();
  form().SetTexts({"1000", "20", "3", "1"});
  ClickCalculate();
  const QStringList earlierStillOutput = Items(form().ListBox2);
  ASSERT_EQ(form().Series1->Count(), 4);

  form().SetTexts(c.texts);
  const auto boxes = ClickCalculate();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, c.message);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_EQ(form().Texts().trays, c.texts.trays);
  if (c.reportWritten) {
    EXPECT_EQ(form().ListBox1->count(), 12 + 7 * 2);
    EXPECT_EQ(form().Series1->Count(), 3);
    EXPECT_EQ(Items(form().ListBox2), QStringList{"КПД по этанолу (%)   :"});
  } else {
    EXPECT_EQ(form().ListBox1->count(), 0);
    EXPECT_EQ(form().Series1->Count(), 4);
    EXPECT_EQ(Items(form().ListBox2), earlierStillOutput);
  }
  EXPECT_TRUE(ClickCalculate().size() == 1) << "the window goes on after the message";
}

INSTANTIATE_TEST_SUITE_P(
    Errors, Form1FailureTest,
    testing::Values(
        ClickFailure{"EmptyPower", {"", "20", "2", "1"}, "'' is not a valid integer value.", false},
        ClickFailure{"PowerFailsBeforeStrength", {"1e3", "x", "2", "1"},
                     "'1e3' is not a valid integer value.", false},
        ClickFailure{"StrengthNotANumber", {"1000", "20%", "2", "1"},
                     "'20%' is not a valid floating point value.", false},
        ClickFailure{"RefluxNotANumber", {"1000", "20", "2", "one"},
                     "'one' is not a valid floating point value.", false},
        ClickFailure{"RefluxMinusOneWithoutPower", {"0", "20", "2", "-1"},
                     "Invalid floating point operation.", false},
        ClickFailure{"HugeStrength", {"1000", "1e830", "2", "1"}, "Floating point overflow.", false},
        ClickFailure{"TraysWithTrailingBlank", {"1000", "20", "20 ", "1"},
                     "'20 ' is not a valid integer value.", false},
        ClickFailure{"RefluxMinusOne", {"1000", "20", "2", "-1"}, "Floating point division by zero.", false},
        ClickFailure{"TooManyTrays", {"1000", "20", "101", "1"},
                     "Кол-во тарелок не может быть больше 100.", false},
        ClickFailure{"NoPower", {"0", "20", "2", "1"}, "Invalid floating point operation.", true},
        ClickFailure{"NegativeStrength", {"1000", "-1", "2", "1"}, "Floating point division by zero.", true}),
    [](const auto& info) { return info.param.name; });

TEST_F(Form1Test, CommaLocaleTakesCommaAndRefusesPoint) {
  test::TScopedLocale russian("ru_RU.UTF-8");
  form().SetTexts({"1000", "", "2", "1"});
  QTest::keyClicks(form().Edit2, "1,5");
  ASSERT_TRUE(ClickCalculate().empty());
  EXPECT_EQ(Items(form().ListBox1).back(), "крепость флегмы:      2 %");
  EXPECT_EQ(Items(form().ListBox2).back().count(','), 1);

  form().Edit2->clear();
  QTest::keyClicks(form().Edit2, "1.5");
  const auto boxes = ClickCalculate();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "'1.5' is not a valid floating point value.");
  EXPECT_EQ(form().ListBox1->count(), 0);
}

// Random and hostile texts in all four fields: every click ends in a report
// or a message, and nothing crashes or hangs.
TEST_F(Form1Test, AnyTypedTextGivesAReportOrAMessage) {
  const std::vector<std::string> hostile = {
      "", " ", "-", "+", ".", ",", "e", "1e", "1e4932", "1e-4950", "-1e4931", "nan", "INF", "$",
      "$7FFFFFFF", "0x", "0x80000000", "2147483647", "2147483648", "-2147483648", "00000000000000000001",
      "1..5", "--1", "+-1", "1e+", "\t1", "1\n", "１２", "٣", "ТТ", "🙂", "%s%s%n", "'", "\"",
      std::string(5000, '9'), std::string(300, ' ') + "1", "0", "-0", "-1", "-100", "1,5", "1 000",
      "1e830", "0.000000000000000000001", "5E-324", "99999999999999999999"};
  const std::vector<std::string> smallTrays = {"0", "1", "2", "3", "-5", " 4"};
  std::mt19937 random(20040120);
  auto pick = [&](const std::vector<std::string>& texts) {
    return texts[std::uniform_int_distribution<std::size_t>(0, texts.size() - 1)(random)];
  };
  auto garbage = [&] {
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < length; ++i) {
      text += static_cast<char>(std::uniform_int_distribution<int>(32, 126)(random));
    }
    return text;
  };
  auto trays = [&] {
    const std::string text = random() % 2 ? pick(hostile) : garbage();
    try {
      const std::int32_t count = numtext::StrToInt(text);
      if (count > 3 && count <= 100) return pick(smallTrays);
    } catch (const std::exception&) {
    }
    return text;
  };

  // Short printable ASCII texts are typed key by key; the others are pasted
  // whole, as the test's key events carry ASCII only.
  auto type = [](QLineEdit* field, const std::string& text) {
    const QString typed = QString::fromStdString(text);
    const bool keyable = typed.size() <= 20 && std::all_of(typed.begin(), typed.end(), [](QChar c) {
                           return c.unicode() >= 0x20 && c.unicode() < 0x7f;
                         });
    field->clear();
    if (keyable) {
      QTest::keyClicks(field, typed);
    } else {
      field->setText(typed);
    }
  };

  for (int round = 0; round < 300; ++round) {
    const InputTexts texts{random() % 2 ? pick(hostile) : garbage(),
                           random() % 2 ? pick(hostile) : garbage(), trays(),
                           random() % 2 ? pick(hostile) : garbage()};
    type(form().Edit1, texts.power);
    type(form().Edit2, texts.strength);
    type(form().Edit3, texts.trays);
    type(form().Edit4, texts.reflux);
    ASSERT_EQ(form().Texts().reflux, QString::fromStdString(texts.reflux).left(32767).toStdString());
    const auto boxes = ClickCalculate();
    ASSERT_LE(boxes.size(), 1u);
    const bool reported = form().ListBox1->count() > 0 && form().ListBox2->count() == 2;
    ASSERT_TRUE(reported || boxes.size() == 1)
        << texts.power << " | " << texts.strength << " | " << texts.trays << " | " << texts.reflux;
    if (!boxes.empty()) {
      ASSERT_FALSE(boxes[0].text.isEmpty());
    }
  }
}

}  // namespace
}  // namespace app
