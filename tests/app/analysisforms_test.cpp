// The study and batch-run windows, opened from the main window's menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <sstream>

#include "analysis/batchtable.h"
#include "analysis/studyrun.h"
#include "app/batchform.h"
#include "app/studyform.h"
#include "chart/chartwidget.h"
#include "chart/lineseries.h"
#include "cli/studycommand.h"
#include "commands/analysistexts.h"
#include "guitest.h"
#include "model/strengthunits.h"
#include "numtext/numtext.h"

namespace app {
namespace {

class AnalysisFormTest : public test::GuiTest {
 protected:
  // The export buttons of an analysis window.
  static widgets::ExportButtons Exports(const QWidget& window) {
    return {test::Named<QPushButton>(window, "pictureButton"), test::Named<QPushButton>(window, "csvButton"),
            test::Named<QPushButton>(window, "copyButton")};
  }
  // Clicks the button and waits until the window has shown all it computes.
  template <class Window> static QStringList ClickAndWait(Window& window, QPushButton* button) {
    const QStringList boxes = test::AnswerMessageBoxes([&] { QTest::mouseClick(button, Qt::LeftButton); });
    EXPECT_TRUE(test::WaitUntil([&] { return !window.Busy(); }));
    return boxes;
  }
  TStudyForm& OpenStudy() {
    test::Named<QAction>(form, "studyAction")->trigger();
    EXPECT_TRUE(test::WaitUntil([this] { return !form.StudyWindow()->Busy(); }));
    return *form.StudyWindow();
  }
  // Types each text into the window's field of that name.
  static void Type(const QWidget& window, std::initializer_list<std::pair<const char*, const char*>> fields) {
    for (const auto& [name, text] : fields) test::Named<QLineEdit>(window, name)->setText(text);
  }
  // The lines a study chart shows, in series order; series 0 is the marker.
  static std::vector<const chart::TChartSeries*> Lines(const chart::TChart& chart) {
    std::vector<const chart::TChartSeries*> lines;
    for (int s = 1; s < chart.SeriesCount(); ++s) {
      if (chart.Series(s).Active && chart.Series(s).ShowInLegend) lines.push_back(&chart.Series(s));
    }
    return lines;
  }
};

// The study takes the power, strength, tray count and reflux ratio of the
// main window's calculation, and draws each tray count's points as the study calculates them.
TEST_F(AnalysisFormTest, StudyDrawsTheLinesOfTheMainWindowsInputs) {
  Calculate({"1500", "5", "7", "4"});
  TStudyForm& study = OpenStudy();
  auto* mainChart = test::Named<chart::TChart>(study, "mainChart");
  auto* secondChart = test::Named<chart::TChart>(study, "secondChart");
  auto* statusLine = test::Named<QLabel>(study, "statusLine");
  EXPECT_EQ(test::Named<QLineEdit>(study, "traysEdit")->text(), "1 2 5 10 20 40 7");
  const std::vector<analysis::StudyLine> lines = analysis::RunStudy({1500, model::Strength::FromFraction(0.05L), {1, 2, 5, 7, 10, 20, 40}, {}});
  const auto shown = Lines(*mainChart);
  ASSERT_EQ(shown.size(), lines.size());
  for (std::size_t l = 0; l < lines.size(); ++l) {
    EXPECT_EQ(shown[l]->Title, "N = " + std::to_string(lines[l].traycount));
    ASSERT_EQ(shown[l]->Count(), static_cast<int>(lines[l].points.size()));
    EXPECT_EQ(shown[l]->XValues[3], static_cast<double>(lines[l].points[3].refluxratio));
    EXPECT_EQ(shown[l]->YValues.Last(), static_cast<double>(lines[l].points.back().toppercent));
  }
  // The second chart switches from product to efficiency.
  EXPECT_EQ(Lines(*secondChart)[0]->YValues[3], static_cast<double>(lines[0].points[3].product));
  test::Named<QComboBox>(study, "secondQuantityBox")->setCurrentIndex(1);
  EXPECT_EQ(Lines(*secondChart)[0]->YValues[3], static_cast<double>(lines[0].points[3].efficiencypercent));
  // The marker stands at the reflux ratio, and the legend says what it is.
  EXPECT_EQ(mainChart->Series(0).XValues[0], 4.0);
  EXPECT_EQ(mainChart->Series(0).Title, "R = 4 главного окна");
  // The status line names the point nearest to the mouse.
  mainChart->repaint();
  // Every line lies inside the frame, even at its widest and its top, and
  // is wider than the next, drawn over it, so that coinciding lines show.
  for (std::size_t l = 0; l < shown.size(); ++l) {
    const int width = dynamic_cast<const chart::TLineSeries&>(*shown[l]).LinePen.Width;
    const auto& high = std::ranges::max(lines[l].points, {}, &analysis::StudyPoint::toppercent);
    EXPECT_GT(mainChart->LeftAxis.ValueToPixel(static_cast<double>(high.toppercent)) - width / 2, mainChart->ChartRect.Top);
    EXPECT_TRUE(l == 0 || width < dynamic_cast<const chart::TLineSeries&>(*shown[l - 1]).LinePen.Width);
  }
  const auto& first = dynamic_cast<const chart::TLineSeries&>(*shown[0]);
  QMouseEvent move(QEvent::MouseMove, QPointF(first.PointPixelX(5) + 2, first.PointPixelY(5) - 1),
                   mainChart->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(mainChart, &move);
  EXPECT_TRUE(statusLine->text().startsWith("ФЧ 1: ")) << statusLine->text().toStdString();
  EXPECT_TRUE(statusLine->text().endsWith(" % при N = 1")) << statusLine->text().toStdString();
  // Arrow keys step the readout: a fiftieth of a line's points along it
  // (2 of 101), a line across, held at the ends; the first key tells the
  // first point.
  for (const auto& [key, line, point] : {std::tuple{Qt::Key_Up, 0, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_Right, 1, 2},
                                         {Qt::Key_Up, 0, 2}, {Qt::Key_Left, 0, 0}, {Qt::Key_Left, 0, 0}}) {
    QTest::keyClick(mainChart, key);
    const std::string text = statusLine->text().toStdString(), x = numtext::FormatFloat("0.##", shown[line]->XValues[point]);
    EXPECT_TRUE(text.starts_with("ФЧ " + x + ": ") && text.ends_with(" при " + shown[line]->Title)) << text;
  }
}

// Failed points are left out and counted; a refusal shows its message.
TEST_F(AnalysisFormTest, StudyCountsFailedPointsAndShowsRefusals) {
  Calculate({"0", "1", "3", "15"});
  TStudyForm& study = OpenStudy();
  auto* startButton = test::Named<QPushButton>(study, "startButton");
  auto* mainChart = test::Named<chart::TChart>(study, "mainChart");
  Type(study, {{"traysEdit", "3"}, {"refluxFromEdit", "0"}, {"refluxToEdit", "2"}, {"pointsEdit", "3"}});
  EXPECT_EQ(ClickAndWait(study, startButton), QStringList());
  ASSERT_EQ(Lines(*mainChart).size(), 1u);
  EXPECT_EQ(Lines(*mainChart)[0]->Count(), 0);
  EXPECT_EQ(test::Named<QLabel>(study, "notesLabel")->text(), "N = 3: 3 точки не рассчитаны: Invalid floating point operation");

  test::Named<QLineEdit>(study, "traysEdit")->setText("1 200");
  EXPECT_EQ(ClickAndWait(study, startButton), QStringList{test::StopBox("Число тарелок 200 вне пределов от 1 до 100.")});
}

// The answers hold when calculated at them and fail one step below.
TEST_F(AnalysisFormTest, StudyAnswersWhatATargetStrengthNeeds) {
  Calculate({"1000", "5", "10", "3"});
  TStudyForm& study = OpenStudy();
  auto* targetEdit = test::Named<QLineEdit>(study, "targetEdit");
  auto* findButton = test::Named<QPushButton>(study, "findButton");
  auto* refluxAnswerLabel = test::Named<QLabel>(study, "refluxAnswerLabel");
  targetEdit->setText("85");
  ClickAndWait(study, findButton);
  const QString answers = refluxAnswerLabel->text() + "|" + test::Named<QLabel>(study, "trayAnswerLabel")->text();
  EXPECT_TRUE(answers.startsWith("Для 85 % при N = 10: флегмовое число не меньше ") && answers.contains("|Для 85 % при ФЧ = 3: "));
  for (const long double below : {0.0L, 0.01L}) {
    const long double ratio = refluxAnswerLabel->text().section(' ', -1).toDouble() - below;
    const model::ColumnResult result =
        model::Calculate({1000, model::Strength::FromFraction(0.05L), 10, model::RefluxRatio::FromRatio(ratio)});
    EXPECT_EQ(result.topstrength.Percent() >= 85, below == 0);
  }
  targetEdit->setText("99");
  ClickAndWait(study, findButton);
  EXPECT_TRUE(refluxAnswerLabel->text().contains("азеотроп")) << refluxAnswerLabel->text().toStdString();
}

// The study shows the last calculation, not what the main window's fields
// hold, clears its lines and answers as the next calculation comes, and
// follows it at once. Both analysis windows save their table as --study and
// --batch write it and each chart as PNG or SVG, and copy the table.
TEST_F(AnalysisFormTest, StudyFollowsTheMainWindowsCalculationsAndExportsThem) {
  TStudyForm& study = OpenStudy();
  auto* mainChart = test::Named<chart::TChart>(study, "mainChart");
  auto* refluxAnswerLabel = test::Named<QLabel>(study, "refluxAnswerLabel");
  Calculate({"1500", "1", "20", "15"});
  form.SetTexts({"1000", "10", "20", "4"});
  Type(study, {{"traysEdit", "20"}, {"targetEdit", "80"}});
  ClickAndWait(study, test::Named<QPushButton>(study, "startButton"));
  ClickAndWait(study, test::Named<QPushButton>(study, "findButton"));
  EXPECT_EQ(test::Named<QLabel>(study, "sourceLabel")->text(), "Расчёт главного окна: мощность 1500 Вт, крепость в кубе 1 %масс, тарелок 20, флегмовое число 15 (черта на графиках).");
  EXPECT_TRUE(mainChart->Series(0).XValues[0] == 15 && refluxAnswerLabel->text().startsWith("Для 80 % при N = 20: "));
  form.CalculateClicked();
  EXPECT_TRUE(Lines(*mainChart).empty() && refluxAnswerLabel->text() + test::Named<QLabel>(study, "trayAnswerLabel")->text() == "");
  ASSERT_TRUE(test::WaitUntil([&] { return !study.Busy(); }));
  std::ostringstream studyCsv, batchCsv;
  cli::WriteStudyCsv(studyCsv, analysis::RunStudy({1000, model::Strength::FromFraction(0.1L), {20}, {}}));
  test::Named<QAction>(form, "batchAction")->trigger();
  TBatchForm& batch = *form.BatchWindow();
  test::Named<QLineEdit>(batch, "stopHoursEdit")->setText("1");
  ClickAndWait(batch, test::Named<QPushButton>(batch, "startButton"));
  analysis::WriteBatchCsv(batchCsv, batch.LastRun().rows);
  const QTemporaryDir dir;
  const struct { widgets::ExportButtons buttons; int chart; QString file; std::string starts; } saves[] = {
      {Exports(study), -1, "s.csv", studyCsv.str()}, {Exports(batch), -1, "b.csv", batchCsv.str()},
      {Exports(study), 1, "s.svg", "<?xml"}, {Exports(batch), 0, "b.png", "\x89PNG"}};
  for (const auto& save : saves) {
    test::AnswerDialogs([&] { save.chart < 0 ? save.buttons.csv->click() : save.buttons.picture->menu()->actions()[save.chart]->trigger(); },
                        dir.filePath(save.file));
    QFile saved(dir.filePath(save.file));
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly) && saved.readAll().toStdString().starts_with(save.starts)) << save.file.toStdString();
  }
  Exports(study).copy->click();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), studyCsv.str());
}

