#pragma once

#include <QWidget>
#include <optional>

#include "analysis/batchrun.h"
#include "commands/batchtexts.h"
#include "model/column.h"
#include "widgets/backgroundjob.h"
#include "widgets/exportactions.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace chart {
class TChart;
class TLineSeries;
}  // namespace chart

namespace app {

// "Перегонка по времени": one charge of the still distilled over time, the
// column calculated at the still's strength of each moment. The run goes
// on the program's workers: the window shows how far it has come, can stop it
// and never waits for it. The inputs are the window's own: the main
// window's are copied into them when the window first opens and when the
// user asks, never behind the user's back.
class TBatchForm : public QWidget {
  Q_OBJECT

 public:
  TBatchForm();
  ~TBatchForm() override;

  // Shows the window; the first time, with the inputs of the main window's
  // last calculation in its fields.
  void Open();
  // Remembers the inputs of a calculation of the main window, the ones
  // "Взять из главного окна" takes.
  void MainCalculated(const model::ColumnResult& column);
  // The fields' texts, as "Рассчитать" reads them.
  commands::BatchTexts Texts() const;
  bool Busy() const { return worker_.Running(); }
  const analysis::BatchRun& LastRun() const { return run_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // "Взять из главного окна": the strength, power, trays and reflux ratio of
  // the main window's last calculation into the fields.
  void TakeMainClicked();
  // "Рассчитать": reads the fields and starts the run, replacing one that
  // runs. Input errors are thrown with their messages.
  void StartClicked();
  // "Остановить": ends the run; what was computed stays.
  void StopClicked();

  void ShowProgress(const analysis::BatchRow& row);
  void ShowRun(const analysis::BatchRun& run);
  void ShowMoment();
  void ShowCuts();
  void DrawRun();
  model::StrengthUnit ShownStrengthUnit() const;
  long double Shown(long double masspercent) const;
  QString ShownUnit() const;

  QLineEdit* chargeEdit_;
  QLineEdit* chargeStrengthEdit_;
  QLineEdit* powerEdit_;
  QLineEdit* traysEdit_;
  QLineEdit* refluxEdit_;
  QLineEdit* timeStepEdit_;
  QLineEdit* stopTopEdit_;
  QLineEdit* stopStillEdit_;
  QLineEdit* stopHoursEdit_;
  QLineEdit* cutThresholdEdit_;
  QPushButton* takeMainButton_;
  QPushButton* startButton_;
  QPushButton* stopButton_;
  // Where the run has come to: its time and the still's strength.
  QLabel* progressLabel_;
  // «%масс / %об.»: the unit of the strengths shown; inputs stay by mass.
  QComboBox* strengthUnitBox_;
  QLabel* stopLabel_;
  // Over the charts: the inputs of the run they show.
  QLabel* runLabel_;
  chart::TChart* strengthChart_;
  chart::TChart* productChart_;
  QTableWidget* cutTable_;
  widgets::ExportButtons exportButtons_;
  std::optional<commands::InputTexts> mainTexts_;
  bool opened_ = false;
  // The row the run last reported, or the last of the run shown.
  std::optional<analysis::BatchRow> moment_;
  chart::TLineSeries* top_;
  chart::TLineSeries* still_;
  chart::TLineSeries* mean_;
  chart::TLineSeries* product_;
  analysis::BatchRun run_;
  long double cutThreshold_ = 70.0L;
  widgets::TBackgroundJob worker_{*this};
};

}  // namespace app
