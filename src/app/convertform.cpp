#include "app/convertform.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/errortext.h"
#include "numtext/numtext.h"
#include "runtime/errors.h"
#include "widgets/controls.h"
#include "widgets/windowkeys.h"

namespace app {
namespace {

struct UnitField {
  model::StrengthUnit unit;
  const char* label;       // with its mnemonic
  const char* name;        // what a screen reader says
  const char* sourceText;  // "из 40 % по объёму"
};

constexpr UnitField kFields[] = {
    {model::StrengthUnit::kMass, "По &массе, %:", "Крепость по массе, %", "% по массе"},
    {model::StrengthUnit::kVolume, "По &объёму при 20 °C, %:", "Крепость по объёму при 20 °C, %",
     "% по объёму"},
    {model::StrengthUnit::kMole, "По мо&лям, %:", "Крепость по молям, %", "% по молям"},
    {model::StrengthUnit::kDensity, "&Плотность при 20 °C, кг/м³:", "Плотность при 20 °C, кг/м³",
     "кг/м³"}};

long double ValueIn(const model::Strengths& strengths, model::StrengthUnit unit) {
  switch (unit) {
    case model::StrengthUnit::kMass: return strengths.masspercent;
    case model::StrengthUnit::kVolume: return strengths.volumepercent;
    case model::StrengthUnit::kMole: return strengths.molepercent;
    case model::StrengthUnit::kDensity: return strengths.density;
  }
  return 0;
}

}  // namespace

TConvertForm::TConvertForm() {
  setWindowTitle("Пересчёт крепости");
  // Closing it only hides it; closing the main window ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* fields = new QFormLayout;
  for (const UnitField& field : kFields) {
    auto* edit = new QLineEdit(this);
    edit->setAccessibleName(field.name);
    auto* label = new QLabel(field.label, this);
    label->setBuddy(edit);
    fields->addRow(label, edit);
    edits_[static_cast<std::size_t>(field.unit)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, unit = field.unit] {
      source_ = unit;
      Convert();
    });
  }
  convertButton_ = new QPushButton("П&ересчитать", this);
  convertButton_->setAccessibleName("Пересчитать");
  connect(convertButton_, &QPushButton::clicked, this, [this] { Convert(); });
  sourceLabel_ = widgets::PlainLabel(this);
  sourceLabel_->setAccessibleName("Из чего пересчитано");
  statusLine_ = widgets::PlainLabel(this);
  statusLine_->setObjectName("statusLine");
  statusLine_->setWordWrap(true);
  statusLine_->setAccessibleName("Сообщение");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(convertButton_, 0, Qt::AlignLeft);
  layout->addWidget(sourceLabel_);
  layout->addWidget(statusLine_);
  layout->addStretch();
  widgets::BindWindowKeys(*this, [this] { Convert(); });
  resize(380, 210);
}

void TConvertForm::Convert() {
  const UnitField& source = kFields[static_cast<std::size_t>(source_)];
  const QString typed = Edit(source_)->text().trimmed();
  for (const UnitField& field : kFields) {
    if (field.unit != source_) Edit(field.unit)->clear();
  }
  sourceLabel_->clear();
  statusLine_->clear();
  if (typed.isEmpty()) return;
  model::Strengths strengths;
  try {
    strengths = model::StrengthsFrom(numtext::StrToFloat(typed.toStdString()), source_);
  } catch (const runtime::EConvertError&) {
    statusLine_->setText("«" + typed + "» — не число. Введите число, например " +
                         widgets::NumberText("0.0", 40.5L) + ".");
    return;
  } catch (const runtime::EStrengthRangeError& error) {
    statusLine_->setText(QString::fromStdString(commands::ErrorBoxText(error.what())));
    return;
  }
  for (const UnitField& field : kFields) {
    if (field.unit == source_) continue;
    Edit(field.unit)->setText(widgets::NumberText("0.00", ValueIn(strengths, field.unit)));
  }
  sourceLabel_->setText("Пересчитано из " + typed + " " + source.sourceText + ".");
}

}  // namespace app
