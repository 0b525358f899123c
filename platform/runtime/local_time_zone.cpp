#include "platform/runtime/local_time_zone.h"

#include <cstdlib>
#include <ctime>

namespace taskvane {

void SettleLocalTimeZone() {
  if (std::getenv("TZ") != nullptr) return;
  ::setenv("TZ", ":/etc/localtime", /*overwrite=*/0);
  ::tzset();
}

}  // namespace taskvane
