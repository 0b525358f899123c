#pragma once

// A binary schedule opened for reading: its container, which format it is (9 = Project
// 2000-2003, 12 = Project 2007, 14 = Project 2010 and later), which application version
// wrote it, and its streams with any masking taken off.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/project/mpp/compound_file.h"
#include "platform/project/mpp/props_stream.h"

namespace taskvane::project::mpp {

class MppFile {
 public:
  // Opens the binary schedule held in `bytes`, which must outlive the object. Raises
  // AutomationError 432 (with a Korean reason, without the path) for a container that
  // cannot be read, a file of another program, a Project 98 or older file, and a file
  // that needs a password to be opened.
  static MppFile Open(std::span<const std::uint8_t> bytes);

  int Format() const { return format_; }  // 9, 12 or 14
  // The major version of the application that saved the file: 9 for Project 2000-2003,
  // 12 for 2007, 14 for 2010, 15 for 2013, 16 for 2016 and later.
  int ApplicationMajor() const { return application_major_; }

  // A stream of the project storage ("TBkndTask/FixedData", "Props"), unmasked when the
  // file masks it; std::nullopt when it is absent. The streams of a file lie side by side
  // in it, so together they are no larger than the file: a file whose streams read as more
  // than twice its size shares sectors between them and raises AutomationError 432.
  std::optional<std::vector<std::uint8_t>> FindStream(std::string_view relative_path) const;
  // The same, raising AutomationError 432 (damaged file) when the stream is absent.
  std::vector<std::uint8_t> RequireStream(std::string_view relative_path) const;

  // The project's Props stream: field maps, project properties, inserted projects.
  const PropsStream& ProjectProps() const { return project_props_; }

 private:
  MppFile(CompoundFile container, int format, int application_major, std::uint8_t mask,
          std::size_t file_size);

  CompoundFile container_;
  int format_ = 0;
  int application_major_ = 0;
  std::uint8_t mask_ = 0;  // XOR-ed over the masked streams; 0 = none
  std::size_t file_size_ = 0;
  mutable std::size_t stream_bytes_read_ = 0;
  std::string project_storage_;
  std::vector<std::uint8_t> project_props_bytes_;
  PropsStream project_props_;
};

}  // namespace taskvane::project::mpp
