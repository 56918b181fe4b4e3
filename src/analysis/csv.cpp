#include "analysis/csv.h"

#include <charconv>
#include <cmath>

namespace analysis {

std::string ShortestText(long double value) {
  const auto narrowed = static_cast<double>(value);
  if (std::isnan(narrowed)) return "nan";
  if (std::isinf(narrowed)) return narrowed < 0 ? "-inf" : "inf";
  char text[32];
  const std::to_chars_result written = std::to_chars(text, text + sizeof text, narrowed);
  return std::string(text, written.ptr);
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out << ',';
    out << CsvField(fields[i]);
  }
  out << "\r\n";
}

}  // namespace analysis
