// Feeds arbitrary bytes to the binary schedule reader and reads every member of what
// loads. Reading may fail only with AutomationError; nothing may crash, hang or leak.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include <glib.h>

#include "platform/project/mpp/mpp_loader.h"
#include "platform/project/project.h"
#include "platform/project/schedule_data.h"
#include "tests/project/read_every_member.h"

// libgsf warns on standard error about every broken container it meets; the fuzzer meets
// thousands a second. Its critical messages, a sign of misuse, stay.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_log_set_handler(
      "libgsf:msole",
      static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE | G_LOG_LEVEL_INFO |
                                  G_LOG_LEVEL_DEBUG),
      [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace taskvane::project;
  try {
    auto document = std::make_unique<ProjectData>(
        mpp::LoadMpp(std::span<const std::uint8_t>(data, size), "fuzz.mpp"));
    Project project(std::move(document));
    testing::ReadEveryMember(project);
  } catch (const taskvane::AutomationError&) {
  }
  return 0;
}
