// The main window's menu bar and the commands that keep and copy results.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "analysis/traytable.h"
#include "app/batchform.h"
#include "app/convertform.h"
#include "app/mainform.h"
#include "app/studyform.h"
#include "app/xyform.h"
#include "chart/chartwidget.h"
#include "widgets/application.h"
#include "widgets/controls.h"
#include "widgets/exportactions.h"
#include "widgets/resultfiles.h"

namespace app {
namespace {

std::vector<std::string> Lines(const QListWidget& box) {
  std::vector<std::string> lines;
  for (int i = 0; i < box.count(); ++i) lines.push_back(box.item(i)->text().toStdString());
  return lines;
}

constexpr char kAboutText[] =
    "Stillwise " STILLWISE_VERSION
    "\n\n"
    "Учебная программа: как работает ректификационная колонна для смеси этанола "
    "и воды. По мощности, крепости в кубе, числу теоретических тарелок и "
    "флегмовому числу она рассчитывает крепость, потоки и температуру на каждой "
    "тарелке.\n\n"
    "Лицензия: GNU General Public License версии 3 или более поздней.";

}  // namespace

void TForm1::CreateMenus() {
  MenuBar = new QMenuBar(this);
  const auto add = [this](QMenu* menu, const QString& text, const QKeySequence& keys, auto command) {
    QAction* action = menu->addAction(text);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, widgets::Guarded(command));
    return action;
  };

  QMenu* file = MenuBar->addMenu("&Файл");
  ActionSaveReport = add(file, "&Сохранить отчёт…", QKeySequence("Ctrl+S"), [this] { SaveReportClick(); });
  ActionExportCsv = add(file, "&Экспорт таблицы в CSV…", QKeySequence("Ctrl+E"), [this] { ExportCsvClick(); });
  ActionSaveChart = add(file, "Сохранить &график…", QKeySequence("Ctrl+Shift+S"), [this] { SaveChartClick(); });
  file->addSeparator();
  ActionExit = add(file, "В&ыход", QKeySequence("Ctrl+Q"), [this] { close(); });

  QMenu* edit = MenuBar->addMenu("&Правка");
  ActionCopyReport = add(edit, "&Копировать отчёт", QKeySequence("Ctrl+Shift+C"), [this] { CopyReportClick(); });
  ActionCopyChart = add(edit, "Копировать &график", QKeySequence(), [this] { CopyChartClick(); });

  QMenu* analysis = MenuBar->addMenu("&Анализ");
  ActionStudy = add(analysis, "&Флегмовое число и тарелки…", QKeySequence("Ctrl+T"), [this] { StudyClick(); });
  ActionBatch = add(analysis, "&Перегонка по времени…", QKeySequence("Ctrl+B"), [this] { BatchClick(); });
  ActionXy = add(analysis, "&Диаграмма x–y…", QKeySequence("Ctrl+D"), [this] { XyClick(); });
  ActionConvert = add(analysis, "Пересчёт &крепости…", QKeySequence(), [this] { ConvertClick(); });

  QMenu* help = MenuBar->addMenu("&Справка");
  ActionInformation = add(help, "&Информация", QKeySequence(Qt::Key_F1), [this] { Button4Click(); });
  ActionAbout = add(help, "&О программе", QKeySequence(), [this] { AboutClick(); });

  MenuBar->adjustSize();
  MenuBar->setGeometry(0, 0, 678, MenuBar->sizeHint().height());
  EnableResultActions(false);
}

void TForm1::EnableResultActions(bool enabled) {
  for (QAction* action :
       {ActionSaveReport, ActionExportCsv, ActionSaveChart, ActionCopyReport, ActionCopyChart}) {
    action->setEnabled(enabled);
  }
}

std::string TForm1::ShownReport() const { return commands::ReportText(Lines(*ListBox1), Lines(*ListBox2)); }

void TForm1::SaveReportClick() {
  const QString file = widgets::ChooseSaveFile(this, "Сохранить отчёт", "Текст (*.txt);;Все файлы (*)",
                                      "txt", "stillwise-report.txt");
  if (!file.isEmpty()) widgets::SaveOrThrow(file, ShownReport());
}

void TForm1::ExportCsvClick() {
  const QString file = widgets::ChooseSaveFile(this, "Экспорт таблицы в CSV", "Таблица CSV (*.csv);;Все файлы (*)",
                                      "csv", "stillwise-trays.csv");
  if (!file.isEmpty()) widgets::SaveOrThrow(file, analysis::TrayTableCsv(tableColumn_));
}

void TForm1::SaveChartClick() { widgets::SaveChartPicture(this, *Chart1, "stillwise-chart.png", "Сохранить график"); }

void TForm1::CopyReportClick() { QApplication::clipboard()->setText(QString::fromStdString(ShownReport())); }

void TForm1::CopyChartClick() { widgets::CopyChartsAndTable({Chart1}, {}); }

namespace {

// Makes a window that follows the main window's calculations on its first
// opening, handing it the last calculation at once when there is one.
template <class Window, class Take>
Window& Following(TForm1& form, std::unique_ptr<Window>& window, const model::TColumn* last, Take take) {
  if (!window) {
    window = std::make_unique<Window>();
    Window* shown = window.get();
    QObject::connect(&form, &TForm1::Calculated, shown,
                     [shown, take](const model::TColumn& column) { take(*shown, column); });
    if (last) take(*shown, *last);
  }
  return *window;
}

}  // namespace

const model::TColumn* TForm1::LastCalculation() const {
  // The results' entries turn on with the first report written whole.
  return ActionExportCsv->isEnabled() ? &tableColumn_ : nullptr;
}

void TForm1::StudyClick() {
  Following(*this, studyForm_, LastCalculation(), [](TStudyForm& study, const model::TColumn& column) {
    study.ShowInputs(column.inputs);
  }).Open();
}

void TForm1::BatchClick() {
  Following(*this, batchForm_, LastCalculation(), [](TBatchForm& batch, const model::TColumn& column) {
    batch.MainCalculated(column);
  }).Open();
}

void TForm1::XyClick() {
  widgets::ShowInFront(Following(*this, xyForm_, LastCalculation(),
                        [](TXyForm& xy, const model::TColumn& column) { xy.ShowColumn(column); }));
}

void TForm1::ConvertClick() {
  if (!convertForm_) convertForm_ = std::make_unique<TConvertForm>();
  widgets::ShowInFront(*convertForm_);
}

void TForm1::AboutClick() {
  QMessageBox box(QMessageBox::Information, "О программе", kAboutText, QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.setIconPixmap(windowIcon().pixmap(48, 48));
  box.exec();
}

}  // namespace app
