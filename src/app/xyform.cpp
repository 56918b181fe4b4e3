#include "app/xyform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <memory>

#include "analysis/traytable.h"
#include "chart/chartwidget.h"
#include "chart/lineseries.h"
#include "chart/markseries.h"
#include "commands/analysistexts.h"
#include "model/properties.h"
#include "numtext/numtext.h"
#include "widgets/application.h"
#include "widgets/controls.h"
#include "widgets/exportactions.h"
#include "widgets/windowkeys.h"

namespace app {
namespace {

// The Okabe-Ito palette, which readers with any common colour-vision
// deficiency can tell apart.
constexpr chart::TColor kBlue = chart::RGB(0, 114, 178);
constexpr chart::TColor kVermillion = chart::RGB(213, 94, 0);
constexpr chart::TColor kGreen = chart::RGB(0, 158, 115);
constexpr chart::TColor kPurple = chart::RGB(204, 121, 167);
constexpr chart::TColor kOrange = chart::RGB(230, 159, 0);

constexpr const char* kUnitNames[] = {"%масс", "%об.", "%мол"};

chart::TLineSeries* AddLine(chart::TChart& chart, const std::string& title, chart::TColor colour,
                            int width = 1, chart::TPenStyle style = chart::psSolid) {
  auto line = std::make_unique<chart::TLineSeries>();
  // Curves that turn back (the steps) keep their points in drawing order.
  line->XValues.Order = chart::loNone;
  line->Title = title;
  line->SeriesColor = colour;
  line->LinePen.Width = width;
  line->LinePen.Style = style;
  // Headroom that keeps the lines off the plot's frame.
  line->EndMargin = 6;
  return chart.AddSeries(std::move(line));
}

chart::TChart* NewChart(QWidget* parent, const QString& name) {
  auto* chart = new chart::TChart(parent);
  chart->setAccessibleName(name);
  chart->setMinimumSize(320, 240);
  chart->setMouseTracking(true);
  chart->Legend.LegendStyle = chart::lsSeries;
  return chart;
}

std::string ProfileTitle(ProfileQuantity quantity, const char* unit) {
  switch (quantity) {
    case ProfileQuantity::kTemperature: return "Температура, °C — по номеру тарелки (куб — 0)";
    case ProfileQuantity::kStrength:
      return std::string("Крепость жидкости и пара, ") + unit + " — по номеру тарелки (куб — 0)";
    case ProfileQuantity::kReturn: return "Флегма, стекающая с тарелки, г/ч — по номеру тарелки";
  }
  return {};
}

}  // namespace

TXyForm::TXyForm() {
  setWindowTitle("Диаграмма x–y");
  // Closing it only hides it; closing the main window ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);

  sourceLabel_ = widgets::PlainLabel(this, "Нет расчёта: нажмите «Расчет» в главном окне.");
  sourceLabel_->setObjectName("sourceLabel");
  sourceLabel_->setWordWrap(true);
  sourceLabel_->setAccessibleName("Исходные данные расчёта");

  unitBox_ = new QComboBox(this);
  for (const char* unit : kUnitNames) unitBox_->addItem(unit);
  unitBox_->setAccessibleName("Единицы крепости");
  auto* unitLabel = new QLabel("&Единицы:", this);
  unitLabel->setBuddy(unitBox_);
  textbookBox_ = new QCheckBox("&Рабочая линия из учебника", this);
  textbookBox_->setChecked(true);
  textbookBox_->setAccessibleName("Показать рабочую линию постоянного мольного потока");
  showAllButton_ = new QPushButton("&Показать всё", this);
  showAllButton_->setAccessibleName("Показать всё без увеличения");
  savePictureButton_ = new QPushButton("Сохранить &рисунок…", this);
  savePictureButton_->setAccessibleName("Сохранить рисунок");
  saveCsvButton_ = new QPushButton("Сохранить &CSV…", this);
  saveCsvButton_->setAccessibleName("Сохранить таблицу тарелок в CSV");
  copyButton_ = new QPushButton("&Копировать", this);
  copyButton_->setAccessibleName("Копировать рисунок");
  auto* controls = new QHBoxLayout;
  controls->addWidget(unitLabel);
  controls->addWidget(unitBox_);
  controls->addWidget(textbookBox_);
  controls->addStretch();
  for (QPushButton* button : {showAllButton_, savePictureButton_, saveCsvButton_, copyButton_}) {
    controls->addWidget(button);
  }

  tabs_ = new QTabWidget(this);
  tabs_->setAccessibleName("Вкладки");
  xyChart_ = NewChart(this, "Диаграмма x–y");
  xyChart_->setObjectName("xyChart");
  tabs_->addTab(xyChart_, "&Диаграмма x–y");
  auto* profilePage = new QWidget(this);
  profileBox_ = new QComboBox(profilePage);
  profileBox_->addItems({"Температура", "Крепость жидкости и пара", "Флегма с тарелки"});
  profileBox_->setAccessibleName("Что показать по тарелкам");
  auto* profileLabel = new QLabel("По&казать:", profilePage);
  profileLabel->setBuddy(profileBox_);
  profileChart_ = NewChart(profilePage, "Профиль колонны");
  auto* profileControls = new QHBoxLayout;
  profileControls->addWidget(profileLabel);
  profileControls->addWidget(profileBox_);
  profileControls->addStretch();
  auto* profileLayout = new QVBoxLayout(profilePage);
  profileLayout->addLayout(profileControls);
  profileLayout->addWidget(profileChart_, 1);
  tabs_->addTab(profilePage, "Профиль &колонны");

  noteLine_ = widgets::PlainLabel(this);
  noteLine_->setWordWrap(true);
  noteLine_->setAccessibleName("Замечание к расчёту");
  statusLine_ = widgets::PlainLabel(this);
  statusLine_->setObjectName("statusLine");
  statusLine_->setAccessibleName("Точка под указателем");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sourceLabel_);
  layout->addLayout(controls);
  layout->addWidget(tabs_, 1);
  layout->addWidget(noteLine_);
  layout->addWidget(statusLine_);

