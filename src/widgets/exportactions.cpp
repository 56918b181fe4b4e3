#include "widgets/exportactions.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

#include "chart/chartwidget.h"
#include "chart/svgcanvas.h"
#include "commands/savefile.h"
#include "widgets/application.h"
#include "widgets/pushbutton.h"
#include "widgets/resultfiles.h"

namespace widgets {
namespace {

std::string SvgOf(chart::TChart& chart) { return chart::ChartSvg(chart, chart.width(), chart.height()); }

QImage Stacked(const std::vector<chart::TChart*>& charts) {
  std::vector<QImage> pictures;
  int width = 0;
  int height = 0;
  for (chart::TChart* chart : charts) {
    pictures.push_back(chart->grab().toImage());
    width = std::max(width, pictures.back().width());
    height += pictures.back().height();
  }
  if (pictures.size() == 1) return pictures.front();
  QImage stacked(width, height, QImage::Format_RGB32);
  stacked.fill(Qt::white);
  QPainter painter(&stacked);
  int y = 0;
  for (const QImage& picture : pictures) {
    painter.drawImage(0, y, picture);
    y += picture.height();
  }
  return stacked;
}

}  // namespace

void SaveChartPicture(QWidget* parent, chart::TChart& chart, const QString& suggestedName, const QString& caption) {
  const QString file =
      ChooseSaveFile(parent, caption, "Рисунок PNG (*.png);;Рисунок SVG (*.svg)", "png", suggestedName);
  if (file.isEmpty()) return;
  SaveOrThrow(file, commands::IsSvgName(file.toStdString()) ? SvgOf(chart) : PngBytes(chart.grab().toImage()));
}

void SaveCsvTable(QWidget* parent, const QString& caption, const std::string& csv, const QString& suggestedName) {
  const QString file = ChooseSaveFile(parent, caption, "Таблица CSV (*.csv);;Все файлы (*)", "csv", suggestedName);
  if (!file.isEmpty()) SaveOrThrow(file, csv);
}

void CopyChartsAndTable(const std::vector<chart::TChart*>& charts, const std::string& csv) {
  auto* data = new QMimeData;
  data->setImageData(Stacked(charts));
  if (charts.size() == 1) data->setData("image/svg+xml", QByteArray::fromStdString(SvgOf(*charts.front())));
  if (!csv.empty()) data->setText(QString::fromStdString(csv));
  QApplication::clipboard()->setMimeData(data);
}

void ExportButtons::SetEnabled(bool enabled) const {
  for (QPushButton* button : {picture, csv, copy}) button->setEnabled(enabled);
}

ExportButtons MakeExportButtons(QWidget* window, const ExportSource& source) {
  ExportButtons buttons{new TPushButton("&Рисунок…", window), new TPushButton("CS&V…", window),
                        new TPushButton("&Копировать", window)};
  buttons.picture->setAccessibleName("Сохранить график как рисунок PNG или SVG");
  buttons.csv->setAccessibleName("Сохранить таблицу в CSV");
  buttons.copy->setAccessibleName("Копировать графики и таблицу");
  buttons.picture->setObjectName("pictureButton");
  buttons.csv->setObjectName("csvButton");
  buttons.copy->setObjectName("copyButton");
  if (source.pictures.size() == 1) {
    const ExportSource::Picture picture = source.pictures.front();
    QObject::connect(buttons.picture, &QPushButton::clicked, window,
                     Guarded([window, picture] { SaveChartPicture(window, *picture.chart, picture.suggestedName); }));
  } else {
    // Each chart is its own picture: one file holds what one chart shows.
    auto* menu = new QMenu(buttons.picture);
    for (const ExportSource::Picture& picture : source.pictures) {
      QObject::connect(menu->addAction(picture.menuTitle), &QAction::triggered, window,
                       Guarded([window, picture] { SaveChartPicture(window, *picture.chart, picture.suggestedName); }));
    }
    buttons.picture->setMenu(menu);
  }
  QObject::connect(buttons.csv, &QPushButton::clicked, window, Guarded([window, source] {
                     SaveCsvTable(window, source.csvCaption, source.csv(), source.csvName);
                   }));
  QObject::connect(buttons.copy, &QPushButton::clicked, window, [source] {
    std::vector<chart::TChart*> charts;
    for (const ExportSource::Picture& picture : source.pictures) charts.push_back(picture.chart);
    CopyChartsAndTable(charts, source.csv());
  });
  buttons.SetEnabled(false);
  return buttons;
}

}  // namespace widgets
