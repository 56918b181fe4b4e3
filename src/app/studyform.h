#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "analysis/studypool.h"
#include "app/studychart.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace chart {
class TChart;
}

namespace app {

class TForm1;

// "Исследование колонны": how the top strength, the product and the
// efficiency move with the reflux ratio for several tray counts, and what
// reflux ratio or tray count a target strength needs. Power and still
// strength come from the main window's fields. The calculations run on a
// pool of threads and each line is drawn as it finishes; a new request
// cancels the running one, so the window never waits for them.
class TStudyForm : public QWidget {
  Q_OBJECT

 public:
  explicit TStudyForm(TForm1& mainWindow);
  ~TStudyForm() override;

  // Shows the window with the main window's tray count in the list, and
  // starts the study.
  void Open();
  // "Рассчитать": reads the main window's fields and this window's inputs
  // and starts the study. Input errors are thrown with their messages.
  void StartClick();
  // "Найти": answers both questions for the target strength.
  void FindClick();

  // Whether a study or a search is still running.
  bool Busy() const { return studyRunning_ || searchRunning_; }
  const TStudyChart& MainStudy() const { return *mainStudy_; }
  const TStudyChart& SecondStudy() const { return *secondStudy_; }

  QLabel* SourceLabel;
  QLineEdit* TraysEdit;
  QLineEdit* FromEdit;
  QLineEdit* ToEdit;
  QLineEdit* PointsEdit;
  QPushButton* StartButton;
  // «%масс / %об.»: the unit of the top strengths shown and of the target.
  QComboBox* StrengthUnitBox;
  QLineEdit* TargetEdit;
  QLabel* TargetUnit;
  QPushButton* FindButton;
  QLabel* RefluxAnswer;
  QLabel* TrayAnswer;
  QLabel* NotesLabel;
  chart::TChart* MainChart;
  QComboBox* SecondQuantity;
  chart::TChart* SecondChart;
  QLabel* StatusLine;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The reflux ratios from and to as typed; the number of points is the default.
  analysis::RefluxRange TypedRefluxEnds() const;
  // The unit the switch shows strengths in.
  model::StrengthUnit ShownUnit() const;
  void ShowLine(std::uint64_t request, int index, const analysis::StudyLine& line);
  void StudyFinished(std::uint64_t request);
  void ShowAnswers(std::uint64_t request, const std::string& reflux, const std::string& trays);
  void ShowNotes();

  TForm1& main_;
  std::unique_ptr<TStudyChart> mainStudy_;
  std::unique_ptr<TStudyChart> secondStudy_;
  analysis::TStudyPool pool_;
  std::uint64_t studyRequest_ = 0;
  bool studyRunning_ = false;
  std::uint64_t searchRequest_ = 0;
  bool searchRunning_ = false;
  std::jthread search_;
};

}  // namespace app
