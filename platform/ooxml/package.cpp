#include "platform/ooxml/package.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/ooxml/zip_writer.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::ooxml {

namespace {

std::string SaveFailure(const std::string& path, const std::string& reason) {
  return "'" + path + "' 파일을 저장할 수 없습니다. " + reason;
}

// The zip file built in memory.
class StringOutput : public ZipOutput {
 public:
  void Append(std::string_view bytes) override { bytes_.append(bytes); }
  void Overwrite(std::uint64_t offset, std::string_view bytes) override {
    bytes_.replace(static_cast<std::size_t>(offset), bytes.size(), bytes);
  }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace

Package::Part& Package::Slot(std::string name) {
  for (Part& part : parts_) {
    if (part.name == name) return part;
  }
  return parts_.emplace_back(Part{std::move(name), {}, {}});
}

void Package::Add(std::string name, std::string content) {
  Part& part = Slot(std::move(name));
  part.content = std::move(content);
  part.write = nullptr;
}

void Package::AddStreamed(std::string name, Writer write) {
  Part& part = Slot(std::move(name));
  part.content.clear();
  part.write = std::move(write);
}

void Package::WriteZip(ZipOutput& out, long error_number) const {
  ZipWriter zip(out, error_number);
  for (const Part& part : parts_) {
    zip.BeginEntry(part.name);
    if (part.write) {
      PartStream stream([&zip](std::string_view piece) { zip.Write(piece); });
      part.write(stream);
      stream.Flush();
    } else {
      zip.Write(part.content);
    }
    zip.EndEntry();
  }
  zip.Finish();
}

std::string Package::Bytes(long error_number) const {
  StringOutput out;
  WriteZip(out, error_number);
  return out.Take();
}

std::vector<std::pair<std::string, std::string>> Package::Parts() const {
  std::vector<std::pair<std::string, std::string>> parts;
  for (const Part& part : parts_) {
    std::string content = part.content;
    if (part.write) {
      PartStream stream([&content](std::string_view piece) { content.append(piece); });
      part.write(stream);
      stream.Flush();
    }
    parts.emplace_back(part.name, std::move(content));
  }
  return parts;
}

void Package::Save(const std::string& path, long error_number, TemporaryKind temporary) const {
  if (path.empty()) throw AutomationError(error_number, SaveFailure(path, "파일 이름이 없습니다."));
  struct stat existing;
  if (::lstat(path.c_str(), &existing) == 0) {
    throw AutomationError(error_number, SaveFailure(path, SaveFailureReason(EEXIST)));
  }
  try {
    PackageFile file(path, error_number, temporary);
    WriteZip(file, error_number);
    file.Commit();
  } catch (const AutomationError& e) {
    throw AutomationError(error_number, SaveFailure(path, e.Description));
  }
}

}  // namespace taskvane::ooxml
