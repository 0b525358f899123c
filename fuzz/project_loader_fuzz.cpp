// Feeds arbitrary bytes to the schedule loader and reads every member of what loads.
// Loading may fail only with AutomationError; nothing may crash, hang or leak.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/project/mspdi_loader.h"
#include "platform/project/project.h"
#include "platform/project/schedule_data.h"
#include "tests/project/read_every_member.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace taskvane::project;
  std::vector<char> buffer(data, data + size);
  try {
    auto document =
        std::make_unique<ProjectData>(LoadMspdi(buffer.data(), buffer.size(), "fuzz.xml"));
    Project project(std::move(document));
    testing::ReadEveryMember(project);
  } catch (const taskvane::AutomationError&) {
  }
  return 0;
}
