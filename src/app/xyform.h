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
  // The charts' full ranges again, after a zoom.
  void ShowAllClick();
  void SavePictureClick();
  void SaveCsvClick();
  void CopyClick();

  const analysis::XyDiagram& Diagram() const { return diagram_; }
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

  QLabel* SourceLabel;
  QComboBox* UnitBox;
  QCheckBox* TextbookBox;
  QPushButton* ShowAllButton;
  QPushButton* SavePictureButton;
  QPushButton* SaveCsvButton;
  QPushButton* CopyButton;
  QTabWidget* Tabs;
  chart::TChart* XyChart;
  QComboBox* ProfileBox;
  chart::TChart* ProfileChart;
  QLabel* NoteLine;
  QLabel* StatusLine;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string StageText(const analysis::XyStage& stage) const;
  model::StrengthUnit Unit() const;
  void Redraw();
  void DrawDiagram();
  void DrawProfile();

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
