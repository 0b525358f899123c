#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ooxml/zip_writer.h"

namespace taskvane::ooxml {

// How the file being saved waits for its name.
enum class TemporaryKind {
  // An unnamed file in the target's folder (O_TMPFILE): a save that dies on the way
  // leaves nothing behind.
  Unnamed,
  // A hidden file beside the target, ".~<name>.<pid>.<random>.tmp", removed on every
  // failure the process lives through: what file systems without unnamed files get.
  Named,
};

// The file a package is saved into. It is written in the target's folder and gets the
// target's name, by a hard link, only once everything is written and synced and only if
// the name is still free; it never replaces a file. Writes are buffered. Every failure
// raises AutomationError(error_number, the reason in Korean).
class PackageFile : public ZipOutput {
 public:
  // `preferred` Unnamed falls back to Named where the file system has no unnamed files.
  PackageFile(const std::string& target, long error_number, TemporaryKind preferred);
  ~PackageFile() override;
  PackageFile(const PackageFile&) = delete;
  PackageFile& operator=(const PackageFile&) = delete;

  void Append(std::string_view bytes) override;
  void Overwrite(std::uint64_t offset, std::string_view bytes) override;
  // Writes out the buffer, syncs, and links the file in under the target's name.
  void Commit();

  TemporaryKind Kind() const { return kind_; }

 private:
  [[noreturn]] void Fail(int error) const;
  void WriteOut(const char* data, std::size_t size);
  void FlushBuffer();
  int Link();

  std::string target_;
  long error_number_;
  TemporaryKind kind_ = TemporaryKind::Unnamed;
  int fd_ = -1;
  std::string named_path_;  // the named file's path while it exists
  std::string buffer_;
  std::uint64_t written_ = 0;  // bytes already in the file, before the buffer
};

// The reason an errno gives a failed save, in Korean.
std::string SaveFailureReason(int error);

}  // namespace taskvane::ooxml
