#pragma once

// Tables written as CSV (RFC 4180): fields separated by ",", rows ended by
// CRLF, a field quoted when it holds a comma, a quote or a line break.
// Numbers use "." whatever the locale, in the shortest text that reads back
// as the same 64-bit double.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

// `value` narrowed to a 64-bit double, in the shortest text that reads back
// as that double: "0.1", "1e+300", "-0"; "inf", "-inf" and "nan" for the
// special values.
std::string ShortestText(long double value);

// The field as it stands in a row: quoted, with inner quotes doubled, when
// it holds a comma, a quote, a carriage return or a line feed.
std::string CsvField(std::string_view text);

// Writes one row: the fields quoted as needed, joined by commas, then CRLF.
void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields);

}  // namespace analysis
