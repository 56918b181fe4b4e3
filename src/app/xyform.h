#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "analysis/xydiagram.h"
#include "model/column.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace chart {
class TChart;
class TLineSeries;
class TMarkSeries;
}  // namespace chart

namespace app {

// What the profile tab plots against the tray number.
enum class ProfileQuantity { kTemperature, kStrength, kReturn };

// "Диаграмма x–y": the main window's last calculation on the x-y diagram,
// with the computed trays as steps, and a tab with the column's profile
// tray by tray. It shows the calculation it is handed and never reads the
// main window.
class TXyForm : public QWidget {
  Q_OBJECT

 public:
  TXyForm();

  // Shows the calculation; a new one replaces it.
  void ShowColumn(const model::ColumnResult& column);

  const analysis::XyDiagram& Diagram() const { return diagram_; }
  chart::TChart& XyChart() const { return *xyChart_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The charts' full ranges again, after a zoom.
  void ShowAllClicked();
  void SavePictureClicked();
  void SaveCsvClicked();
  void CopyClicked();

  // The current tab's chart.
  chart::TChart& ShownChart() const;
  // The stage nearest the pixel (x, y) of the diagram's last paint, as the
  // status line says it ("Тарелка 5: x = 12,34 %, y = 56,78 %"); empty when
  // nothing is shown.
  std::string NearestStageText(int x, int y) const;
  // The keyboard's way to the same texts: the stage `step` stages on from
  // the last one told, held at the ends, so that the first step, either
  // way, tells the still.
  std::string SteppedStageText(int step);
  std::string StageText(const analysis::XyStage& stage) const;
  model::StrengthUnit Unit() const;
  void Redraw();
  void DrawDiagram();
  void DrawProfile();

  QLabel* sourceLabel_;
  QComboBox* unitBox_;
  QCheckBox* textbookBox_;
  QPushButton* showAllButton_;
  QPushButton* savePictureButton_;
  QPushButton* saveCsvButton_;
  QPushButton* copyButton_;
  QTabWidget* tabs_;
  chart::TChart* xyChart_;
  QComboBox* profileBox_;
  chart::TChart* profileChart_;
  QLabel* noteLine_;
  QLabel* statusLine_;
  std::optional<model::ColumnResult> column_;
  analysis::XyDiagram diagram_;
  // The stage the keyboard's steps stand at; -1 before the first. A new
  // diagram keeps it, held to the new diagram's stages at the next step.
  int stageCursor_ = -1;
  chart::TLineSeries* equilibrium_;
  chart::TLineSeries* diagonal_;
  chart::TLineSeries* operating_;
  chart::TLineSeries* textbook_;
  chart::TLineSeries* staircase_;
  chart::TMarkSeries* stageMarks_;
  chart::TLineSeries* profileLines_[2];
};

}  // namespace app
