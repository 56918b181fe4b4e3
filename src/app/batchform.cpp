#include "app/batchform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <memory>
#include <sstream>

#include "analysis/batchtable.h"
#include "chart/chartwidget.h"
#include "chart/labelvalues.h"
#include "chart/lineseries.h"
#include "commands/analysistexts.h"
#include "model/quantities.h"
#include "model/strengthunits.h"
#include "numtext/numtext.h"
#include "widgets/application.h"
#include "widgets/controls.h"
#include "widgets/pushbutton.h"
#include "widgets/windowfont.h"
#include "widgets/windowsettings.h"

namespace app {
namespace {

// Progress reaches the window at most this often, in steps of the run.
constexpr int kProgressEvery = 20;
// Labels along the time axis, about.
constexpr long double kTimeLabels = 10;
// Wide enough for the longest number a field is meant for.
constexpr int kEditWidth = 60;

// Lines drawn earlier are wider, so that one lying on another (the top
// strength on the product's mean while the top holds) shows at its sides;
// the margin keeps the widest clear of the frame at a range's end.
chart::TLineSeries* AddLine(chart::TChart& chart, const std::string& title, int colour, int width) {
  auto line = std::make_unique<chart::TLineSeries>();
  line->Title = title;
  line->SeriesColor = chart::kDistinctColours[colour];
  line->LinePen.Width = width;
  line->EndMargin = 4;
  return chart.AddSeries(std::move(line));
}

void TitleAxes(chart::TChart& chart, const std::string& values) {
  chart.BottomAxis.Title = "время, ч";
  chart.LeftAxis.Title = values;
}

// A field on a row of its own: the label, the mnemonic of which moves the
// focus to it, the field and its unit.
struct FieldRow {
  const char* label;
  QLineEdit** edit;
  const char* unit;
  const char* name;  // what a screen reader says for it
  const char* hint;
  int indent = 0;
};

void AddFieldRow(QWidget* parent, QGridLayout& grid, const FieldRow& row) {
  *row.edit = new QLineEdit(parent);
  QLineEdit* edit = *row.edit;
  edit->setFixedWidth(kEditWidth);
  edit->setAccessibleName(row.name);
  edit->setToolTip(row.hint);
  auto* label = new QLabel(row.label, parent);
  label->setBuddy(edit);
  label->setIndent(row.indent);
  const int at = grid.rowCount();
  grid.addWidget(label, at, 0);
  grid.addWidget(edit, at, 1);
  grid.addWidget(widgets::PlainLabel(parent, row.unit), at, 2);
}

widgets::TPushButton* Button(QWidget* parent, const QString& text, const QString& name) {
  auto* button = new widgets::TPushButton(text, parent);
  button->setAccessibleName(name);
  return button;
}

chart::TChart* Chart(QWidget* parent, const char* title, const QString& description) {
  auto* chart = new chart::TChart(parent);
  chart->Title.Text = {title};
  chart->Legend.LegendStyle = chart::lsSeries;
  chart->setAccessibleName(title);
  chart->setAccessibleDescription(description);
  chart->setMinimumSize(320, 160);
  return chart;
}

}  // namespace

TBatchForm::TBatchForm() {
  setWindowTitle("Перегонка по времени");
  setFont(widgets::WindowFont());
  setAttribute(Qt::WA_QuitOnClose, false);

  auto* fields = new QGridLayout;
  const FieldRow inputs[] = {
      {"&Загрузка куба", &chargeEdit_, "кг", "Загрузка куба, кг", "Масса жидкости, залитой в куб"},
      {"&Крепость загрузки", &chargeStrengthEdit_, "%масс", "Крепость загрузки, % по массе",
       "Крепость жидкости, залитой в куб, % по массе"},
      {"&Мощность", &powerEdit_, "Вт", "Мощность, Вт", "Мощность нагрева куба"},
      {"Кол-во &тарелок", &traysEdit_, "", "Количество тарелок", "Число теоретических тарелок колонны"},
      {"&Флегмовое число", &refluxEdit_, "", "Флегмовое число", "Отношение флегмы к отбору"},
      {"&Шаг по времени", &timeStepEdit_, "мин", "Шаг по времени, мин", "Время между строками расчёта"},
  };
  for (const FieldRow& row : inputs) AddFieldRow(this, *fields, row);
  fields->addWidget(widgets::PlainLabel(this, "Остановить, когда:"), fields->rowCount(), 0, 1, 3);
  const FieldRow stops[] = {
      {"крепость &отбора ниже", &stopTopEdit_, "%масс", "Остановить, когда крепость отбора ниже, % по массе",
       "0 — не останавливать по крепости отбора", 8},
      {"крепость в к&убе ниже", &stopStillEdit_, "%масс", "Остановить, когда крепость в кубе ниже, % по массе",
       "Перегонка кончается, когда крепость в кубе опускается ниже", 8},
      {"&прошло", &stopHoursEdit_, "ч", "Остановить, когда прошло, ч", "Наибольшая длительность перегонки", 8},
  };
  for (const FieldRow& row : stops) AddFieldRow(this, *fields, row);
  chargeEdit_->setObjectName("chargeEdit");
  chargeStrengthEdit_->setObjectName("chargeStrengthEdit");
  powerEdit_->setObjectName("powerEdit");
  traysEdit_->setObjectName("traysEdit");
  refluxEdit_->setObjectName("refluxEdit");
  timeStepEdit_->setObjectName("timeStepEdit");
  stopTopEdit_->setObjectName("stopTopEdit");
  stopStillEdit_->setObjectName("stopStillEdit");
  stopHoursEdit_->setObjectName("stopHoursEdit");
  // The defaults, shown with the user's decimal separator. Those of the
  // column are the main window's defaults too, until a calculation there
  // gives others.
  const analysis::BatchInputs defaults;
  chargeEdit_->setText(widgets::NumberText("0.##", defaults.chargekg));
  chargeStrengthEdit_->setText(widgets::NumberText("0.##", defaults.chargepercent));
  powerEdit_->setText(QString::fromStdString(numtext::IntToStr(defaults.power)));
  traysEdit_->setText(QString::fromStdString(numtext::IntToStr(defaults.traycount)));
  refluxEdit_->setText(widgets::NumberText("0.##", defaults.refluxratio));
  timeStepEdit_->setText(widgets::NumberText("0.##", defaults.stepminutes));
  stopTopEdit_->setText(widgets::NumberText("0.##", defaults.stoptoppercent));
  stopStillEdit_->setText(widgets::NumberText("0.##", defaults.stopstillpercent));
  stopHoursEdit_->setText(widgets::NumberText("0.##", defaults.hours));

  takeMainButton_ = Button(this, "Взять из &главного окна", "Взять из главного окна");
  takeMainButton_->setObjectName("takeMainButton");
  takeMainButton_->setToolTip("Крепость, мощность, тарелки и флегмовое число\nпоследнего расчёта главного окна");
  takeMainButton_->setEnabled(false);
  startButton_ = Button(this, "&Рассчитать", "Рассчитать");
  startButton_->setObjectName("startButton");
  stopButton_ = Button(this, "Ост&ановить", "Остановить");
  stopButton_->setObjectName("stopButton");
  stopButton_->setEnabled(false);
  auto* runButtons = new QHBoxLayout;
  runButtons->addWidget(startButton_);
  runButtons->addWidget(stopButton_);

  strengthUnitBox_ = new QComboBox(this);
  strengthUnitBox_->setObjectName("strengthUnitBox");
  strengthUnitBox_->addItems({"%масс", "%об."});
  strengthUnitBox_->setAccessibleName("Единицы крепости");
  strengthUnitBox_->setToolTip("Крепость на графике и в таблице: по массе или по объёму");
  auto* unitLabel = new QLabel("&Единицы крепости", this);
  unitLabel->setBuddy(strengthUnitBox_);
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(unitLabel);
  unitRow->addWidget(strengthUnitBox_);

  progressLabel_ = widgets::PlainLabel(this, "");
  progressLabel_->setObjectName("progressLabel");
  progressLabel_->setAccessibleName("Ход перегонки");
  stopLabel_ = widgets::PlainLabel(this, "");
  stopLabel_->setObjectName("stopLabel");
  stopLabel_->setWordWrap(true);
  stopLabel_->setAccessibleName("Чем кончилась перегонка");

  auto* cutRow = new QGridLayout;
  AddFieldRow(this, *cutRow,
              {"&Своя граница отбора", &cutThresholdEdit_, "%масс", "Своя граница отбора, % по массе",
               "Последняя строка таблицы: отбор, пока крепость отбора не ниже этой границы"});
  cutThresholdEdit_->setObjectName("cutThresholdEdit");
  cutThresholdEdit_->setText(widgets::NumberText("0", cutThreshold_));
  cutTable_ = new QTableWidget(4, 5, this);
  cutTable_->setObjectName("cutTable");
  cutTable_->verticalHeader()->hide();
  cutTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cutTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  cutTable_->setAccessibleName("Отборы по границам крепости");
  cutTable_->setToolTip("Сколько продукта и какой крепости соберётся, пока крепость отбора\n"
                       "не ниже границы, и за какое время; литры — при 20 °C");

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(takeMainButton_);
  left->addLayout(runButtons);
  left->addLayout(unitRow);
  left->addWidget(progressLabel_);
  left->addWidget(stopLabel_);
  left->addLayout(cutRow);
  left->addWidget(cutTable_, 1);

  runLabel_ = widgets::PlainLabel(this, "Перегонка ещё не рассчитана");
  runLabel_->setObjectName("runLabel");
  runLabel_->setWordWrap(true);
  runLabel_->setAccessibleName("Входные данные показанной перегонки");
  strengthChart_ = Chart(this, "Крепость, % — по времени, ч",
                        "Крепость отбора, в кубе и средняя крепость собранного продукта по времени перегонки");
  strengthChart_->setObjectName("strengthChart");
  top_ = AddLine(*strengthChart_, "отбор", 0, 3);
  still_ = AddLine(*strengthChart_, "куб", 1, 2);
  mean_ = AddLine(*strengthChart_, "продукт, средняя", 2, 1);
  TitleAxes(*strengthChart_, "крепость, %масс");
  productChart_ = Chart(this, "Собранный продукт, кг — по времени, ч",
                       "Масса собранного продукта, кг, по времени перегонки");
  productChart_->setObjectName("productChart");
  product_ = AddLine(*productChart_, "продукт", 4, 2);
  TitleAxes(*productChart_, "продукт, кг");
  exportButtons_ = widgets::MakeExportButtons(this, {{{strengthChart_, "&Крепость…", "stillwise-batch-strength.png"},
                                             {productChart_, "&Продукт…", "stillwise-batch-product.png"}},
                                            [this] {
                                              std::ostringstream csv;
                                              analysis::WriteBatchCsv(csv, run_.rows);
                                              return csv.str();
                                            },
                                            "Сохранить перегонку",
                                            "stillwise-batch.csv"});
  auto* exportRow = new QHBoxLayout;
  for (QPushButton* button : {exportButtons_.picture, exportButtons_.csv, exportButtons_.copy}) {
    exportRow->addWidget(button);
  }
  left->addLayout(exportRow);
  auto* right = new QVBoxLayout;
  right->addWidget(runLabel_);
  right->addWidget(strengthChart_, 330);
  right->addWidget(productChart_, 278);

  auto* window = new QHBoxLayout(this);
  window->addLayout(left);
  window->addLayout(right, 1);
  resize(888, 632);

  connect(strengthUnitBox_, &QComboBox::currentIndexChanged, this, [this] {
    DrawRun();
    ShowCuts();
    ShowMoment();
  });
  connect(takeMainButton_, &QPushButton::clicked, this, [this] { TakeMainClicked(); });
  connect(startButton_, &QPushButton::clicked, this, widgets::Guarded([this] { StartClicked(); }));
  connect(stopButton_, &QPushButton::clicked, this, widgets::Guarded([this] { StopClicked(); }));
  // Return in a field runs the batch; in the cut's field it only applies the
  // threshold, as the cuts come from the run shown.
  for (QLineEdit* edit : {chargeEdit_, chargeStrengthEdit_, powerEdit_, traysEdit_, refluxEdit_, timeStepEdit_,
                          stopTopEdit_, stopStillEdit_, stopHoursEdit_}) {
    connect(edit, &QLineEdit::returnPressed, this, widgets::Guarded([this] { StartClicked(); }));
  }
  connect(cutThresholdEdit_, &QLineEdit::editingFinished, this, widgets::Guarded([this] {
            cutThreshold_ = numtext::StrToFloat(cutThresholdEdit_->text().toStdString());
            ShowCuts();
          }));
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { close(); });
  widgets::RememberWindow(*this, QStringLiteral("batch"));
  // A remembered cut threshold counts as typed.
  emit cutThresholdEdit_->editingFinished();
}

