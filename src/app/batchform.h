#pragma once

#include <QWidget>
#include <cstdint>
#include <thread>

#include "analysis/batchrun.h"
#include "app/batchtexts.h"
#include "app/exportactions.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace chart {
class TChart;
class TLineSeries;
}  // namespace chart

namespace app {

class TForm1;

// "Перегонка по времени": one charge of the still distilled over time, the
// column calculated at the still's strength of each moment. The run goes
// on a thread of its own: the window shows its progress, can stop it and
// never waits for it.
class TBatchForm : public QWidget {
  Q_OBJECT

 public:
  explicit TBatchForm(TForm1& mainWindow);
  ~TBatchForm() override;

  // Shows the window with the main window's strength, power, trays and
  // reflux ratio in its fields.
  void Open();
  // "Рассчитать": reads the fields and starts the run, replacing one that
  // runs. Input errors are thrown with their messages.
  void StartClick();
  // "Остановить": ends the run; what was computed stays.
  void StopClick();

  BatchTexts Texts() const;
  bool Busy() const { return running_; }
  const analysis::BatchRun& LastRun() const { return run_; }

  QLineEdit* ChargeEdit;
  QLineEdit* StrengthEdit;
  QLineEdit* PowerEdit;
  QLineEdit* TraysEdit;
  QLineEdit* RefluxEdit;
  QLineEdit* StepEdit;
  QLineEdit* StopTopEdit;
  QLineEdit* StopStillEdit;
  QLineEdit* HoursEdit;
  QLineEdit* CutEdit;
  QPushButton* StartButton;
  QPushButton* StopButton;
  QProgressBar* Progress;
  // «%масс / %об.»: the unit of the strengths shown; inputs stay by mass.
  QComboBox* StrengthUnitBox;
  QLabel* StopLabel;
  chart::TChart* StrengthChart;
  chart::TChart* ProductChart;
  QTableWidget* CutTable;
  ExportButtons Export;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowProgress(std::uint64_t request, int permille);
  void ShowRun(std::uint64_t request, const analysis::BatchRun& run);
  void ShowCuts();
  void DrawRun();
  long double Shown(long double masspercent) const;

  TForm1& main_;
  chart::TLineSeries* top_;
  chart::TLineSeries* still_;
  chart::TLineSeries* mean_;
  chart::TLineSeries* product_;
  analysis::BatchRun run_;
  long double cutThreshold_ = 70.0L;
  std::uint64_t request_ = 0;
  bool running_ = false;
  std::jthread worker_;
};

}  // namespace app
