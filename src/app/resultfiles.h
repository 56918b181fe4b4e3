#pragma once

#include <string>
#include <string_view>
#include <vector>

class QImage;
class QString;
class QWidget;

namespace app {

// The report as one text: the report's lines top to bottom, an empty line,
// the still output's lines, each line ended by a line feed. It is what the
// command line prints and what the window saves and copies.
std::string ReportText(const std::vector<std::string>& report,
                       const std::vector<std::string>& stillOutput);

// Whether a file name asks for a vector picture: it ends in ".svg", in any
// case.
bool IsSvgName(std::string_view file);

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

}  // namespace app
