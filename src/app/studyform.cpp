#include "app/studyform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "analysis/inverse.h"
#include "app/application.h"
#include "app/controls.h"
#include "app/calculatecommand.h"
#include "app/fixedwindow.h"
#include "app/form1.h"
#include "app/pushbutton.h"
#include "app/windowfont.h"
#include "chart/chartwidget.h"
#include "model/strengthunits.h"
#include "numtext/numtext.h"

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

std::string RefluxText(const analysis::RefluxAnswer& answer, int traycount) {
  const std::string question = "Флегмовое число при N = " + std::to_string(traycount) + ": ";
  if (!answer.reached) return question + answer.reason;
  return question + "не меньше " + numtext::FormatFloat("0.00", answer.refluxratio);
}

std::string TrayText(const analysis::TrayAnswer& answer, long double refluxratio) {
  const std::string question = "Тарелок при ФЧ = " + numtext::FormatFloat("0.##", refluxratio) + ": ";
  if (!answer.reached) return question + answer.reason;
  return question + "не меньше " + std::to_string(answer.traycount);
}

}  // namespace

TStudyForm::TStudyForm(TForm1& mainWindow) : main_(mainWindow) {
  setWindowTitle("Исследование колонны");
  setFont(WindowFont());
  // Closing it only hides it; closing the main window ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  MakeFixedWindow(*this, {888, 632});

  SourceLabel = PlacedLabel(this, "", {8, 8, 224, 42});
  SourceLabel->setWordWrap(true);
  PlacedLabel(this, "Числа тарелок:", {8, 56, 224, 16});
  TraysEdit = PlacedEdit(this, "1 2 5 10 20 40", {8, 74, 224, 21});
  PlacedLabel(this, "Флегмовое число от", {8, 104, 110, 16});
  FromEdit = PlacedEdit(this, "0", {120, 101, 40, 21});
  PlacedLabel(this, "до", {166, 104, 20, 16});
  ToEdit = PlacedEdit(this, "20", {188, 101, 44, 21});
  PlacedLabel(this, "Точек:", {8, 132, 60, 16});
  PointsEdit = PlacedEdit(this, "101", {70, 129, 50, 21});
  StartButton = new TPushButton("Рассчитать", this);
  StartButton->setGeometry(8, 160, 100, 25);
  StrengthUnitBox = new QComboBox(this);
  StrengthUnitBox->addItems({"%масс", "%об."});
  StrengthUnitBox->setAccessibleName("Крепость по массе или по объёму");
  StrengthUnitBox->setGeometry(152, 162, 80, 21);

  PlacedLabel(this, "Крепость отбора не ниже", {8, 206, 150, 16});
  TargetEdit = PlacedEdit(this, "94", {160, 203, 44, 21});
  TargetUnit = PlacedLabel(this, "%", {206, 206, 26, 16});
  FindButton = new TPushButton("Найти", this);
  FindButton->setGeometry(8, 232, 100, 25);
  RefluxAnswer = PlacedLabel(this, "", {8, 264, 224, 48});
  RefluxAnswer->setWordWrap(true);
  TrayAnswer = PlacedLabel(this, "", {8, 314, 224, 48});
  TrayAnswer->setWordWrap(true);
  NotesLabel = PlacedLabel(this, "", {8, 372, 224, 250});
  NotesLabel->setWordWrap(true);
  NotesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  MainChart = new chart::TChart(this);
  MainChart->setGeometry(240, 8, 640, 310);
  PlacedLabel(this, "Второй график:", {240, 327, 90, 16});
  SecondQuantity = new QComboBox(this);
  SecondQuantity->addItems({"Отбор продукта, г/ч", "КПД по этанолу, %"});
  SecondQuantity->setGeometry(334, 324, 200, 21);
  SecondChart = new chart::TChart(this);
  SecondChart->setGeometry(240, 350, 640, 256);
  StatusLine = PlacedLabel(this, "", {240, 610, 640, 16});
  for (chart::TChart* chart : {MainChart, SecondChart}) {
    chart->setMouseTracking(true);
    chart->installEventFilter(this);
  }
  mainStudy_ = std::make_unique<TStudyChart>(*MainChart, StudyQuantity::kTopStrength);
  secondStudy_ = std::make_unique<TStudyChart>(*SecondChart, StudyQuantity::kProduct);

  connect(StartButton, &QPushButton::clicked, this, Guarded([this] { StartClick(); }));
  connect(FindButton, &QPushButton::clicked, this, Guarded([this] { FindClick(); }));
  connect(StrengthUnitBox, &QComboBox::currentIndexChanged, this, [this] {
    const model::StrengthUnit unit = ShownUnit();
    TargetUnit->setText(unit == model::StrengthUnit::kVolume ? "%об." : "%");
    mainStudy_->SetStrengthUnit(unit);
  });
  connect(SecondQuantity, &QComboBox::currentIndexChanged, this, [this](int index) {
    secondStudy_->SetQuantity(index == 0 ? StudyQuantity::kProduct : StudyQuantity::kEfficiency);
  });
}

TStudyForm::~TStudyForm() {
  // No worker may post to the window once it begins to go.
  pool_.Cancel();
  search_ = {};
}

