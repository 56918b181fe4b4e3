#include "app/form3.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/application.h"
#include "app/fixedwindow.h"
#include "app/infotext.h"
#include "app/pushbutton.h"
#include "app/windowfont.h"

namespace app {

TForm3::TForm3() {
  setWindowTitle("Информация");
  setFont(WindowFont());
  move(396, 72);
  MakeFixedWindow(*this, {319, 440});
  // Closing the main window ends the program even while this one is open.
  setAttribute(Qt::WA_QuitOnClose, false);

  Label1 = new QLabel("Информация о Stillwise", this);
  Label1->setTextFormat(Qt::PlainText);
  Label1->move(75, 8);
  Label1->adjustSize();

  Button1 = new TPushButton("Закрыть", this);
  Button1->setGeometry(97, 408, 75, 25);
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(12, 32, 294, 369);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setPlainText(QString::fromUtf8(InformationText()));

  setTabOrder(Button1, Memo1);
}

void TForm3::Button1Click() { hide(); }

}  // namespace app