// Return runs the command of the focused field, Escape closes the window;
// every control and chart is named, every field has a label as its buddy,
// and the charts grow with the window. The study counts the lines done of
// those asked for, and a cancel keeps what is done.
TEST_F(AnalysisFormTest, StudyWindowAnswersTheKeyboardAndScreenReadersAndCounts) {
  Calculate({"1000", "5", "10", "3"});
  TStudyForm& study = OpenStudy();
  auto* targetEdit = test::Named<QLineEdit>(study, "targetEdit");
  auto* mainChart = test::Named<chart::TChart>(study, "mainChart");
  auto* progressLabel = test::Named<QLabel>(study, "progressLabel");
  for (QLineEdit* field : {test::Named<QLineEdit>(study, "pointsEdit"), targetEdit}) {
    Type(study, {{"pointsEdit", "5"}, {"targetEdit", "90"}});
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    ASSERT_TRUE(test::WaitUntil([&] { return !study.Busy(); }));
  }
  EXPECT_TRUE(Lines(*mainChart)[0]->Count() == 5 && test::Named<QLabel>(study, "trayAnswerLabel")->text().startsWith("Для 90 % "));
  QSet<QWidget*> labelled;
  for (const QLabel* label : study.findChildren<QLabel*>()) labelled << label->buddy();
  for (QWidget* control : study.findChildren<QWidget*>()) {
    const bool field = qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
    EXPECT_TRUE(!field || labelled.contains(control)) << control->accessibleName().toStdString();
    const bool named = field || qobject_cast<QAbstractButton*>(control) || qobject_cast<chart::TChart*>(control);
    EXPECT_TRUE(!named || !control->accessibleName().isEmpty()) << control->metaObject()->className();
  }
  test::Named<QComboBox>(study, "secondQuantityBox")->setCurrentIndex(1);
  EXPECT_TRUE(test::Named<chart::TChart>(study, "secondChart")->accessibleDescription().startsWith("КПД по этанолу, % — по флегмовому числу. Одна линия на каждое число тарелок N: 1, 2, 5, 10"));
  const int width = mainChart->width();
  study.resize(study.width() + 300, study.height());
  EXPECT_TRUE(test::WaitUntil([&] { return mainChart->width() == width + 300; }));
  Type(study, {{"traysEdit", "1 60 70 80 90 100"}, {"pointsEdit", "2000"}});
  QTest::mouseClick(test::Named<QPushButton>(study, "startButton"), Qt::LeftButton);
  ASSERT_TRUE(test::WaitUntil([&] { return progressLabel->text() == "Считаю… готово линий: 1 из 6"; }));
  ClickAndWait(study, test::Named<QPushButton>(study, "cancelButton"));
  EXPECT_TRUE(progressLabel->text() == "Остановлено, готово линий: 1 из 6" && !Exports(study).csv->isEnabled());
  QTest::keyClick(targetEdit, Qt::Key_Escape);
  EXPECT_FALSE(study.isVisible());
}