void TStudyForm::Open() {
  // The main window's own tray count joins the list when it is not there.
  try {
    const int traycount = numtext::StrToInt(main_.Texts().trays);
    const std::vector<int> listed = analysis::ParseTrayList(TraysEdit->text().toStdString());
    const std::vector<int> joined = analysis::WithTrayCount(listed, traycount);
    if (joined != listed) {
      TraysEdit->setText(TraysEdit->text() + " " + QString::number(traycount));
    }
  } catch (const runtime::Exception&) {
    // StartClick below shows what is wrong with either text.
  }
  show();
  raise();
  activateWindow();
  StartClick();
}

model::StrengthUnit TStudyForm::ShownUnit() const {
  return StrengthUnitBox->currentIndex() == 1 ? model::StrengthUnit::kVolume : model::StrengthUnit::kMass;
}

analysis::RefluxRange TStudyForm::TypedRefluxEnds() const {
  analysis::RefluxRange range;
  range.from = numtext::StrToFloat(FromEdit->text().toStdString());
  range.to = numtext::StrToFloat(ToEdit->text().toStdString());
  return range;
}

void TStudyForm::StartClick() {
  const InputTexts texts = main_.Texts();
  const model::ColumnInputs inputs = ParseInputs(texts);
  analysis::Study study;
  study.power = inputs.power;
  study.stillstrength = inputs.stillstrength;
  study.traycounts = analysis::ParseTrayList(TraysEdit->text().toStdString());
  study.reflux = TypedRefluxEnds();
  study.reflux.points = numtext::StrToInt(PointsEdit->text().toStdString());
  analysis::CheckStudy(study);

  SourceLabel->setText(QString::fromStdString("Мощность " + texts.power + " Вт, крепость в кубе " +
                                              texts.strength + " %масс — из главного окна"));
  for (TStudyChart* chart : {mainStudy_.get(), secondStudy_.get()}) {
    chart->Reset(study.traycounts);
    chart->SetMarker(inputs.refluxplusone - 1);
  }
  NotesLabel->clear();
  StatusLine->clear();
  studyRunning_ = true;
  // The workers post what they finish; lines of an earlier request that are
  // still on their way are recognised by their number and dropped.
  const std::uint64_t request = ++studyRequest_;
  pool_.Start(
      study,
      [this, request](int index, const analysis::StudyLine& line) {
        QMetaObject::invokeMethod(this, [this, request, index, line] { ShowLine(request, index, line); },
                                  Qt::QueuedConnection);
      },
      [this, request] {
        QMetaObject::invokeMethod(this, [this, request] { StudyFinished(request); },
                                  Qt::QueuedConnection);
      });
}

void TStudyForm::ShowLine(std::uint64_t request, int index, const analysis::StudyLine& line) {
  if (request != studyRequest_) return;
  mainStudy_->ShowLine(index, line);
  secondStudy_->ShowLine(index, line);
  ShowNotes();
}

void TStudyForm::StudyFinished(std::uint64_t request) {
  if (request == studyRequest_) studyRunning_ = false;
}

void TStudyForm::ShowNotes() { NotesLabel->setText(QString::fromStdString(Join(mainStudy_->FailureNotes()))); }

void TStudyForm::FindClick() {
  const model::ColumnInputs inputs = ParseInputs(main_.Texts());
  long double target = numtext::StrToFloat(TargetEdit->text().toStdString());
  // The searches compare strengths by mass, as the model computes them.
  if (ShownUnit() == model::StrengthUnit::kVolume) {
    target = model::StrengthsFrom(target, model::StrengthUnit::kVolume).masspercent;
  }
  const analysis::RefluxRange range = TypedRefluxEnds();
  RefluxAnswer->setText("Ищу…");
  TrayAnswer->setText("Ищу…");
  searchRunning_ = true;
  const std::uint64_t request = ++searchRequest_;
  // A new search stops the one before; its answers are not shown.
  search_ = std::jthread([this, request, inputs, range, target](std::stop_token stop) {
    std::string reflux;
    try {
      const std::optional<analysis::RefluxAnswer> answer =
          analysis::LeastRefluxRatio(inputs, range, target, stop);
      if (!answer) return;
      reflux = RefluxText(*answer, inputs.traycount);
    } catch (const runtime::Exception& error) {
      reflux = error.what();
    }
    const std::optional<analysis::TrayAnswer> trays = analysis::LeastTrayCount(inputs, target, stop);
    if (!trays) return;
    const std::string trayText = TrayText(*trays, inputs.refluxplusone - 1);
    QMetaObject::invokeMethod(this, [this, request, reflux, trayText] { ShowAnswers(request, reflux, trayText); },
                              Qt::QueuedConnection);
  });
}

void TStudyForm::ShowAnswers(std::uint64_t request, const std::string& reflux, const std::string& trays) {
  if (request != searchRequest_) return;
  RefluxAnswer->setText(QString::fromStdString(reflux));
  TrayAnswer->setText(QString::fromStdString(trays));
  searchRunning_ = false;
}

void TStudyForm::closeEvent(QCloseEvent* event) {
  // A closed window's study and search are not worth their processor time:
  // the pool and the search stop, and what they still post is dropped by
  // its request number. Opening the window again starts a new study.
  pool_.Cancel();
  search_.request_stop();
  ++studyRequest_;
  studyRunning_ = false;
  if (searchRunning_) {
    ++searchRequest_;
    searchRunning_ = false;
    RefluxAnswer->clear();
    TrayAnswer->clear();
  }
  QWidget::closeEvent(event);
}

bool TStudyForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const TStudyChart& study = watched == MainChart ? *mainStudy_ : *secondStudy_;
    StatusLine->setText(QString::fromStdString(study.NearestPointText(at.x(), at.y())));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
