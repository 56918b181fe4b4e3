#pragma once

#include <string>

class QImage;
class QString;
class QWidget;

namespace widgets {

// The picture as a PNG file's bytes.
std::string PngBytes(const QImage& picture);

// Asks where to save, in a save dialog over `parent` that offers the name
// filters and adds the default suffix to a name without one. Empty when
// the user cancels.
QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& filters,
                       const QString& defaultSuffix, const QString& suggestedName);

// Saves the bytes as the file, whole or not at all. Throws runtime::Exception
// with a message that names the file and the system's reason.
void SaveOrThrow(const QString& file, const std::string& bytes);

}  // namespace widgets