// The batch run takes the inputs of the main window's calculation when it
// first opens, later only on request, and shows the run of its fields under
// a header naming them; a refusal shows its message.
TEST_F(AnalysisFormTest, BatchShowsTheRunOfItsFields) {
  Calculate({"1500", "10", "12", "4"});
  test::Named<QAction>(form, "batchAction")->trigger();
  TBatchForm& batch = *form.BatchWindow();
  auto* startButton = test::Named<QPushButton>(batch, "startButton");
  auto* cutTable = test::Named<QTableWidget>(batch, "cutTable");
  const auto fields = [&batch] {
    const commands::BatchTexts texts = batch.Texts();
    return texts.strength + " " + texts.power + " " + texts.trays + " " + texts.reflux;
  };
  EXPECT_EQ(fields(), "10 1500 12 4");
  test::Named<QLineEdit>(batch, "stopHoursEdit")->setText("3");
  ASSERT_EQ(ClickAndWait(batch, startButton), QStringList());
  const analysis::BatchRun expected = analysis::RunBatch(commands::ParseBatchTexts(batch.Texts()));
  ASSERT_EQ(batch.LastRun().rows.size(), expected.rows.size());
  EXPECT_EQ(batch.LastRun().rows.back().product_kg, expected.rows.back().product_kg);
  EXPECT_EQ(test::Named<QLabel>(batch, "stopLabel")->text(), QString::fromStdString(commands::BatchStopText(expected)));
  EXPECT_EQ(test::Named<QLabel>(batch, "runLabel")->text(), "Показано для: загрузка 20 кг, 10 %масс, 1500 Вт, N = 12, ФЧ = 4");
  EXPECT_EQ(test::Named<chart::TChart>(batch, "productChart")->Series(0).Count(), static_cast<int>(expected.rows.size()));
  // The cuts at 90, 80 and 60 % and the user's own.
  EXPECT_EQ(cutTable->item(3, 0)->text() + " " + cutTable->item(1, 2)->text(),
            "70 " + QString::fromStdString(numtext::FormatFloat("0.000", analysis::CutAt(expected, 80).product_kg)));
  // By volume the strengths shown change, the run does not; litres are at 20 °C.
  const analysis::Cut cut = analysis::CutAt(expected, 80);
  test::Named<QComboBox>(batch, "strengthUnitBox")->setCurrentIndex(1);
  const auto byVolume = [](long double mass) { return model::StrengthIn(mass, model::StrengthUnit::kVolume); };
  EXPECT_EQ(test::Named<chart::TChart>(batch, "strengthChart")->Series(1).YValues[0], static_cast<double>(byVolume(expected.rows[0].still_percent)));
  EXPECT_EQ(cutTable->item(1, 4)->text().toStdString(), numtext::FormatFloat("0.00", byVolume(cut.product_mean_percent)));
  EXPECT_EQ(cutTable->item(1, 3)->text().toStdString(),
            numtext::FormatFloat("0.000", cut.product_kg / model::densityat20(cut.product_mean_percent / 100) * 1000));
  test::Named<QLineEdit>(batch, "timeStepEdit")->setText("x");
  EXPECT_EQ(ClickAndWait(batch, startButton), QStringList{test::StopBox("'x' is not a valid floating point value.")});
  // Neither a new calculation nor opening the window again overwrites the
  // user's edits; the button takes the calculation's inputs.
  test::Named<QLineEdit>(batch, "traysEdit")->setText("7");
  Calculate({"1000", "5", "3", "2"});
  test::Named<QAction>(form, "batchAction")->trigger();
  EXPECT_EQ(fields(), "10 1500 7 4");
  QTest::mouseClick(test::Named<QPushButton>(batch, "takeMainButton"), Qt::LeftButton);
  EXPECT_EQ(fields(), "5 1000 3 2");
}

