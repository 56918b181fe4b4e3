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

void TMainForm::CreateMenus() {
  menuBar_ = new QMenuBar(this);
  const auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys, auto command) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, widgets::Guarded(command));
    return action;
  };

  QMenu* file = menuBar_->addMenu("&Файл");
  saveReportAction_ = add(file, "saveReportAction", "&Сохранить отчёт…", QKeySequence("Ctrl+S"), [this] { SaveReportClicked(); });
  exportCsvAction_ = add(file, "exportCsvAction", "&Экспорт таблицы в CSV…", QKeySequence("Ctrl+E"), [this] { ExportCsvClicked(); });
  saveChartAction_ = add(file, "saveChartAction", "Сохранить &график…", QKeySequence("Ctrl+Shift+S"), [this] { SaveChartClicked(); });
  file->addSeparator();
  exitAction_ = add(file, "exitAction", "В&ыход", QKeySequence("Ctrl+Q"), [this] { close(); });

  QMenu* edit = menuBar_->addMenu("&Правка");
  copyReportAction_ = add(edit, "copyReportAction", "&Копировать отчёт", QKeySequence("Ctrl+Shift+C"), [this] { CopyReportClicked(); });
  copyChartAction_ = add(edit, "copyChartAction", "Копировать &график", QKeySequence(), [this] { CopyChartClicked(); });

  QMenu* analysis = menuBar_->addMenu("&Анализ");
  studyAction_ = add(analysis, "studyAction", "&Флегмовое число и тарелки…", QKeySequence("Ctrl+T"), [this] { StudyClicked(); });
  batchAction_ = add(analysis, "batchAction", "&Перегонка по времени…", QKeySequence("Ctrl+B"), [this] { BatchClicked(); });
  xyAction_ = add(analysis, "xyAction", "&Диаграмма x–y…", QKeySequence("Ctrl+D"), [this] { XyClicked(); });
  convertAction_ = add(analysis, "convertAction", "Пересчёт &крепости…", QKeySequence(), [this] { ConvertClicked(); });

  QMenu* help = menuBar_->addMenu("&Справка");
  informationAction_ = add(help, "informationAction", "&Информация", QKeySequence(Qt::Key_F1), [this] { InformationClicked(); });
  aboutAction_ = add(help, "aboutAction", "&О программе", QKeySequence(), [this] { AboutClicked(); });

  menuBar_->adjustSize();
  menuBar_->setGeometry(0, 0, 678, menuBar_->sizeHint().height());
  EnableResultActions(false);
}

void TMainForm::EnableResultActions(bool enabled) {
  for (QAction* action :
       {saveReportAction_, exportCsvAction_, saveChartAction_, copyReportAction_, copyChartAction_}) {
    action->setEnabled(enabled);
  }
}

std::string TMainForm::ShownReport() const { return commands::ReportText(Lines(*reportList_), Lines(*stillOutputList_)); }

void TMainForm::SaveReportClicked() {
  const QString file = widgets::ChooseSaveFile(this, "Сохранить отчёт", "Текст (*.txt);;Все файлы (*)",
                                      "txt", "stillwise-report.txt");
  if (!file.isEmpty()) widgets::SaveOrThrow(file, ShownReport());
}

void TMainForm::ExportCsvClicked() {
  const QString file = widgets::ChooseSaveFile(this, "Экспорт таблицы в CSV", "Таблица CSV (*.csv);;Все файлы (*)",
                                      "csv", "stillwise-trays.csv");
  if (!file.isEmpty()) widgets::SaveOrThrow(file, analysis::TrayTableCsv(lastResult_));
}

void TMainForm::SaveChartClicked() { widgets::SaveChartPicture(this, *strengthChart_, "stillwise-chart.png", "Сохранить график"); }

void TMainForm::CopyReportClicked() { QApplication::clipboard()->setText(QString::fromStdString(ShownReport())); }

void TMainForm::CopyChartClicked() { widgets::CopyChartsAndTable({strengthChart_}, {}); }

namespace {

// Makes a window that follows the main window's calculations on its first
// opening, handing it the last calculation at once when there is one.
template <class Window, class Take>
Window& Following(TMainForm& form, std::unique_ptr<Window>& window, const model::ColumnResult* last, Take take) {
  if (!window) {
    window = std::make_unique<Window>();
    Window* shown = window.get();
    QObject::connect(&form, &TMainForm::Calculated, shown,
                     [shown, take](const model::ColumnResult& column) { take(*shown, column); });
    if (last) take(*shown, *last);
  }
  return *window;
}

}  // namespace

const model::ColumnResult* TMainForm::LastCalculation() const {
  // The results' entries turn on with the first report written whole.
  return exportCsvAction_->isEnabled() ? &lastResult_ : nullptr;
}

void TMainForm::StudyClicked() {
  Following(*this, studyForm_, LastCalculation(), [](TStudyForm& study, const model::ColumnResult& column) {
    study.ShowInputs(column.inputs);
  }).Open();
}

void TMainForm::BatchClicked() {
  Following(*this, batchForm_, LastCalculation(), [](TBatchForm& batch, const model::ColumnResult& column) {
    batch.MainCalculated(column);
  }).Open();
}

void TMainForm::XyClicked() {
  widgets::ShowInFront(Following(*this, xyForm_, LastCalculation(),
                        [](TXyForm& xy, const model::ColumnResult& column) { xy.ShowColumn(column); }));
}

void TMainForm::ConvertClicked() {
  if (!convertForm_) convertForm_ = std::make_unique<TConvertForm>();
  widgets::ShowInFront(*convertForm_);
}

void TMainForm::AboutClicked() {
  QMessageBox box(QMessageBox::Information, "О программе", kAboutText, QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.setIconPixmap(windowIcon().pixmap(48, 48));
  box.exec();
}

}  // namespace app
