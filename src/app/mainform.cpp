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

QLineEdit* AddEdit(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   const QString& hint) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  // Any text the command line takes, however long, can be typed or pasted.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setGeometry(geometry);
  edit->setToolTip(hint);
  edit->setToolTipDuration(kHintDuration);
  return edit;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
  auto* button = new widgets::TPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(geometry);
  box->setChecked(true);
  return box;
}

QListWidget* AddListBox(QWidget* parent, const char* name, const QRect& geometry) {
  auto* box = new QListWidget(parent);
  box->setObjectName(name);
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

TMainForm::TMainForm(QWidget& informationWindow) : informationWindow_(informationWindow) {
  setWindowTitle("Stillwise (русифицировано)");
  setFont(widgets::WindowFont());
  move(270, 141);
  // The menu bar stands above the controls, whose area keeps the window's
  // classic client size; the window grows by the menu bar's height.
  CreateMenus();
  clientArea_ = new QWidget(this);
  clientArea_->setGeometry(0, menuBar_->height(), 678, 500);
  widgets::MakeFixedWindow(*this, {678, 500 + menuBar_->height()});

  reportLabel_ = AddLabel(clientArea_, "Отчет:", 128, 128);
  versionLabel_ = new widgets::TClickLabel("Stillwise 2004-01-20 BETA ", clientArea_);
  versionLabel_->setObjectName("versionLabel");
  versionLabel_->setTextFormat(Qt::PlainText);
  versionLabel_->setFont(widgets::VersionLabelFont());
  versionLabel_->move(8, 464);
  versionLabel_->adjustSize();

  inputsGroup_ = new QGroupBox("Исходные данные:", clientArea_);
  inputsGroup_->setGeometry(-1, 8, 129, 257);
  powerLabel_ = AddLabel(inputsGroup_, "Мощность", 16, 24);
  refluxLabel_ = AddLabel(inputsGroup_, "ФЧ", 16, 158);
  stillStrengthLabel_ = AddLabel(inputsGroup_, "Крепость в кубе", 17, 68);
  traysLabel_ = AddLabel(inputsGroup_, "Кол-во тарелок", 16, 110);
  stillStrengthUnitLabel_ = AddLabel(inputsGroup_, "%масс ", 47, 86);
  powerUnitLabel_ = AddLabel(inputsGroup_, "Вт", 59, 44);
  powerEdit_ = AddEdit(inputsGroup_, "powerEdit", "1000", {16, 40, 41, 21}, "Реально подводимая в куб мощность");
  stillStrengthEdit_ = AddEdit(inputsGroup_, "stillStrengthEdit", "1", {16, 83, 25, 21}, "Массовое содержание этанола в кубе");
  traysEdit_ = AddEdit(inputsGroup_, "traysEdit", "20", {16, 130, 25, 21}, "Введите кол-во ТТ");
  refluxEdit_ = AddEdit(inputsGroup_, "refluxEdit", "15", {16, 178, 41, 21}, "ФЧ (0-бесконечность)");
  calculateButton_ = AddButton(inputsGroup_, "calculateButton", "Расчет", {24, 216, 75, 25});

  reportList_ = AddListBox(clientArea_, "reportList", {128, 144, 209, 305});

  stillOutputGroup_ = new QGroupBox("Данные из аппарата", clientArea_);
  stillOutputGroup_->setObjectName("stillOutputGroup");
  stillOutputGroup_->setGeometry(0, 264, 129, 81);
  stillOutputGroup_->setToolTip("Показывает сколько этанола покидает куб в час");
  stillOutputGroup_->setToolTipDuration(kHintDuration);
  stillOutputList_ = AddListBox(stillOutputGroup_, "stillOutputList", {8, 16, 113, 41});
  stillOutputList_->setToolTip("Сколько этанола из куба\nвы получите на выходе\nпри этом ФЧ");
  stillOutputList_->setToolTipDuration(kHintDuration);

  reportSwitchesGroup_ = new QGroupBox("Что показывать в отчете", clientArea_);
  reportSwitchesGroup_->setGeometry(128, 8, 181, 105);
  vapourOutputBox_ = AddCheckBox(reportSwitchesGroup_, "vapourOutputBox", "выход пара с тарелки", {8, 16, 129, 17});
  refluxReturnBox_ = AddCheckBox(reportSwitchesGroup_, "refluxReturnBox", "возврат флегмы с тарелки", {8, 32, 171, 17});
  vapourStrengthBox_ = AddCheckBox(reportSwitchesGroup_, "vapourStrengthBox", "крепость пара", {8, 48, 97, 17});
  refluxStrengthBox_ = AddCheckBox(reportSwitchesGroup_, "refluxStrengthBox", "крепость флегмы", {8, 64, 127, 17});
  temperatureBox_ = AddCheckBox(reportSwitchesGroup_, "temperatureBox", "температура", {8, 80, 97, 17});

  // Part of the window but never shown: the top-down solution they once
  // started now runs inside the column calculation.
  topDownButton_ = AddButton(clientArea_, "topDownButton", "Button2", {24, 424, 75, 25});
  topDownButton_->hide();
  spareButton_ = AddButton(clientArea_, "spareButton", "Button3", {24, 392, 75, 25});
  spareButton_->hide();
  informationButton_ = AddButton(clientArea_, "informationButton", "Информация", {256, 464, 75, 25});

  strengthChart_ = new chart::TChart(clientArea_);
  strengthChart_->setObjectName("strengthChart");
  strengthChart_->setGeometry(360, 8, 296, 473);
  strengthSeries_ = chart::SetUpColumnStrengthChart(*strengthChart_);

  QWidget* const tabOrder[] = {powerEdit_,        stillStrengthEdit_, traysEdit_,        refluxEdit_,
                               calculateButton_,  reportList_,        stillOutputList_,  vapourOutputBox_,
                               refluxReturnBox_,  vapourStrengthBox_, refluxStrengthBox_, temperatureBox_,
                               informationButton_};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
    QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
  }

  connect(calculateButton_, &QPushButton::clicked, this, widgets::Guarded([this] { CalculateClicked(); }));
  connect(informationButton_, &QPushButton::clicked, this, widgets::Guarded([this] { InformationClicked(); }));
  connect(versionLabel_, &widgets::TClickLabel::clicked, this, widgets::Guarded([this] { InformationClicked(); }));
}

