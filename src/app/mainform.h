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
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // `informationWindow` is what "Информация" and the version label show.
  explicit TForm1(QWidget& informationWindow);
  ~TForm1() override;

  // The calculate command "Расчет".
  void Button1Click();
  // The top-down solution of the tray profile for the last calculation;
  // the calculate command runs it itself when the top misses.
  void Button2Click();
  // Shows the information window; when it is already shown nothing changes.
  void Button4Click();

  // The menu commands.
  void SaveReportClick();
  void ExportCsvClick();
  void SaveChartClick();
  void CopyReportClick();
  void CopyChartClick();
  void AboutClick();
  // "Анализ": opens the study window, made on first use.
  void StudyClick();
  TStudyForm* StudyWindow() const { return studyForm_.get(); }
  // "Анализ": opens the batch-run window, made on first use.
  void BatchClick();
  TBatchForm* BatchWindow() const { return batchForm_.get(); }
  // "Анализ": the x-y diagram of the last calculation, made on first use.
  void XyClick();
  TXyForm* XyWindow() const { return xyForm_.get(); }
  // "Анализ": the strength converter, made on first use.
  void ConvertClick();
  TConvertForm* ConvertWindow() const { return convertForm_.get(); }

  // The report as the lists show it, as one text.
  std::string ShownReport() const;

  commands::InputTexts Texts() const;
  // Puts the texts into the four fields, as if typed.
  void SetTexts(const commands::InputTexts& texts);
  commands::ReportSwitches Switches() const;

  QMenuBar* MenuBar;
  // Below the menu bar: the area the controls are placed in.
  QWidget* Client;
  QAction* ActionSaveReport;
  QAction* ActionExportCsv;
  QAction* ActionSaveChart;
  QAction* ActionExit;
  QAction* ActionCopyReport;
  QAction* ActionCopyChart;
  QAction* ActionStudy;
  QAction* ActionBatch;
  QAction* ActionXy;
  QAction* ActionConvert;
  QAction* ActionInformation;
  QAction* ActionAbout;
  QLabel* Label5;
  widgets::TClickLabel* Label8;
  QGroupBox* GroupBox1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label6;
  QLabel* Label7;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QPushButton* Button1;
  QListWidget* ListBox1;
  QGroupBox* GroupBox2;
  QListWidget* ListBox2;
  QGroupBox* GroupBox3;
  QCheckBox* CheckBox6;
  QCheckBox* CheckBox7;
  QCheckBox* CheckBox8;
  QCheckBox* CheckBox9;
  QCheckBox* CheckBox10;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  chart::TChart* Chart1;
  chart::THorizLineSeries* Series1;

 signals:
  // A calculation's report has been written; the column is its result.
  void Calculated(const model::TColumn& column);

 private:
  void CreateMenus();
  // Entries that need results are enabled once a report has been written.
  void EnableResultActions(bool enabled);
  // The calculation whose report was written last; null before the first.
  const model::TColumn* LastCalculation() const;

  QWidget& informationWindow_;
  model::TColumn column_;
  // The calculation whose report was written last: the table that is exported.
  model::TColumn tableColumn_;
  std::unique_ptr<TStudyForm> studyForm_;
  std::unique_ptr<TBatchForm> batchForm_;
  std::unique_ptr<TXyForm> xyForm_;
  std::unique_ptr<TConvertForm> convertForm_;
};

}  // namespace app
