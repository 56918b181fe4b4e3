#include "app/batchform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <memory>
#include <sstream>

#include "analysis/batchtable.h"
#include "app/application.h"
#include "app/controls.h"
#include "app/fixedwindow.h"
#include "app/form1.h"
#include "app/pushbutton.h"
#include "app/windowfont.h"
#include "chart/chartwidget.h"
#include "chart/labelvalues.h"
#include "chart/lineseries.h"
#include "model/strengthunits.h"
#include "numtext/numtext.h"

namespace app {
namespace {

// Progress reaches the window at most this often, in steps of the run.
constexpr int kProgressEvery = 20;
// Labels along the time axis, about.
constexpr long double kTimeLabels = 10;

chart::TLineSeries* AddLine(chart::TChart& chart, const std::string& title, chart::TColor colour) {
  auto line = std::make_unique<chart::TLineSeries>();
  line->Title = title;
  line->SeriesColor = colour;
  return chart.AddSeries(std::move(line));
}

QString Number(const char* pattern, long double value) {
  return QString::fromStdString(numtext::FormatFloat(pattern, value));
}

}  // namespace

TBatchForm::TBatchForm(TForm1& mainWindow) : main_(mainWindow) {
  setWindowTitle("Перегонка по времени");
  setFont(WindowFont());
  setAttribute(Qt::WA_QuitOnClose, false);
  MakeFixedWindow(*this, {888, 632});

  const struct {
    const char* label;
    QLineEdit** edit;
    const char* unit;
  } fields[] = {
      {"Загрузка куба", &ChargeEdit, "кг"},
      {"Крепость загрузки", &StrengthEdit, "%масс"},
      {"Мощность", &PowerEdit, "Вт"},
      {"Кол-во тарелок", &TraysEdit, ""},
      {"Флегмовое число", &RefluxEdit, ""},
      {"Шаг по времени", &StepEdit, "мин"},
  };
  int y = 8;
  for (const auto& field : fields) {
    PlacedLabel(this, field.label, {8, y + 3, 120, 16});
    *field.edit = PlacedEdit(this, "", {130, y, 60, 21});
    PlacedLabel(this, field.unit, {196, y + 3, 40, 16});
    y += 26;
  }
  PlacedLabel(this, "Остановить, когда:", {8, y + 6, 224, 16});
  y += 26;
  const struct {
    const char* label;
    QLineEdit** edit;
    const char* unit;
  } stops[] = {
      {"крепость отбора ниже", &StopTopEdit, "%масс"},
      {"крепость в кубе ниже", &StopStillEdit, "%масс"},
      {"прошло", &HoursEdit, "ч"},
  };
  for (const auto& stop : stops) {
    PlacedLabel(this, stop.label, {16, y + 3, 112, 16});
    *stop.edit = PlacedEdit(this, "", {130, y, 60, 21});
    PlacedLabel(this, stop.unit, {196, y + 3, 40, 16});
    y += 26;
  }
  // The defaults, shown with the user's decimal separator.
  const analysis::BatchInputs defaults;
  ChargeEdit->setText(Number("0.##", defaults.chargekg));
  StepEdit->setText(Number("0.##", defaults.stepminutes));
  StopTopEdit->setText(Number("0.##", defaults.stoptoppercent));
  StopStillEdit->setText(Number("0.##", defaults.stopstillpercent));
  HoursEdit->setText(Number("0.##", defaults.hours));

  StartButton = new TPushButton("Рассчитать", this);
  StartButton->setGeometry(8, y + 6, 100, 25);
  StopButton = new TPushButton("Остановить", this);
  StopButton->setGeometry(116, y + 6, 100, 25);
  StopButton->setEnabled(false);
  Progress = new QProgressBar(this);
  Progress->setGeometry(8, y + 38, 140, 18);
  StrengthUnitBox = new QComboBox(this);
  StrengthUnitBox->addItems({"%масс", "%об."});
  StrengthUnitBox->setAccessibleName("Крепость на графике и в таблице: по массе или по объёму");
  StrengthUnitBox->setGeometry(152, y + 36, 80, 21);
  Progress->setRange(0, 1000);
  Progress->setValue(0);
  StopLabel = PlacedLabel(this, "", {8, y + 60, 224, 32});
  StopLabel->setWordWrap(true);

  y += 100;
  PlacedLabel(this, "Своя граница отбора", {8, y + 3, 120, 16});
  CutEdit = PlacedEdit(this, Number("0", cutThreshold_), {130, y, 60, 21});
  PlacedLabel(this, "%масс", {196, y + 3, 40, 16});
  CutTable = new QTableWidget(4, 5, this);
  CutTable->setGeometry(8, y + 28, 224, 632 - (y + 28) - 8 - 31);
  CutTable->verticalHeader()->hide();
  CutTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  CutTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  CutTable->setToolTip("Сколько продукта и какой крепости соберётся, пока крепость отбора\n"
                       "не ниже границы, и за какое время; литры — при 20 °C");

  StrengthChart = new chart::TChart(this);
  StrengthChart->setGeometry(240, 8, 640, 330);
  StrengthChart->Title.Text = {"Крепость, % — по времени, ч"};
  StrengthChart->Legend.LegendStyle = chart::lsSeries;
  top_ = AddLine(*StrengthChart, "отбор", chart::clRed);
  still_ = AddLine(*StrengthChart, "куб", chart::clBlue);
  mean_ = AddLine(*StrengthChart, "продукт, средняя", chart::RGB(0, 140, 0));
  ProductChart = new chart::TChart(this);
  ProductChart->setGeometry(240, 346, 640, 278);
  ProductChart->Title.Text = {"Собранный продукт, кг — по времени, ч"};
  ProductChart->Legend.LegendStyle = chart::lsSeries;
  product_ = AddLine(*ProductChart, "продукт", chart::RGB(140, 0, 160));
  Export = MakeExportButtons(this, {{{StrengthChart, "&Крепость…", "stillwise-batch-strength.png"},
                                     {ProductChart, "&Продукт…", "stillwise-batch-product.png"}},
                                    [this] {
                                      std::ostringstream csv;
                                      analysis::WriteBatchCsv(csv, run_.rows);
                                      return csv.str();
                                    },
                                    "Сохранить перегонку",
                                    "stillwise-batch.csv"});
  // Side by side under the cut table.
  int x = 8;
  for (QPushButton* button : {Export.picture, Export.csv, Export.copy}) {
    button->setGeometry(x, 599, 72, 25);
    x += 76;
  }

  connect(StrengthUnitBox, &QComboBox::currentIndexChanged, this, [this] {
    DrawRun();
    ShowCuts();
  });
  connect(StartButton, &QPushButton::clicked, this, Guarded([this] { StartClick(); }));
  connect(StopButton, &QPushButton::clicked, this, Guarded([this] { StopClick(); }));
  connect(CutEdit, &QLineEdit::editingFinished, this, Guarded([this] {
            cutThreshold_ = numtext::StrToFloat(CutEdit->text().toStdString());
            ShowCuts();
          }));
  ShowCuts();
}

TBatchForm::~TBatchForm() {
  // The worker must not post to a window that is going.
  worker_ = {};
}

BatchTexts TBatchForm::Texts() const {
  const auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
  return {text(ChargeEdit), text(StrengthEdit), text(PowerEdit), text(TraysEdit), text(RefluxEdit),
          text(StepEdit),   text(StopTopEdit),  text(StopStillEdit), text(HoursEdit)};
}

void TBatchForm::Open() {
  const InputTexts texts = main_.Texts();
  StrengthEdit->setText(QString::fromStdString(texts.strength));
  PowerEdit->setText(QString::fromStdString(texts.power));
  TraysEdit->setText(QString::fromStdString(texts.trays));
  RefluxEdit->setText(QString::fromStdString(texts.reflux));
  show();
  raise();
  activateWindow();
}

void TBatchForm::StartClick() {
  const analysis::BatchInputs inputs = ParseBatchTexts(Texts());
  cutThreshold_ = numtext::StrToFloat(CutEdit->text().toStdString());
  const std::uint64_t request = ++request_;
  running_ = true;
  StopButton->setEnabled(true);
  Progress->setValue(0);
  StopLabel->setText("Считаю…");
  // A new run stops the one before; its rows are not shown.
  worker_ = std::jthread([this, request, inputs](std::stop_token stop) {
    int rows = 0;
    const analysis::BatchRun run = analysis::RunBatch(
        inputs,
        [this, request, &rows, &inputs](const analysis::BatchRow& row) {
          if (++rows % kProgressEvery == 0) {
            const int permille = static_cast<int>(1000 * RunShare(inputs, row));
            QMetaObject::invokeMethod(this, [this, request, permille] { ShowProgress(request, permille); },
                                      Qt::QueuedConnection);
          }
          return true;
        },
        stop);
    QMetaObject::invokeMethod(this, [this, request, run] { ShowRun(request, run); }, Qt::QueuedConnection);
  });
}

void TBatchForm::StopClick() { worker_.request_stop(); }

void TBatchForm::closeEvent(QCloseEvent* event) {
  // A run nobody watches is not worth its processor time: it stops as
  // "Остановить" stops it, keeping what was computed.
  StopClick();
  QWidget::closeEvent(event);
}

void TBatchForm::ShowProgress(std::uint64_t request, int permille) {
  if (request == request_) Progress->setValue(permille);
}

void TBatchForm::ShowRun(std::uint64_t request, const analysis::BatchRun& run) {
  if (request != request_) return;
  run_ = run;
  running_ = false;
  StopButton->setEnabled(false);
  Progress->setValue(1000);
  StopLabel->setText(QString::fromStdString(analysis::StopText(run)));
  Export.SetEnabled(!run_.rows.empty());
  DrawRun();
  ShowCuts();
}

long double TBatchForm::Shown(long double masspercent) const {
  return model::StrengthIn(masspercent, StrengthUnitBox->currentIndex() == 1
                                                  ? model::StrengthUnit::kVolume
                                                  : model::StrengthUnit::kMass);
}

void TBatchForm::DrawRun() {
  const bool byVolume = StrengthUnitBox->currentIndex() == 1;
  StrengthChart->Title.Text = {byVolume ? "Крепость, %об. — по времени, ч" : "Крепость, % — по времени, ч"};
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
  for (chart::TChart* chart : {StrengthChart, ProductChart}) chart->BottomAxis.SetIncrement(step);
  StrengthChart->Invalidate();
}

void TBatchForm::ShowCuts() {
  const QString unit = StrengthUnitBox->currentIndex() == 1 ? "%об." : "%";
  CutTable->setHorizontalHeaderLabels({"Порог,\n" + unit, "Время,\nч", "Кг", "Литры", "Креп.,\n" + unit});
  const std::vector<analysis::Cut> cuts = analysis::CutTable(run_, cutThreshold_);
  CutTable->setRowCount(static_cast<int>(cuts.size()));
  for (std::size_t i = 0; i < cuts.size(); ++i) {
    const analysis::Cut& cut = cuts[i];
    // Litres at 20 °C; none before there is product.
    const long double litres =
        cut.product_kg > 0 ? cut.product_kg / model::densityat20(cut.product_mean_percent / 100) * 1000 : 0;
    const QString cells[] = {Number("0.##", Shown(cut.threshold_percent)), Number("0.00", cut.time_h),
                             Number("0.000", cut.product_kg), Number("0.000", litres),
                             Number("0.00", Shown(cut.product_mean_percent))};
    for (int c = 0; c < 5; ++c) {
      auto* item = new QTableWidgetItem(run_.rows.empty() ? QString() : cells[c]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      CutTable->setItem(static_cast<int>(i), c, item);
    }
  }
}

}  // namespace app
