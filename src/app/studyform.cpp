#include "app/studyform.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <sstream>

#include "analysis/inverse.h"
#include "analysis/studyrun.h"
#include "chart/chartwidget.h"
#include "cli/studycommand.h"
#include "commands/analysistexts.h"
#include "commands/calculatecommand.h"
#include "commands/errortext.h"
#include "model/strengthunits.h"
#include "numtext/numtext.h"
#include "widgets/application.h"
#include "widgets/controls.h"
#include "widgets/pushbutton.h"
#include "widgets/windowfont.h"
#include "widgets/windowkeys.h"
#include "widgets/windowsettings.h"

namespace app {
namespace {

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

QLabel* WrappedLabel(QWidget* parent, const QString& accessibleName) {
  QLabel* label = widgets::PlainLabel(parent);
  label->setWordWrap(true);
  label->setAccessibleName(accessibleName);
  return label;
}

QLineEdit* Field(QWidget* parent, const QString& text, const QString& accessibleName, int width = 0) {
  auto* edit = new QLineEdit(text, parent);
  edit->setAccessibleName(accessibleName);
  edit->setToolTip(accessibleName);
  if (width > 0) edit->setFixedWidth(width);
  return edit;
}

// A label with a mnemonic that moves the focus to its field.
QLabel* BuddyLabel(QWidget* parent, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

chart::TChart* StudyChart(QWidget* parent, const QString& name) {
  auto* chart = new chart::TChart(parent);
  chart->setAccessibleName(name);
  chart->setMinimumSize(400, 200);
  chart->setMouseTracking(true);
  // Arrow keys step the readout through the points.
  chart->setFocusPolicy(Qt::StrongFocus);
  return chart;
}

}  // namespace

TStudyForm::TStudyForm() {
  setWindowTitle("Исследование колонны");
  setFont(widgets::WindowFont());
  // Closing it only hides it; closing the main window ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);

  // Made in the order the keyboard's Tab visits them, top to bottom.
  sourceLabel_ = WrappedLabel(this, "Исходные данные исследования");
  sourceLabel_->setObjectName("sourceLabel");
  traysEdit_ = Field(this, "1 2 5 10 20 40", "Числа тарелок через пробел");
  traysEdit_->setObjectName("traysEdit");
  refluxFromEdit_ = Field(this, "0", "Флегмовое число от", 48);
  refluxFromEdit_->setObjectName("refluxFromEdit");
  refluxToEdit_ = Field(this, "20", "Флегмовое число до", 48);
  refluxToEdit_->setObjectName("refluxToEdit");
  pointsEdit_ = Field(this, "101", "Точек на линии", 48);
  pointsEdit_->setObjectName("pointsEdit");
  strengthUnitBox_ = new QComboBox(this);
  strengthUnitBox_->addItems({"%масс", "%об."});
  strengthUnitBox_->setAccessibleName("Крепость по массе или по объёму");
  startButton_ = new widgets::TPushButton("&Рассчитать", this);
  startButton_->setObjectName("startButton");
  startButton_->setAccessibleName("Рассчитать исследование");
  cancelButton_ = new widgets::TPushButton("&Остановить", this);
  cancelButton_->setObjectName("cancelButton");
  cancelButton_->setAccessibleName("Остановить исследование");
  cancelButton_->setEnabled(false);
  progressLabel_ = WrappedLabel(this, "Ход исследования");
  progressLabel_->setObjectName("progressLabel");
  targetEdit_ = Field(this, "94", "Крепость отбора не ниже", 48);
  targetEdit_->setObjectName("targetEdit");
  targetUnitLabel_ = new QLabel("%", this);
  findButton_ = new widgets::TPushButton("&Найти", this);
  findButton_->setObjectName("findButton");
  findButton_->setAccessibleName("Найти флегмовое число и число тарелок для крепости");
  refluxAnswerLabel_ = WrappedLabel(this, "Нужное флегмовое число");
  refluxAnswerLabel_->setObjectName("refluxAnswerLabel");
  trayAnswerLabel_ = WrappedLabel(this, "Нужное число тарелок");
  trayAnswerLabel_->setObjectName("trayAnswerLabel");
  notesLabel_ = WrappedLabel(this, "Нерассчитанные точки");
  notesLabel_->setObjectName("notesLabel");
  notesLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  mainChart_ = StudyChart(this, "График крепости отбора");
  mainChart_->setObjectName("mainChart");
  secondQuantityBox_ = new QComboBox(this);
  secondQuantityBox_->setObjectName("secondQuantityBox");
  secondQuantityBox_->addItems({"Отбор продукта, г/ч", "КПД по этанолу, %"});
  secondQuantityBox_->setAccessibleName("Что показывает второй график");
  secondChart_ = StudyChart(this, "Второй график");
  secondChart_->setObjectName("secondChart");
  statusLine_ = WrappedLabel(this, "Точка под указателем");
  statusLine_->setObjectName("statusLine");
  statusLine_->setWordWrap(false);
  for (chart::TChart* chart : {mainChart_, secondChart_}) chart->installEventFilter(this);
  mainStudy_ = std::make_unique<widgets::TStudyChart>(*mainChart_, widgets::StudyQuantity::kTopStrength);
  secondStudy_ = std::make_unique<widgets::TStudyChart>(*secondChart_, widgets::StudyQuantity::kProduct);
  exportButtons_ = widgets::MakeExportButtons(this, {{{mainChart_, "&Крепость отбора…", "stillwise-study-top.png"},
                                             {secondChart_, "&Второй график…", "stillwise-study-second.png"}},
                                            [this] { return StudyCsv(); },
                                            "Сохранить исследование",
                                            "stillwise-study.csv"});

  // The inputs on the left at their natural width; the charts take the rest.
  auto* inputs = new QGridLayout;
  inputs->addWidget(sourceLabel_, 0, 0, 1, 4);
  inputs->addWidget(BuddyLabel(this, "&Числа тарелок:", traysEdit_), 1, 0, 1, 4);
  inputs->addWidget(traysEdit_, 2, 0, 1, 4);
  inputs->addWidget(BuddyLabel(this, "&Флегмовое число от", refluxFromEdit_), 3, 0);
  inputs->addWidget(refluxFromEdit_, 3, 1);
  inputs->addWidget(BuddyLabel(this, "&до", refluxToEdit_), 3, 2);
  inputs->addWidget(refluxToEdit_, 3, 3);
  inputs->addWidget(BuddyLabel(this, "&Точек:", pointsEdit_), 4, 0);
  inputs->addWidget(pointsEdit_, 4, 1);
  inputs->addWidget(BuddyLabel(this, "&Единицы:", strengthUnitBox_), 5, 0);
  inputs->addWidget(strengthUnitBox_, 5, 1, 1, 3);
  auto* run = new QHBoxLayout;
  run->addWidget(startButton_);
  run->addWidget(cancelButton_);
  auto* target = new QHBoxLayout;
  target->addWidget(BuddyLabel(this, "Крепость отбора не ни&же", targetEdit_));
  target->addWidget(targetEdit_);
  target->addWidget(targetUnitLabel_);
  target->addStretch();
  auto* exports = new QHBoxLayout;
  for (QPushButton* button : {exportButtons_.picture, exportButtons_.csv, exportButtons_.copy}) {
    exports->addWidget(button);
  }
  auto* left = new QVBoxLayout;
  left->addLayout(inputs);
  left->addLayout(run);
  left->addWidget(progressLabel_);
  left->addSpacing(12);
  left->addLayout(target);
  left->addWidget(findButton_, 0, Qt::AlignLeft);
  left->addWidget(refluxAnswerLabel_);
  left->addWidget(trayAnswerLabel_);
  left->addWidget(notesLabel_, 1);
  left->addLayout(exports);
  auto* second = new QHBoxLayout;
  second->addWidget(BuddyLabel(this, "&Второй график:", secondQuantityBox_));
  second->addWidget(secondQuantityBox_);
  second->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(mainChart_, 3);
  right->addLayout(second);
  right->addWidget(secondChart_, 2);
  right->addWidget(statusLine_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 0);
  layout->addLayout(right, 1);
  // The left column keeps its width; long answers wrap instead of widening it.
  for (QLabel* label : {sourceLabel_, progressLabel_, refluxAnswerLabel_, trayAnswerLabel_, notesLabel_}) {
    label->setFixedWidth(232);
  }

  connect(startButton_, &QPushButton::clicked, this, widgets::Guarded([this] { StartClicked(); }));
  connect(cancelButton_, &QPushButton::clicked, this, [this] { CancelClicked(); });
  connect(findButton_, &QPushButton::clicked, this, widgets::Guarded([this] { FindClicked(); }));
  connect(strengthUnitBox_, &QComboBox::currentIndexChanged, this, [this] {
    const model::StrengthUnit unit = ShownUnit();
    targetUnitLabel_->setText(unit == model::StrengthUnit::kVolume ? "%об." : "%");
    mainStudy_->SetStrengthUnit(unit);
    DescribeCharts();
  });
  connect(secondQuantityBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    secondStudy_->SetQuantity(index == 0 ? widgets::StudyQuantity::kProduct : widgets::StudyQuantity::kEfficiency);
    DescribeCharts();
  });
  widgets::BindWindowKeys(*this, [this] { ReturnPressed(); });
  // Until the main window has calculated there is nothing to study.
  sourceLabel_->setText("Нет расчёта: нажмите «Расчет» в главном окне.");
  for (QPushButton* button : {startButton_, findButton_}) button->setEnabled(false);
  DescribeCharts();
  resize(888, 632);
  widgets::RememberWindow(*this, QStringLiteral("study"));
}

// The jobs' helpers drop whatever the jobs still hand over.
TStudyForm::~TStudyForm() = default;

void TStudyForm::ShowInputs(const model::ColumnInputs& inputs) {
  inputs_ = inputs;
  for (QPushButton* button : {startButton_, findButton_}) button->setEnabled(true);
  // The calculation's own tray count joins the list when it is not there.
  try {
    const std::vector<int> listed = analysis::ParseTrayList(traysEdit_->text().toStdString());
    if (analysis::WithTrayCount(listed, inputs.traycount) != listed) {
      traysEdit_->setText(traysEdit_->text() + " " + QString::number(inputs.traycount));
    }
  } catch (const runtime::Exception&) {
    // StartClicked shows what is wrong with the list.
  }
  // Answers for other inputs would read as answers for these.
  StopSearch();
  refluxAnswerLabel_->clear();
  trayAnswerLabel_->clear();
  if (isVisible()) StartClicked();
}

void TStudyForm::Open() {
  widgets::ShowInFront(*this);
  StartClicked();
}

model::StrengthUnit TStudyForm::ShownUnit() const {
  return strengthUnitBox_->currentIndex() == 1 ? model::StrengthUnit::kVolume : model::StrengthUnit::kMass;
}

analysis::RefluxRange TStudyForm::TypedRefluxEnds() const {
  analysis::RefluxRange range;
  range.from = numtext::StrToFloat(refluxFromEdit_->text().toStdString());
  range.to = numtext::StrToFloat(refluxToEdit_->text().toStdString());
  return range;
}

void TStudyForm::ReturnPressed() {
  QWidget* focused = focusWidget();
  if (auto* button = qobject_cast<QAbstractButton*>(focused)) {
    button->click();
  } else if (focused == targetEdit_) {
    FindClicked();
  } else {
    StartClicked();
  }
}

void TStudyForm::StartClicked() {
  if (!inputs_) return;
  std::vector<int> traycounts = analysis::ParseTrayList(traysEdit_->text().toStdString());
  analysis::RefluxRange reflux = TypedRefluxEnds();
  reflux.points = numtext::StrToInt(pointsEdit_->text().toStdString());
  const analysis::Study study = commands::StudyOf(*inputs_, std::move(traycounts), reflux);

  const long double refluxratio = inputs_->reflux.Ratio();
  sourceLabel_->setText("Расчёт главного окна: " + widgets::CalculationText(*inputs_) + " (черта на графиках).");
  // The lines of the study before go at once: none of them may pass for
  // a line of these inputs.
  for (widgets::TStudyChart* chart : {mainStudy_.get(), secondStudy_.get()}) {
    chart->Reset(study.traycounts);
    chart->SetMarker(refluxratio);
  }
  traycounts_ = study.traycounts;
  lines_.assign(study.traycounts.size(), std::nullopt);
  exportButtons_.SetEnabled(false);
  notesLabel_->clear();
  statusLine_->clear();
  // The workers hand over each line they finish; lines of an earlier
  // request that are still on their way are dropped.
  study_.Start([this, study](std::stop_token stop, const widgets::TBackgroundJob::THandOver& handOver) {
    const bool finished = analysis::CalculateStudy(
        analysis::Workers(), study,
        [this, &handOver](int index, const analysis::StudyLine& line) {
          handOver([this, index, line] { ShowLine(index, line); });
        },
        stop);
    if (finished) handOver.Last([this] { StudyFinished(); });
  });
  cancelButton_->setEnabled(true);
  ShowProgress();
  DescribeCharts();
}

void TStudyForm::CancelClicked() {
  if (!study_.Running()) return;
  study_.Cancel();
  cancelButton_->setEnabled(false);
  ShowProgress();
}

void TStudyForm::ShowLine(int index, const analysis::StudyLine& line) {
  lines_[static_cast<std::size_t>(index)] = line;
  mainStudy_->ShowLine(index, line);
  secondStudy_->ShowLine(index, line);
  ShowNotes();
  ShowProgress();
}

void TStudyForm::StudyFinished() {
  cancelButton_->setEnabled(false);
  exportButtons_.SetEnabled(true);
  ShowProgress();
}

void TStudyForm::ShowProgress() {
  const auto done = std::count_if(lines_.begin(), lines_.end(), [](const auto& line) { return line.has_value(); });
  const QString count = QString("%1 из %2").arg(done).arg(lines_.size());
  if (study_.Running()) {
    progressLabel_->setText("Считаю… готово линий: " + count);
  } else if (done < static_cast<std::ptrdiff_t>(lines_.size())) {
    progressLabel_->setText("Остановлено, готово линий: " + count);
  } else {
    progressLabel_->setText("Готово линий: " + count);
  }
}

std::string TStudyForm::StudyCsv() const {
  std::vector<analysis::StudyLine> done;
  for (const std::optional<analysis::StudyLine>& line : lines_) {
    if (line) done.push_back(*line);
  }
  std::ostringstream csv;
  cli::WriteStudyCsv(csv, done);
  return csv.str();
}

void TStudyForm::ShowNotes() { notesLabel_->setText(QString::fromStdString(Join(mainStudy_->FailureNotes()))); }

void TStudyForm::DescribeCharts() {
  QString counts;
  for (const int traycount : traycounts_) counts += (counts.isEmpty() ? "" : ", ") + QString::number(traycount);
  const QString lines = counts.isEmpty() ? QString() : " Одна линия на каждое число тарелок N: " + counts +
                        "; вертикальная черта — флегмовое число расчёта главного окна.";
  mainChart_->setAccessibleDescription(
      QString::fromStdString(widgets::StudyQuantityTitle(mainStudy_->Quantity(), ShownUnit())) + "." + lines);
  secondChart_->setAccessibleDescription(
      QString::fromStdString(widgets::StudyQuantityTitle(secondStudy_->Quantity(), ShownUnit())) + "." + lines);
}

void TStudyForm::FindClicked() {
  if (!inputs_) return;
  const model::ColumnInputs inputs = *inputs_;
  const long double typed = numtext::StrToFloat(targetEdit_->text().toStdString());
  const std::string targetText = commands::TargetText(typed, ShownUnit());
  // The searches compare strengths by mass, as the model computes them.
  const long double target = ShownUnit() == model::StrengthUnit::kVolume
                                 ? model::StrengthsFrom(typed, model::StrengthUnit::kVolume).masspercent
                                 : typed;
  const analysis::RefluxRange range = TypedRefluxEnds();
  refluxAnswerLabel_->setText(QString::fromStdString("Для " + targetText + ": ищу…"));
  trayAnswerLabel_->clear();
  // A new search stops the one before; its answers are not shown.
  search_.Start([this, inputs, range, target, targetText](std::stop_token stop,
                                                          const widgets::TBackgroundJob::THandOver& handOver) {
    std::string reflux;
    try {
      const std::optional<analysis::RefluxAnswer> answer =
          analysis::LeastRefluxRatio(inputs, range, target, stop);
      if (!answer) return;
      reflux = commands::RefluxAnswerText(targetText, *answer, inputs.traycount);
    } catch (const runtime::Exception& error) {
      reflux = "Для " + targetText + ": " + commands::ErrorMessage(error);
    }
    const std::optional<analysis::TrayAnswer> trays = analysis::LeastTrayCount(inputs, target, stop);
    if (!trays) return;
    const std::string trayText = commands::TrayAnswerText(targetText, *trays, inputs.reflux.Ratio());
    handOver.Last([this, reflux, trayText] { ShowAnswers(reflux, trayText); });
  });
}

void TStudyForm::ShowAnswers(const std::string& reflux, const std::string& trays) {
  refluxAnswerLabel_->setText(QString::fromStdString(reflux));
  trayAnswerLabel_->setText(QString::fromStdString(trays));
}

void TStudyForm::StopSearch() {
  if (!search_.Running()) return;
  search_.Cancel();
  refluxAnswerLabel_->clear();
  trayAnswerLabel_->clear();
}

void TStudyForm::closeEvent(QCloseEvent* event) {
  // A closed window's study and search are not worth their processor time:
  // the study and the search stop, and what they still hand over is
  // dropped. Opening the window again starts a new study.
  CancelClicked();
  StopSearch();
  QWidget::closeEvent(event);
}

bool TStudyForm::eventFilter(QObject* watched, QEvent* event) {
  widgets::TStudyChart& study = watched == mainChart_ ? *mainStudy_ : *secondStudy_;
  if (event->type() == QEvent::MouseMove) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    statusLine_->setText(QString::fromStdString(study.NearestPointText(at.x(), at.y())));
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int along = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    const int across = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    if (along != 0 || across != 0) {
      statusLine_->setText(QString::fromStdString(study.StepPoint(along, across)));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