// The job's helper drops whatever the run still hands over.
TBatchForm::~TBatchForm() = default;

commands::BatchTexts TBatchForm::Texts() const {
  const auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
  return {text(chargeEdit_), text(chargeStrengthEdit_), text(powerEdit_), text(traysEdit_), text(refluxEdit_),
          text(timeStepEdit_), text(stopTopEdit_), text(stopStillEdit_), text(stopHoursEdit_)};
}

void TBatchForm::Open() {
  if (!opened_) TakeMainClicked();
  opened_ = true;
  widgets::ShowInFront(*this);
}

void TBatchForm::MainCalculated(const model::ColumnResult& column) {
  mainTexts_ = commands::TextsOf(column.inputs);
  takeMainButton_->setEnabled(true);
}

void TBatchForm::TakeMainClicked() {
  if (!mainTexts_) return;
  chargeStrengthEdit_->setText(QString::fromStdString(mainTexts_->strength));
  powerEdit_->setText(QString::fromStdString(mainTexts_->power));
  traysEdit_->setText(QString::fromStdString(mainTexts_->trays));
  refluxEdit_->setText(QString::fromStdString(mainTexts_->reflux));
}

void TBatchForm::StartClicked() {
  const analysis::BatchInputs inputs = commands::ParseBatchTexts(Texts());
  cutThreshold_ = numtext::StrToFloat(cutThresholdEdit_->text().toStdString());
  stopButton_->setEnabled(true);
  stopLabel_->setText("Считаю…");
  // The run before is no longer what the fields say: it goes, and the
  // header names the inputs of the run under way.
  run_ = {};
  moment_.reset();
  exportButtons_.SetEnabled(false);
  DrawRun();
  ShowCuts();
  ShowMoment();
  runLabel_->setText("Считаю для: " + QString::fromStdString(commands::RunInputsText(inputs)));
  // A new run stops the one before; its rows are not shown.
  worker_.Start([this, inputs](std::stop_token stop, const widgets::TBackgroundJob::THandOver& handOver) {
    int rows = 0;
    const analysis::BatchRun run = analysis::RunBatch(
        inputs,
        [this, &rows, &handOver](const analysis::BatchRow& row) {
          if (++rows % kProgressEvery == 0) handOver([this, row] { ShowProgress(row); });
        },
        stop);
    handOver.Last([this, run] { ShowRun(run); });
  });
}

