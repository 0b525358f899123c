// Feeds arbitrary bytes to the binary schedule reader and reads every member of what
// loads. Reading may fail only with AutomationError; nothing may crash, hang or leak.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/project/mpp/mpp_loader.h"
#include "platform/project/project.h"
#include "platform/project/schedule_data.h"
#include "tests/project/read_every_member.h"

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