// Out of line: the secondary windows are complete types only here.
TMainForm::~TMainForm() = default;

void TMainForm::CalculateClicked() {
  widgets::TListBoxSink report(*reportList_);
  widgets::TListBoxSink stillOutput(*stillOutputList_);
  widgets::TChartSeriesSink series(*strengthSeries_);
  commands::CalculateCommand(Texts(), Switches(), report, stillOutput, series,
                             [this](const model::ColumnResult& result) {
                               lastResult_ = result;
                               EnableResultActions(true);
                               emit Calculated(lastResult_);
                             });
}

void TMainForm::InformationClicked() { informationWindow_.setVisible(true); }

commands::InputTexts TMainForm::Texts() const {
  return {powerEdit_->text().toStdString(), stillStrengthEdit_->text().toStdString(), traysEdit_->text().toStdString(),
          refluxEdit_->text().toStdString()};
}

void TMainForm::SetTexts(const commands::InputTexts& texts) {
  powerEdit_->setText(QString::fromStdString(texts.power));
  stillStrengthEdit_->setText(QString::fromStdString(texts.strength));
  traysEdit_->setText(QString::fromStdString(texts.trays));
  refluxEdit_->setText(QString::fromStdString(texts.reflux));
}

commands::ReportSwitches TMainForm::Switches() const {
  return {refluxReturnBox_->isChecked(), refluxStrengthBox_->isChecked(), vapourStrengthBox_->isChecked(),
          temperatureBox_->isChecked()};
}

}  // namespace app
