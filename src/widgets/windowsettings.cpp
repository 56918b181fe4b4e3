#include "widgets/windowsettings.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSettings>
#include <QWidget>

namespace widgets {
namespace {

// Saves the window's state when it hides, as it does when closed and when
// destroyed while shown (its fields still there); a child of the window, so
// it goes with it.
class TWindowMemory : public QObject {
 public:
  TWindowMemory(QWidget& window, const QString& key) : QObject(&window), window_(window), key_(key) {
    window.installEventFilter(this);
  }

  void Restore() const {
    QSettings settings;
    settings.beginGroup(key_);
    if (settings.contains("geometry")) window_.restoreGeometry(settings.value("geometry").toByteArray());
    const QList<QLineEdit*> edits = Edits();
    const QStringList texts = settings.value("fields").toStringList();
    if (texts.size() == edits.size()) {
      for (qsizetype i = 0; i < edits.size(); ++i) edits[i]->setText(texts[i]);
    }
    const QList<QComboBox*> boxes = Boxes();
    const QVariantList choices = settings.value("choices").toList();
    if (choices.size() == boxes.size()) {
      for (qsizetype i = 0; i < boxes.size(); ++i) {
        const int index = choices[i].toInt();
        if (index >= 0 && index < boxes[i]->count()) boxes[i]->setCurrentIndex(index);
      }
    }
  }

  void Save() const {
    QSettings settings;
    settings.beginGroup(key_);
    settings.setValue("geometry", window_.saveGeometry());
    QStringList texts;
    for (const QLineEdit* edit : Edits()) texts << edit->text();
    settings.setValue("fields", texts);
    QVariantList choices;
    for (const QComboBox* box : Boxes()) choices << box->currentIndex();
    settings.setValue("choices", choices);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Hide) Save();
    return QObject::eventFilter(watched, event);
  }

 private:
  // Combo boxes hold line edits of their own when editable; only the
  // window's own fields count.
  QList<QLineEdit*> Edits() const {
    QList<QLineEdit*> edits;
    for (QLineEdit* edit : window_.findChildren<QLineEdit*>()) {
      if (!qobject_cast<QComboBox*>(edit->parent())) edits << edit;
    }
    return edits;
  }
  QList<QComboBox*> Boxes() const { return window_.findChildren<QComboBox*>(); }

  QWidget& window_;
  QString key_;
};

}  // namespace

void RememberWindow(QWidget& window, const QString& key) { (new TWindowMemory(window, key))->Restore(); }

}  // namespace widgets
