#include "app/infoform.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "commands/infotext.h"
#include "widgets/application.h"
#include "widgets/fixedwindow.h"
#include "widgets/pushbutton.h"
#include "widgets/windowfont.h"

namespace app {

TForm3::TForm3() {
  setWindowTitle("Информация");
  setFont(widgets::WindowFont());
  move(396, 72);
  widgets::MakeFixedWindow(*this, {319, 440});
  // Closing the main window ends the program even while this one is open.
  setAttribute(Qt::WA_QuitOnClose, false);

  Label1 = new QLabel("Информация о Stillwise", this);
  Label1->setTextFormat(Qt::PlainText);
  Label1->move(75, 8);
  Label1->adjustSize();

  Button1 = new widgets::TPushButton("Закрыть", this);
  Button1->setGeometry(97, 408, 75, 25);
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, widgets::Guarded([this] { Button1Click(); }));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(12, 32, 294, 369);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setPlainText(QString::fromUtf8(commands::InformationText()));

  setTabOrder(Button1, Memo1);
}

void TForm3::Button1Click() { hide(); }

}  // namespace app
