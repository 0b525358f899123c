#pragma once

// Where each stream of a compound file lies in the file's bytes, read from the container's
// own tables (header, sector allocation table, directory, mini stream), so that a test can
// damage one stream of a real file in place. For test inputs only: the tables of a file
// that does not follow the container's rules give no streams.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace taskvane::project::testing {

struct StreamExtent {
  std::string path;  // names joined by "/" from the root: "   114/TBkndTask/FixedData"
  std::size_t size = 0;
  // The byte ranges of the file that hold the stream, in stream order; together exactly
  // `size` bytes.
  std::vector<std::pair<std::size_t, std::size_t>> ranges;  // (offset, length)
};

std::vector<StreamExtent> StreamExtents(std::span<const std::uint8_t> file);

}  // namespace taskvane::project::testing