// The window shows the time reached and the still's strength as the run goes
// and at its end; a cut held to the end of a whole run is not marked. A new run clears the old one at once. Stopped, a long run
// keeps what it computed and marks the cuts not yet ended; its fields may
// change while it runs.
TEST_F(AnalysisFormTest, BatchShowsProgressAndStops) {
  test::Named<QAction>(form, "batchAction")->trigger();
  TBatchForm& batch = *form.BatchWindow();
  auto* cutTable = test::Named<QTableWidget>(batch, "cutTable");
  auto* startButton = test::Named<QPushButton>(batch, "startButton");
  auto* progressLabel = test::Named<QLabel>(batch, "progressLabel");
  auto* strengthChart = test::Named<chart::TChart>(batch, "strengthChart");
  const auto marksUnfinishedCuts = [&batch, cutTable](bool stopped) {
    const std::vector<analysis::Cut> cuts = analysis::CutTable(batch.LastRun(), 70);
    for (int row = 0; row < 4; ++row) {
      EXPECT_EQ(cutTable->item(row, 2)->text().startsWith("≥ "), stopped && cuts[row].heldtoend) << row;
    }
  };
  Type(batch, {{"chargeStrengthEdit", "10"}, {"timeStepEdit", "15"}, {"stopHoursEdit", "2"}, {"stopStillEdit", "0"}});
  ClickAndWait(batch, startButton);
  const analysis::BatchRow last = batch.LastRun().rows.back();
  EXPECT_EQ(progressLabel->text().toStdString(), "Время " + numtext::FormatFloat("0.00", last.time_h) +
                                                     " ч, в кубе " + numtext::FormatFloat("0.00", last.still_percent) + " %масс");
  ASSERT_TRUE(analysis::CutAt(batch.LastRun(), 60).heldtoend);
  marksUnfinishedCuts(false);

  Type(batch, {{"timeStepEdit", "0.1"}, {"stopHoursEdit", "150"}});
  QTest::mouseClick(startButton, Qt::LeftButton);
  EXPECT_EQ(strengthChart->Series(0).Count() + progressLabel->text().size(), 0);
  EXPECT_EQ(cutTable->item(0, 1)->text(), "");
  test::Named<QLineEdit>(batch, "stopHoursEdit")->setText("x");
  EXPECT_TRUE(test::WaitUntil([&] { return progressLabel->text().startsWith("Время "); }));
  ClickAndWait(batch, test::Named<QPushButton>(batch, "stopButton"));
  EXPECT_EQ(test::Named<QLabel>(batch, "stopLabel")->text(), "Перегонка прервана");
  EXPECT_FALSE(batch.LastRun().rows.empty());
  EXPECT_EQ(strengthChart->Series(0).Count(), static_cast<int>(batch.LastRun().rows.size()));
  marksUnfinishedCuts(true);
}

