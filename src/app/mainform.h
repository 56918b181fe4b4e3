#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "commands/calculatecommand.h"
#include "commands/report.h"
#include "model/column.h"

namespace chart {
class TChart;
class THorizLineSeries;
}  // namespace chart
namespace widgets {
class TClickLabel;
}  // namespace widgets

class QAction;
class QCheckBox;
class QMenuBar;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace app {

class TBatchForm;
class TConvertForm;
class TStudyForm;
class TXyForm;

// The main window: the four inputs, the calculate command, the report
// switches, the report and still-output lists, the chart, and the way to the
// information window. Closing it ends the program.
class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // `informationWindow` is what "Информация" and the version label show.
  explicit TMainForm(QWidget& informationWindow);
  ~TMainForm() override;

  // The calculate command "Расчет".
  void CalculateClicked();
  // Puts the texts into the four fields, as if typed.
  void SetTexts(const commands::InputTexts& texts);
  // "Анализ": the x-y diagram of the last calculation, made on first use.
  void XyClicked();

  TStudyForm* StudyWindow() const { return studyForm_.get(); }
  TBatchForm* BatchWindow() const { return batchForm_.get(); }
  TXyForm* XyWindow() const { return xyForm_.get(); }
  // The strength profile of the last calculation.
  chart::TChart& StrengthChart() const { return *strengthChart_; }

 signals:
  // A calculation's report has been written; `result` is that calculation.
  void Calculated(const model::ColumnResult& result);

 private:
  // Shows the information window; when it is already shown nothing changes.
  void InformationClicked();

  // The menu commands.
  void SaveReportClicked();
  void ExportCsvClicked();
  void SaveChartClicked();
  void CopyReportClicked();
  void CopyChartClicked();
  void AboutClicked();
  // "Анализ": opens the study window, made on first use.
  void StudyClicked();
  // "Анализ": opens the batch-run window, made on first use.
  void BatchClicked();
  // "Анализ": the strength converter, made on first use.
  void ConvertClicked();

  // The report as the lists show it, as one text.
  std::string ShownReport() const;
  commands::InputTexts Texts() const;
  commands::ReportSwitches Switches() const;

  void CreateMenus();
  // Entries that need results are enabled once a report has been written.
  void EnableResultActions(bool enabled);
  // The calculation whose report was written last; null before the first.
  const model::ColumnResult* LastCalculation() const;

  QMenuBar* menuBar_;
  // Below the menu bar: the area the controls are placed in.
  QWidget* clientArea_;
  QAction* saveReportAction_;
  QAction* exportCsvAction_;
  QAction* saveChartAction_;
  QAction* exitAction_;
  QAction* copyReportAction_;
  QAction* copyChartAction_;
  QAction* studyAction_;
  QAction* batchAction_;
  QAction* xyAction_;
  QAction* convertAction_;
  QAction* informationAction_;
  QAction* aboutAction_;
  QLabel* reportLabel_;
  widgets::TClickLabel* versionLabel_;
  QGroupBox* inputsGroup_;
  QLabel* powerLabel_;
  QLabel* refluxLabel_;
  QLabel* stillStrengthLabel_;
  QLabel* traysLabel_;
  QLabel* stillStrengthUnitLabel_;
  QLabel* powerUnitLabel_;
  QLineEdit* powerEdit_;
  QLineEdit* stillStrengthEdit_;
  QLineEdit* traysEdit_;
  QLineEdit* refluxEdit_;
  QPushButton* calculateButton_;
  QListWidget* reportList_;
  QGroupBox* stillOutputGroup_;
  QListWidget* stillOutputList_;
  QGroupBox* reportSwitchesGroup_;
  // Shown and ticked, as the classic window has it, but read by nothing: the report has no vapour-flow line.
  QCheckBox* vapourOutputBox_;
  QCheckBox* refluxReturnBox_;
  QCheckBox* vapourStrengthBox_;
  QCheckBox* refluxStrengthBox_;
  QCheckBox* temperatureBox_;
  // Never shown and wired to nothing, kept as the classic window has it: the
  // calculation solves the profile from the top down itself when it must.
  QPushButton* topDownButton_;
  // Never shown and wired to nothing, kept as the classic window has it.
  QPushButton* spareButton_;
  QPushButton* informationButton_;
  chart::TChart* strengthChart_;
  chart::THorizLineSeries* strengthSeries_;

  QWidget& informationWindow_;
  // The calculation whose report was written last, the table that is
  // exported; an empty one before the first. A calculation that fails before
  // its report is whole leaves it as it was.
  model::ColumnResult lastResult_;
  std::unique_ptr<TStudyForm> studyForm_;
  std::unique_ptr<TBatchForm> batchForm_;
  std::unique_ptr<TXyForm> xyForm_;
  std::unique_ptr<TConvertForm> convertForm_;
};

}  // namespace app
