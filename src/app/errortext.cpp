#include "app/errortext.h"

#include <QFileInfo>

namespace app {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

QString ApplicationTitle(const QString& executablePath) {
  QString name = QFileInfo(executablePath).fileName();
  const qsizetype dot = name.indexOf(u'.');
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  const qsizetype first = name.front().isHighSurrogate() ? 2 : 1;
  return name.left(first) + name.mid(first).toLower();
}

}  // namespace app
