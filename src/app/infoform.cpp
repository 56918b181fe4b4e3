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

TInfoForm::TInfoForm() {
  setWindowTitle("Информация");
  setFont(widgets::WindowFont());
  move(396, 72);
  widgets::MakeFixedWindow(*this, {319, 440});
  // Closing the main window ends the program even while this one is open.
  setAttribute(Qt::WA_QuitOnClose, false);

  titleLabel_ = new QLabel("Информация о Stillwise", this);
  titleLabel_->setTextFormat(Qt::PlainText);
  titleLabel_->move(75, 8);
  titleLabel_->adjustSize();

  closeButton_ = new widgets::TPushButton("Закрыть", this);
  closeButton_->setObjectName("closeButton");
  closeButton_->setGeometry(97, 408, 75, 25);
  closeButton_->setAutoDefault(false);
  connect(closeButton_, &QPushButton::clicked, this, widgets::Guarded([this] { CloseClicked(); }));

  informationText_ = new QPlainTextEdit(this);
  informationText_->setObjectName("informationText");
  informationText_->setGeometry(12, 32, 294, 369);
  informationText_->setReadOnly(true);
  informationText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  informationText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  informationText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  informationText_->setPlainText(QString::fromUtf8(commands::InformationText()));

  setTabOrder(closeButton_, informationText_);
}

void TInfoForm::CloseClicked() { hide(); }

}  // namespace app
