#include "platform/runtime/rounding.h"

#include <cmath>
#include <limits>

#include "platform/runtime/automation_error.h"

namespace taskvane {

double RoundHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  const double scale = std::pow(10.0, decimals);
  const double scaled = value * scale;
  // Decide ties on the decimal value, not on its binary approximation: 0.125 scaled
  // by 100 is 12.5 exactly, but 2.675 * 100 is 267.49999... and must stay below.
  double floor_part = std::floor(scaled);
  const double diff = scaled - floor_part;
  double result;
  constexpr double kTieTolerance = 1e-9;
  if (std::fabs(diff - 0.5) < kTieTolerance * std::max(1.0, std::fabs(scaled))) {
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