void TBatchForm::StopClicked() { worker_.RequestStop(); }

void TBatchForm::closeEvent(QCloseEvent* event) {
  // A run nobody watches is not worth its processor time: it stops as
  // "Остановить" stops it, keeping what was computed.
  StopClicked();
  QWidget::closeEvent(event);
}

void TBatchForm::ShowProgress(const analysis::BatchRow& row) {
  moment_ = row;
  ShowMoment();
}

void TBatchForm::ShowRun(const analysis::BatchRun& run) {
  run_ = run;
  stopButton_->setEnabled(false);
  stopLabel_->setText(QString::fromStdString(commands::BatchStopText(run)));
  runLabel_->setText("Показано для: " + QString::fromStdString(commands::RunInputsText(run.inputs)));
  if (!run.rows.empty()) moment_ = run.rows.back();
  ShowMoment();
  exportButtons_.SetEnabled(!run_.rows.empty());
  DrawRun();
  ShowCuts();
}

// The time simulated and the still's strength: how far a run has come is
// known, how far it will go is not, so no share of it is shown.
void TBatchForm::ShowMoment() {
  progressLabel_->setText(moment_ ? "Время " + widgets::NumberText("0.00", moment_->time_h) + " ч, в кубе " +
                                       widgets::NumberText("0.00", Shown(moment_->still_percent)) + " " + ShownUnit()
                                 : QString());
}

