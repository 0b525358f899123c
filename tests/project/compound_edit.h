#pragma once

// Copies of a compound file (the container of binary schedules) with some streams changed
// or left out, written through libgsf: damaged or altered versions of real schedules for
// the reader's tests.

#include <functional>
#include <string>
#include <string_view>

namespace taskvane::project::testing {

// Called for every stream with its path from the root ("   114/TBkndTask/FixedData") and
// its bytes, which it may change; returning false leaves the stream out of the copy.
using StreamEdit = std::function<bool(const std::string& path, std::string& bytes)>;

// The bytes of a compound file holding the storages and streams of `bytes`, each stream
// passed through `edit`. Empty when `bytes` is not a readable compound file.
std::string EditCompoundFile(std::string_view bytes, const StreamEdit& edit);

}  // namespace taskvane::project::testing
