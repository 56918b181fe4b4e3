#include "cli/convertcommand.h"

#include <charconv>
#include <sstream>

#include "cli/commandline.h"
#include "cli/studycommand.h"
#include "commands/errortext.h"
#include "runtime/errors.h"

namespace cli {
namespace {

constexpr std::pair<std::string_view, model::StrengthUnit> kUnitNames[] = {
    {"mass", model::StrengthUnit::kMass},
    {"volume", model::StrengthUnit::kVolume},
    {"mole", model::StrengthUnit::kMole},
    {"density", model::StrengthUnit::kDensity}};

// Fixed decimals with ".", whatever the locale: enough for any table, and
// short enough to read.
std::string Decimals(long double value, int decimals) {
  char text[64];
  const std::to_chars_result written = std::to_chars(
      std::begin(text), std::end(text), static_cast<double>(value), std::chars_format::fixed, decimals);
  return {text, written.ptr};
}

}  // namespace

std::string ParseConvertArguments(std::string_view value, std::string_view unit,
                                  ConvertRequest& request) {
  try {
    request.value = cli::ParseDotNumber(value);
  } catch (const EArgumentError& error) {
    return error.what();
  }
  for (const auto& [name, named] : kUnitNames) {
    if (unit == name) {
      request.unit = named;
      return {};
    }
  }
  return "unknown unit '" + std::string(unit) + "': mass, volume, mole or density";
}

int RunConvert(const ConvertRequest& request, std::ostream& out, std::ostream& err) {
  model::Strengths strengths;
  try {
    strengths = model::StrengthsFrom(request.value, request.unit);
  } catch (const runtime::EStrengthRangeError& error) {
    err << commands::ErrorBoxText(error.what()) << '\n';
    return 1;
  }
  std::ostringstream lines;
  lines << "mass_percent " << Decimals(strengths.masspercent, 4) << '\n'
        << "volume_percent " << Decimals(strengths.volumepercent, 4) << '\n'
        << "mole_percent " << Decimals(strengths.molepercent, 4) << '\n'
        << "density_kg_per_m3 " << Decimals(strengths.density, 3) << '\n';
  return WriteResult("-", lines.str(), out, err) ? 0 : 1;
}

}  // namespace cli