// Return in a field runs the batch and Escape closes the window. Every
// control has a name, every field a hint and a label with a mnemonic that
// leads to it, every chart says what it shows, and the charts grow with the
// window.
TEST_F(AnalysisFormTest, BatchServesTheKeyboardAndScreenReaders) {
  test::Named<QAction>(form, "batchAction")->trigger();
  TBatchForm& batch = *form.BatchWindow();
  auto* strengthUnitBox = test::Named<QComboBox>(batch, "strengthUnitBox");
  auto* productChart = test::Named<chart::TChart>(batch, "productChart");
  test::Named<QLineEdit>(batch, "stopHoursEdit")->setText("0.5");
  const QList<QLabel*> labels = batch.findChildren<QLabel*>();
  QList<QWidget*> fields{strengthUnitBox};
  for (QLineEdit* edit : batch.findChildren<QLineEdit*>()) fields << edit;
  for (QWidget* field : fields) {
    EXPECT_FALSE(field->accessibleName().isEmpty() || field->toolTip().isEmpty());
    EXPECT_TRUE(std::ranges::any_of(labels, [field](QLabel* label) { return label->buddy() == field && label->text().contains('&'); }));
    if (field == strengthUnitBox || field == test::Named<QLineEdit>(batch, "cutThresholdEdit")) continue;
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(batch.Busy()) << field->accessibleName().toStdString();
    EXPECT_TRUE(test::WaitUntil([&] { return !batch.Busy(); }));
  }
  for (const char* control : {"takeMainButton", "startButton", "stopButton", "cutTable"}) {
    EXPECT_FALSE(test::Named<QWidget>(batch, control)->accessibleName().isEmpty());
  }
  const QSize small = productChart->size();
  batch.resize(batch.width() + 300, batch.height() + 200);
  for (const chart::TChart* chart : {test::Named<chart::TChart>(batch, "strengthChart"), productChart}) {
    EXPECT_FALSE(chart->accessibleName().isEmpty() || chart->accessibleDescription().isEmpty());
  }
  const QSize grown = productChart->size() - small;
  EXPECT_TRUE(grown.width() > 0 && grown.height() > 0) << grown.width() << " " << grown.height();
  QTest::keyClick(test::Named<QLineEdit>(batch, "chargeEdit"), Qt::Key_Escape);
  EXPECT_FALSE(batch.isVisible());
}

// What a secondary window held when it was hidden comes back in the next
// one: a field, a choice and the window's place.
template <class Window> void ExpectRemembered(const char* field, const char* box) {
  auto window = std::make_unique<Window>();
  test::Named<QLineEdit>(*window, field)->setText("7");
  test::Named<QComboBox>(*window, box)->setCurrentIndex(1);
  window->show();
  window->move(33, 44);
  const QRect place = window->geometry();
  window = nullptr;
  Window again;
  EXPECT_EQ(test::Named<QLineEdit>(again, field)->text(), "7");
  EXPECT_EQ(test::Named<QComboBox>(again, box)->currentIndex(), 1);
  EXPECT_EQ(again.geometry(), place);
}

TEST_F(AnalysisFormTest, StudyAndBatchRememberTheirInputsAndPlace) {
  ExpectRemembered<TStudyForm>("pointsEdit", "secondQuantityBox");
  ExpectRemembered<TBatchForm>("cutThresholdEdit", "strengthUnitBox");
}

}  // namespace
}  // namespace app