QString TBatchForm::ShownUnit() const { return strengthUnitBox_->currentIndex() == 1 ? "%об." : "%масс"; }

model::StrengthUnit TBatchForm::ShownStrengthUnit() const {
  return strengthUnitBox_->currentIndex() == 1 ? model::StrengthUnit::kVolume : model::StrengthUnit::kMass;
}

long double TBatchForm::Shown(long double masspercent) const {
  return model::StrengthIn(masspercent, ShownStrengthUnit());
}

void TBatchForm::DrawRun() {
  const bool byVolume = strengthUnitBox_->currentIndex() == 1;
  const char* title = byVolume ? "Крепость, %об. — по времени, ч" : "Крепость, % — по времени, ч";
  strengthChart_->Title.Text = {title};
  strengthChart_->setAccessibleName(title);
  strengthChart_->LeftAxis.Title = byVolume ? "крепость, %об." : "крепость, %масс";
  const analysis::BatchRun& run = run_;
  for (chart::TLineSeries* line : {top_, still_, mean_, product_}) {
    line->BeginUpdate();
    line->Clear();
  }
  for (const analysis::BatchRow& row : run.rows) {
    const auto time = static_cast<double>(row.time_h);
    top_->AddXY(time, static_cast<double>(Shown(row.top_percent)));
    still_->AddXY(time, static_cast<double>(Shown(row.still_percent)));
    // The mean strength exists once there is product.
    if (row.product_kg > 0) mean_->AddXY(time, static_cast<double>(Shown(row.product_mean_percent)));
    product_->AddXY(time, static_cast<double>(row.product_kg));
  }
  for (chart::TLineSeries* line : {top_, still_, mean_, product_}) line->EndUpdate();
  // The time axis is labelled at about ten steps: measured from its end
  // labels alone, the labels of fractions of an hour would overlap.
  const long double hours = run.rows.empty() ? 0 : run.rows.back().time_h;
  const double step = hours > 0 ? chart::NextNiceStep(static_cast<double>(hours / kTimeLabels)) : 0;
  for (chart::TChart* chart : {strengthChart_, productChart_}) chart->BottomAxis.SetIncrement(step);
  strengthChart_->Invalidate();
}

void TBatchForm::ShowCuts() {
  const QString unit = strengthUnitBox_->currentIndex() == 1 ? "%об." : "%";
  cutTable_->setHorizontalHeaderLabels({"Порог,\n" + unit, "Время,\nч", "Кг", "Литры", "Креп.,\n" + unit});
  const std::vector<analysis::Cut> cuts = analysis::CutTable(run_, cutThreshold_);
  cutTable_->setRowCount(static_cast<int>(cuts.size()));
  for (std::size_t i = 0; i < cuts.size(); ++i) {
    const commands::CutRow row = commands::CutRowOf(cuts[i], run_, ShownStrengthUnit());
    for (int c = 0; c < 5; ++c) {
      auto* item = new QTableWidgetItem(run_.rows.empty() ? QString() : QString::fromStdString(row.cells[c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (row.unfinished) item->setToolTip("Отбор не окончен: перегонка остановлена раньше");
      cutTable_->setItem(static_cast<int>(i), c, item);
    }
  }
}

}  // namespace app
