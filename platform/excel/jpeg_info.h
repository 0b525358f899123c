#pragma once

#include <optional>
#include <string>

namespace taskvane::excel {

struct JpegSize {
  long width = 0;
  long height = 0;
};

// Decodes a JPEG completely (so that a damaged picture is caught now rather than in the
// reader's hands) and gives its pixel size; nullopt with `reason` (Korean) otherwise.
// Pictures above 100 megapixels are refused.
std::optional<JpegSize> ReadJpeg(const std::string& bytes, std::string& reason);

}  // namespace taskvane::excel
