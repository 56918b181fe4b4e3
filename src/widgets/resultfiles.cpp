#include "widgets/resultfiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QFileDialog>

#include "commands/savefile.h"
#include "runtime/errors.h"

namespace widgets {

std::string PngBytes(const QImage& picture) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  return png.toStdString();
}

QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& filters,
                       const QString& defaultSuffix, const QString& suggestedName) {
  // The toolkit's own dialog looks the same on every desktop and can be
  // answered by the window tests.
  QFileDialog dialog(parent, caption);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters.split(";;"));
  dialog.setDefaultSuffix(defaultSuffix);
  // A name typed without a suffix takes the one of the chosen filter.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    const qsizetype star = filter.indexOf("*.");
    if (star >= 0) dialog.setDefaultSuffix(filter.mid(star + 2).section(')', 0, 0).section(' ', 0, 0));
  });
  dialog.selectFile(suggestedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void SaveOrThrow(const QString& file, const std::string& bytes) {
  const std::string reason = commands::SaveFileBytes(QFile::encodeName(file).toStdString(), bytes);
  if (!reason.empty()) {
    throw runtime::Exception("Не удалось сохранить файл «" + file.toStdString() + "»: " + reason);
  }
}

}  // namespace widgets
