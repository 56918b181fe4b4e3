#include "widgets/application.h"

#include <QFileInfo>
#include <QEvent>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QWidget>

#include "commands/errortext.h"
#include "commands/savefile.h"
#include "numtext/numtext.h"
#include "widgets/programicon.h"
#include "widgets/windowfont.h"

namespace widgets {

QString ApplicationTitle(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  const qsizetype dot = name.indexOf(u'.');
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  const qsizetype first = name.front().isHighSurrogate() ? 2 : 1;
  return name.left(first) + name.mid(first).toLower();
}
namespace {

constexpr int kCaptionShift = -2;

// The platform style with the program's hint timing, and check boxes as
// compact as the fixed layout needs: a 13-pixel box 4 pixels from its text.
class TProgramStyle : public QProxyStyle {
 public:
  // The classic desktop look the fixed layout was made for: group-box
  // frames through the middle of their caption, captions inset from the
  // left edge, flat-faced buttons, check boxes and lists.
  TProgramStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    // Hints wake after 500 ms; while one is up, the next comes without delay.
    if (hint == SH_ToolTip_WakeUpDelay) return 500;
    if (hint == SH_ToolTip_FallAsleepDelay) return 2500;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl part, const QWidget* widget) const override {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    // The caption's text starts 8 pixels from the box's left edge, its
    // face-coloured gap in the frame 2 pixels before it.
    if (control == CC_GroupBox && part == SC_GroupBoxLabel) rect.translate(kCaptionShift, 0);
    return rect;
  }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) return 13;
    if (metric == PM_CheckBoxLabelSpacing) return 4;
    // List items start 2 pixels inside the list's border.
    if (metric == PM_FocusFrameHMargin && qobject_cast<const QListWidget*>(widget)) return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// Qt's own texts (standard buttons, file dialogs, the fields' context menus)
// in the interface's language. Without the translation file they stay in
// English, which is no reason to stop.
void InstallQtTranslation(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  commands::IgnoreWriteSignals();
  numtext::ReadLocaleSeparators();
  InstallFontSubstitutes();
  setStyle(new TProgramStyle);
  setWindowIcon(ProgramIcon());
  setDesktopFileName(QStringLiteral("org.stillwise.Stillwise"));
  // Where QSettings keeps what the windows remember, under the program
  // file's name, which stays the application name (window titles use it).
  setOrganizationName(QStringLiteral("Stillwise"));
  setOrganizationDomain(QStringLiteral("stillwise.org"));
  InstallQtTranslation(*this);
  title_ = ApplicationTitle(applicationFilePath());
}

TApplication* TApplication::Instance() {
  return qobject_cast<TApplication*>(QCoreApplication::instance());
}

void TApplication::HandleException(const std::exception& error) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  const std::string text = commands::ErrorBoxText(commands::ErrorMessage(error));
  if (errorStream_) {
    *errorStream_ << text << '\n';
    return;
  }
  QMessageBox box(QMessageBox::Critical, title_, QString::fromStdString(text), QMessageBox::Ok);
  // Messages carry typed text, which must show as it was typed, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool TApplication::event(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) numtext::ReadLocaleSeparators();
  return QApplication::event(event);
}

}  // namespace widgets
