#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/study.h"
#include "model/column.h"
#include "widgets/backgroundjob.h"
#include "widgets/exportactions.h"
#include "widgets/studychart.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace chart {
class TChart;
}

namespace app {

// "Исследование колонны": how the top strength, the product and the
// efficiency move with the reflux ratio for several tray counts, and what
// reflux ratio or tray count a target strength needs. Power, still strength,
// tray count and reflux ratio are those of the main window's last
// calculation, handed over as it is made; the window never reads the main
// window's fields, so its charts always belong to a result the user has
// seen. The calculations run on the program's workers and each line is
// drawn as it finishes; a new request cancels the running one, so the
// window never waits for them.
class TStudyForm : public QWidget {
  Q_OBJECT

 public:
  TStudyForm();
  ~TStudyForm() override;

  // Takes the inputs of a new calculation of the main window: its tray
  // count joins the list, the answers of the inputs before are cleared, and
  // a shown window studies them at once.
  void ShowInputs(const model::ColumnInputs& inputs);
  // Shows the window and starts the study of the last inputs.
  void Open();
  // Whether a study or a search is still running.
  bool Busy() const { return study_.Running() || search_.Running(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // "Рассчитать": this window's inputs with the last calculation's, and
  // starts the study. Input errors are thrown with their messages.
  void StartClicked();
  // "Остановить": ends the running study; the lines done stay.
  void CancelClicked();
  // "Найти": answers both questions for the target strength.
  void FindClicked();

  // The finished study as the command line's --study writes it.
  std::string StudyCsv() const;
  // The reflux ratios from and to as typed; the number of points is the default.
  analysis::RefluxRange TypedRefluxEnds() const;
  // The unit the switch shows strengths in.
  model::StrengthUnit ShownUnit() const;
  // Return runs what the focused control belongs to.
  void ReturnPressed();
  void ShowLine(int index, const analysis::StudyLine& line);
  void StudyFinished();
  void ShowProgress();
  void StopSearch();
  void ShowAnswers(const std::string& reflux, const std::string& trays);
  void ShowNotes();
  void DescribeCharts();

  QLabel* sourceLabel_;
  QLineEdit* traysEdit_;
  QLineEdit* refluxFromEdit_;
  QLineEdit* refluxToEdit_;
  QLineEdit* pointsEdit_;
  QPushButton* startButton_;
  QPushButton* cancelButton_;
  QLabel* progressLabel_;
  // «%масс / %об.»: the unit of the top strengths shown and of the target.
  QComboBox* strengthUnitBox_;
  QLineEdit* targetEdit_;
  QLabel* targetUnitLabel_;
  QPushButton* findButton_;
  QLabel* refluxAnswerLabel_;
  QLabel* trayAnswerLabel_;
  QLabel* notesLabel_;
  widgets::ExportButtons exportButtons_;
  chart::TChart* mainChart_;
  QComboBox* secondQuantityBox_;
  chart::TChart* secondChart_;
  QLabel* statusLine_;
  std::optional<model::ColumnInputs> inputs_;
  std::unique_ptr<widgets::TStudyChart> mainStudy_;
  std::unique_ptr<widgets::TStudyChart> secondStudy_;
  widgets::TBackgroundJob study_{*this};
  // The tray counts of the study shown, and its lines in their order, each
  // once it is done.
  std::vector<int> traycounts_;
  std::vector<std::optional<analysis::StudyLine>> lines_;
  widgets::TBackgroundJob search_{*this};
};

}  // namespace app
