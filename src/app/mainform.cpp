#include "app/mainform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <limits>

#include "app/batchform.h"
#include "app/convertform.h"
#include "app/studyform.h"
#include "app/xyform.h"
#include "chart/chartwidget.h"
#include "chart/columnchart.h"
#include "widgets/application.h"
#include "widgets/clicklabel.h"
#include "widgets/fixedwindow.h"
#include "widgets/pushbutton.h"
#include "widgets/widgetsinks.h"
#include "widgets/windowfont.h"

namespace app {
namespace {

// Hints stay up this long once shown.
constexpr int kHintDuration = 2500;
// Row height of both list boxes.
constexpr int kItemHeight = 13;

QLabel* AddLabel(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLineEdit* AddEdit(QWidget* parent, const QString& text, const QRect& geometry,
                   const QString& hint) {
  auto* edit = new QLineEdit(text, parent);
  // Any text the command line takes, however long, can be typed or pasted.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setGeometry(geometry);
  edit->setToolTip(hint);
  edit->setToolTipDuration(kHintDuration);
  return edit;
}

QPushButton* AddButton(QWidget* parent, const QString& caption, const QRect& geometry) {
  auto* button = new widgets::TPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* AddCheckBox(QWidget* parent, const QString& caption, const QRect& geometry) {
  auto* box = new QCheckBox(caption, parent);
  box->setGeometry(geometry);
  box->setChecked(true);
  return box;
}

QListWidget* AddListBox(QWidget* parent, const QRect& geometry) {
  auto* box = new QListWidget(parent);
  box->setGeometry(geometry);
  box->setUniformItemSizes(true);
  box->setTextElideMode(Qt::ElideNone);
  // Long lines are clipped at the right edge; a horizontal bar would cover
  // the second line of the two-line still output.
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setItemDelegate(new widgets::TFixedRowHeight(kItemHeight, box));
  return box;
}

}  // namespace

TForm1::TForm1(QWidget& informationWindow) : informationWindow_(informationWindow) {
  setWindowTitle("Stillwise (русифицировано)");
  setFont(widgets::WindowFont());
  move(270, 141);
  // The menu bar stands above the controls, whose area keeps the window's
  // classic client size; the window grows by the menu bar's height.
  CreateMenus();
  Client = new QWidget(this);
  Client->setGeometry(0, MenuBar->height(), 678, 500);
  widgets::MakeFixedWindow(*this, {678, 500 + MenuBar->height()});

  Label5 = AddLabel(Client, "Отчет:", 128, 128);
  Label8 = new widgets::TClickLabel("Stillwise 2004-01-20 BETA ", Client);
  Label8->setTextFormat(Qt::PlainText);
  Label8->setFont(widgets::VersionLabelFont());
  Label8->move(8, 464);
  Label8->adjustSize();

  GroupBox1 = new QGroupBox("Исходные данные:", Client);
  GroupBox1->setGeometry(-1, 8, 129, 257);
  Label1 = AddLabel(GroupBox1, "Мощность", 16, 24);
  Label2 = AddLabel(GroupBox1, "ФЧ", 16, 158);
  Label3 = AddLabel(GroupBox1, "Крепость в кубе", 17, 68);
  Label4 = AddLabel(GroupBox1, "Кол-во тарелок", 16, 110);
  Label6 = AddLabel(GroupBox1, "%масс ", 47, 86);
  Label7 = AddLabel(GroupBox1, "Вт", 59, 44);
  Edit1 = AddEdit(GroupBox1, "1000", {16, 40, 41, 21}, "Реально подводимая в куб мощность");
  Edit2 = AddEdit(GroupBox1, "1", {16, 83, 25, 21}, "Массовое содержание этанола в кубе");
  Edit3 = AddEdit(GroupBox1, "20", {16, 130, 25, 21}, "Введите кол-во ТТ");
  Edit4 = AddEdit(GroupBox1, "15", {16, 178, 41, 21}, "ФЧ (0-бесконечность)");
  Button1 = AddButton(GroupBox1, "Расчет", {24, 216, 75, 25});

  ListBox1 = AddListBox(Client, {128, 144, 209, 305});

  GroupBox2 = new QGroupBox("Данные из аппарата", Client);
  GroupBox2->setGeometry(0, 264, 129, 81);
  GroupBox2->setToolTip("Показывает сколько этанола покидает куб в час");
  GroupBox2->setToolTipDuration(kHintDuration);
  ListBox2 = AddListBox(GroupBox2, {8, 16, 113, 41});
  ListBox2->setToolTip("Сколько этанола из куба\nвы получите на выходе\nпри этом ФЧ");
  ListBox2->setToolTipDuration(kHintDuration);

  GroupBox3 = new QGroupBox("Что показывать в отчете", Client);
  GroupBox3->setGeometry(128, 8, 181, 105);
  CheckBox6 = AddCheckBox(GroupBox3, "выход пара с тарелки", {8, 16, 129, 17});
  CheckBox7 = AddCheckBox(GroupBox3, "возврат флегмы с тарелки", {8, 32, 171, 17});
  CheckBox8 = AddCheckBox(GroupBox3, "крепость пара", {8, 48, 97, 17});
  CheckBox9 = AddCheckBox(GroupBox3, "крепость флегмы", {8, 64, 127, 17});
  CheckBox10 = AddCheckBox(GroupBox3, "температура", {8, 80, 97, 17});

  // Part of the window but never shown: the top-down solution they once
  // started now runs inside the column calculation.
  Button2 = AddButton(Client, "Button2", {24, 424, 75, 25});
  Button2->hide();
  Button3 = AddButton(Client, "Button3", {24, 392, 75, 25});
  Button3->hide();
  Button4 = AddButton(Client, "Информация", {256, 464, 75, 25});

  Chart1 = new chart::TChart(Client);
  Chart1->setGeometry(360, 8, 296, 473);
  Series1 = chart::SetUpColumnStrengthChart(*Chart1);

  QWidget* const tabOrder[] = {Edit1,    Edit2,     Edit3,     Edit4,     Button1,
                               ListBox1, ListBox2,  CheckBox6, CheckBox7, CheckBox8,
                               CheckBox9, CheckBox10, Button4};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
    QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
  }

  connect(Button1, &QPushButton::clicked, this, widgets::Guarded([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, widgets::Guarded([this] { Button2Click(); }));
  connect(Button4, &QPushButton::clicked, this, widgets::Guarded([this] { Button4Click(); }));
  connect(Label8, &widgets::TClickLabel::clicked, this, widgets::Guarded([this] { Button4Click(); }));
}

// Out of line: the secondary windows are complete types only here.
TForm1::~TForm1() = default;

void TForm1::Button1Click() {
  widgets::TListBoxSink report(*ListBox1);
  widgets::TListBoxSink stillOutput(*ListBox2);
  widgets::TChartSeriesSink series(*Series1);
  commands::CalculateCommand(Texts(), Switches(), column_, report, stillOutput, series, [this] {
    tableColumn_ = column_;
    EnableResultActions(true);
    emit Calculated(tableColumn_);
  });
}

void TForm1::Button2Click() { column_.SolveTopDown(); }

void TForm1::Button4Click() { informationWindow_.setVisible(true); }

commands::InputTexts TForm1::Texts() const {
  return {Edit1->text().toStdString(), Edit2->text().toStdString(), Edit3->text().toStdString(),
          Edit4->text().toStdString()};
}

void TForm1::SetTexts(const commands::InputTexts& texts) {
  Edit1->setText(QString::fromStdString(texts.power));
  Edit2->setText(QString::fromStdString(texts.strength));
  Edit3->setText(QString::fromStdString(texts.trays));
  Edit4->setText(QString::fromStdString(texts.reflux));
}

commands::ReportSwitches TForm1::Switches() const {
  return {CheckBox7->isChecked(), CheckBox9->isChecked(), CheckBox8->isChecked(),
          CheckBox10->isChecked()};
}

}  // namespace app
