#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QWidget;

namespace chart {
class TChart;
}

namespace widgets {

// Asks where to save the chart's picture and saves it, as SVG when the name
// ends in ".svg" and as PNG otherwise, whole or not at all. A failure is
// thrown with the file's name and the system's reason.
void SaveChartPicture(QWidget* parent, chart::TChart& chart, const QString& suggestedName,
                      const QString& caption = "Сохранить рисунок");

// Asks where to save the CSV table and saves it, as SaveChartPicture does.
void SaveCsvTable(QWidget* parent, const QString& caption, const std::string& csv, const QString& suggestedName);

// Puts the charts on the clipboard, one above the other, the CSV table as
// its text and, for a single chart, the chart as SVG too, so that a
// spreadsheet, an editor or a drawing program each take what they read.
void CopyChartsAndTable(const std::vector<chart::TChart*>& charts, const std::string& csv);

// What an analysis window exports: its charts with the file names offered
// for them, and its table as CSV.
struct ExportSource {
  struct Picture {
    chart::TChart* chart;
    QString menuTitle;
    QString suggestedName;
  };
  std::vector<Picture> pictures;
  std::function<std::string()> csv;
  QString csvCaption;
  QString csvName;
};

// The export buttons of an analysis window: "Рисунок…" (a menu of the
// charts when there are several), "CSV…" and "Копировать". The window
// places them and enables them once it has a result to export.
struct ExportButtons {
  QPushButton* picture;
  QPushButton* csv;
  QPushButton* copy;

  void SetEnabled(bool enabled) const;
};
ExportButtons MakeExportButtons(QWidget* window, const ExportSource& source);

}  // namespace widgets
