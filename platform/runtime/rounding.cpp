#include "platform/runtime/rounding.h"

#include <cmath>
#include <limits>

#include "platform/runtime/automation_error.h"

namespace taskvane {

namespace {

// How far from a half a scaled value may lie and still be a half: the error that
// representing the decimal value and scaling it leave, a few units in the last place.
constexpr double kTieUlps = 4;

double UnitInLastPlace(double value) {
  const double magnitude = std::fabs(value);
  return std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
}

}  // namespace

double RoundHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  // Ties are decided on the decimal value, not on its binary approximation: 0.135 is a
  // little above a half in binary and 0.145 a little below, yet both are halves. A value
  // that is off a half by more than the arithmetic's own error (42.45000001666) is no tie.
  const double floor_part = std::floor(scaled);
  const double diff = scaled - floor_part;
  double result;
  if (std::fabs(diff - 0.5) <= kTieUlps * UnitInLastPlace(scaled)) {
    result = std::fmod(floor_part, 2.0) == 0.0 ? floor_part : floor_part + 1.0;
  } else {
    result = std::round(scaled);
  }
  return result / scale;
}

std::int32_t CInt32(double value) {
  const double r = RoundHalfEven(value, 0);
  if (!std::isfinite(r) || r < std::numeric_limits<std::int32_t>::min() ||
      r > std::numeric_limits<std::int32_t>::max()) {
    throw AutomationError(kErrOverflow, "오버플로");
  }
  return static_cast<std::int32_t>(r);
}

}  // namespace taskvane