  equilibrium_ = AddLine(*xyChart_, "равновесие", kBlue, 2);
  diagonal_ = AddLine(*xyChart_, "y = x", chart::clGray);
  operating_ = AddLine(*xyChart_, "рабочая кривая колонны", kVermillion, 2);
  textbook_ = AddLine(*xyChart_, "рабочая линия из учебника", kGreen, 1, chart::psDash);
  staircase_ = AddLine(*xyChart_, "ступени тарелок", chart::clBlack);
  auto marks = std::make_unique<chart::TMarkSeries>();
  marks->SeriesColor = kPurple;
  stageMarks_ = xyChart_->AddSeries(std::move(marks));
  profileLines_[0] = AddLine(*profileChart_, "", kVermillion, 2);
  profileLines_[1] = AddLine(*profileChart_, "", kBlue, 2);
  xyChart_->installEventFilter(this);
  // Arrow keys step the readout through the stages.
  xyChart_->setFocusPolicy(Qt::StrongFocus);

  connect(unitBox_, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
  connect(profileBox_, &QComboBox::currentIndexChanged, this, [this] { DrawProfile(); });
  connect(textbookBox_, &QCheckBox::toggled, this, [this](bool shown) {
    textbook_->Active = shown;
    xyChart_->Invalidate();
  });
  connect(showAllButton_, &QPushButton::clicked, this, [this] { ShowAllClicked(); });
  connect(savePictureButton_, &QPushButton::clicked, this, widgets::Guarded([this] { SavePictureClicked(); }));
  connect(saveCsvButton_, &QPushButton::clicked, this, widgets::Guarded([this] { SaveCsvClicked(); }));
  connect(copyButton_, &QPushButton::clicked, this, [this] { CopyClicked(); });
  widgets::BindWindowKeys(*this, [this] { ShowAllClicked(); });
  for (QPushButton* button : {savePictureButton_, saveCsvButton_, copyButton_}) button->setEnabled(false);
  Redraw();
  resize(820, 640);
}

model::StrengthUnit TXyForm::Unit() const {
  return static_cast<model::StrengthUnit>(unitBox_->currentIndex());
}

chart::TChart& TXyForm::ShownChart() const { return tabs_->currentIndex() == 0 ? *xyChart_ : *profileChart_; }

void TXyForm::ShowColumn(const model::ColumnResult& column) {
  column_ = column;
  sourceLabel_->setText("Последний расчёт главного окна: " + widgets::CalculationText(column.inputs) + ".");
  for (QPushButton* button : {savePictureButton_, saveCsvButton_, copyButton_}) button->setEnabled(true);
  Redraw();
}

void TXyForm::Redraw() {
  DrawDiagram();
  DrawProfile();
  statusLine_->clear();
}

void TXyForm::DrawDiagram() {
  const char* unit = kUnitNames[unitBox_->currentIndex()];
  xyChart_->Title.Text = {"Диаграмма x–y",
                          std::string("x — крепость жидкости, y — крепость пара, ") + unit};
  diagram_ = column_ ? analysis::MakeXyDiagram(*column_, Unit()) : analysis::XyDiagram{};
  const auto fill = [](chart::TLineSeries& line, const std::vector<analysis::XyPoint>& points) {
    line.BeginUpdate();
    line.Clear();
    for (const analysis::XyPoint& p : points) line.AddXY(static_cast<double>(p.x), static_cast<double>(p.y));
    line.EndUpdate();
  };
  fill(*equilibrium_, diagram_.equilibrium);
  fill(*diagonal_, column_ ? std::vector<analysis::XyPoint>{{0, 0}, {100, 100}} : std::vector<analysis::XyPoint>{});
  fill(*operating_, diagram_.operating);
  fill(*textbook_, diagram_.textbook);
  fill(*staircase_, diagram_.staircase);
  textbook_->Active = textbookBox_->isChecked();
  stageMarks_->BeginUpdate();
  stageMarks_->Clear();
  // The still and the top keep their names where numbers crowd; then the
  // trays from the top down, whose steps are the narrowest.
  if (column_) {
    const analysis::XyPoint still = diagram_.stages.front().point;
    stageMarks_->AddXY(static_cast<double>(still.x), static_cast<double>(still.y), "куб");
    stageMarks_->AddXY(static_cast<double>(diagram_.top.x), static_cast<double>(diagram_.top.y), "верх",
                       kOrange);
  }
  for (auto stage = diagram_.stages.rbegin(); stage != diagram_.stages.rend(); ++stage) {
    if (stage->number == 0) continue;
    stageMarks_->AddXY(static_cast<double>(stage->point.x), static_cast<double>(stage->point.y),
                       std::to_string(stage->number));
  }
  stageMarks_->EndUpdate();
  noteLine_->setText(QString::fromStdString(commands::XyNoteText(diagram_)));
  xyChart_->Invalidate();
}

void TXyForm::DrawProfile() {
  const auto quantity = static_cast<ProfileQuantity>(profileBox_->currentIndex());
  profileChart_->Title.Text = {ProfileTitle(quantity, kUnitNames[unitBox_->currentIndex()])};
  for (chart::TLineSeries* line : profileLines_) {
    line->BeginUpdate();
    line->Clear();
  }
  profileLines_[0]->Title = quantity == ProfileQuantity::kStrength ? "жидкость" : "";
  profileLines_[1]->Title = "пар";
  profileLines_[0]->ShowInLegend = quantity == ProfileQuantity::kStrength;
  profileLines_[1]->Active = quantity == ProfileQuantity::kStrength;
  profileLines_[1]->ShowInLegend = profileLines_[1]->Active;
  profileChart_->Legend.Visible = quantity == ProfileQuantity::kStrength;
  if (column_) {
    const model::Strength still = column_->inputs.stillstrength;
    for (int i = 0; i <= std::max(0, column_->inputs.traycount); ++i) {
      const model::Strength liquid = i == 0 ? still : column_->Tray(i).liquid;
      const model::Strength vapour =
          i == 0 ? model::Strength::FromFraction(model::vapourstrength(still.Fraction()))
                 : column_->Tray(i).vapour;
      switch (quantity) {
        case ProfileQuantity::kTemperature:
          profileLines_[0]->AddXY(i, static_cast<double>(i == 0 ? model::temperature(vapour.Fraction())
                                                                 : column_->Tray(i).temperature));
          break;
        case ProfileQuantity::kStrength:
          profileLines_[0]->AddXY(i, static_cast<double>(model::StrengthIn(liquid.Percent(), Unit())));
          profileLines_[1]->AddXY(i, static_cast<double>(model::StrengthIn(vapour.Percent(), Unit())));
          break;
        case ProfileQuantity::kReturn:
          // The still returns nothing: its liquid is the charge.
          if (i > 0) profileLines_[0]->AddXY(i, static_cast<double>(column_->Tray(i).returnflow));
          break;
      }
    }
  }
  for (chart::TLineSeries* line : profileLines_) line->EndUpdate();
  profileChart_->Invalidate();
}

void TXyForm::ShowAllClicked() {
  // Zooms and scrolls alike end in the automatic ranges these charts start with.
  for (chart::TChart* chart : {xyChart_, profileChart_}) {
    chart->RestoreZoom();
    for (chart::TChartAxis* axis : chart->Axes()) {
      axis->Automatic = axis->AutomaticMinimum = axis->AutomaticMaximum = true;
    }
    chart->Invalidate();
  }
}

void TXyForm::SavePictureClicked() {
  widgets::SaveChartPicture(this, ShownChart(), tabs_->currentIndex() == 0 ? "stillwise-xy.png" : "stillwise-profile.png");
}

void TXyForm::SaveCsvClicked() {
  if (!column_) return;
  widgets::SaveCsvTable(this, "Сохранить таблицу тарелок", analysis::TrayTableCsv(*column_), "stillwise-trays.csv");
}

void TXyForm::CopyClicked() {
  widgets::CopyChartsAndTable({&ShownChart()}, column_ ? analysis::TrayTableCsv(*column_) : std::string());
}

std::string TXyForm::StageText(const analysis::XyStage& stage) const {
  const char* unit = kUnitNames[unitBox_->currentIndex()];
  return (stage.number == 0 ? std::string("Куб") : "Тарелка " + std::to_string(stage.number)) +
         ": x = " + numtext::FormatFloat("0.00", stage.point.x) + " " + unit +
         ", y = " + numtext::FormatFloat("0.00", stage.point.y) + " " + unit;
}

std::string TXyForm::NearestStageText(int x, int y) const {
  long long best = std::numeric_limits<long long>::max();
  std::string text;
  for (const analysis::XyStage& stage : diagram_.stages) {
    const long long dx = xyChart_->BottomAxis.ValueToPixel(static_cast<double>(stage.point.x)) - x;
    const long long dy = xyChart_->LeftAxis.ValueToPixel(static_cast<double>(stage.point.y)) - y;
    if (dx * dx + dy * dy >= best) continue;
    best = dx * dx + dy * dy;
    text = StageText(stage);
  }
  return text;
}

std::string TXyForm::SteppedStageText(int step) {
  if (diagram_.stages.empty()) return {};
  const int last = static_cast<int>(diagram_.stages.size()) - 1;
  stageCursor_ = std::clamp(stageCursor_ + step, 0, last);
  return StageText(diagram_.stages[static_cast<std::size_t>(stageCursor_)]);
}

bool TXyForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && watched == xyChart_) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    statusLine_->setText(QString::fromStdString(NearestStageText(at.x(), at.y())));
  }
  if (event->type() == QEvent::KeyPress && watched == xyChart_) {
    // Right and down go up the column, left and up back towards the still.
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 0;
    if (step != 0) {
      statusLine_->setText(QString::fromStdString(SteppedStageText(step)));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
