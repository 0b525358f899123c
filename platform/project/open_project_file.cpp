#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <span>
#include <string>

#include "platform/project/file_open_error.h"
#include "platform/project/mpp/compound_file.h"
#include "platform/project/mpp/mpp_loader.h"
#include "platform/project/mspdi_loader.h"
#include "platform/project/project.h"

namespace taskvane::project {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// The bytes of a file; not zero-filled first, since the file fills them at once.
struct FileBytes {
  std::unique_ptr<char[]> data;
  size_t size = 0;
};

// The whole file, or AutomationError 432 saying why it cannot be read.
FileBytes ReadWholeFile(const std::string& path) {
  if (path.empty()) throw FileOpenError(path, "파일 경로가 비어 있습니다.");
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) {
      throw FileOpenError(path, "파일이 없습니다.");
    }
    throw FileOpenError(path,
                        std::string("파일을 읽을 수 없습니다. (") + std::strerror(errno) + ")");
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    throw FileOpenError(path, "일반 파일이 아닙니다.");
  }
  if (static_cast<unsigned long long>(info.st_size) > kMaxScheduleFileBytes) {
    throw FileOpenError(path, "파일이 너무 큽니다.");
  }
  FileBytes bytes{std::make_unique_for_overwrite<char[]>(static_cast<size_t>(info.st_size)),
                  static_cast<size_t>(info.st_size)};
  size_t done = 0;
  while (done < bytes.size) {
    const ssize_t got = ::read(file.get(), bytes.data.get() + done, bytes.size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      throw FileOpenError(path,
                          std::string("파일을 읽을 수 없습니다. (") + std::strerror(errno) + ")");
    }
    if (got == 0) break;  // the file shrank while being read
    done += static_cast<size_t>(got);
  }
  bytes.size = done;
  return bytes;
}

}  // namespace

std::shared_ptr<Project> OpenProjectFile(const std::string& path) {
  FileBytes bytes = ReadWholeFile(path);
  if (bytes.size == 0) throw FileOpenError(path, "빈 파일입니다.");
  // The content decides, not the name: a compound file is a binary schedule, anything
  // else is read as Project XML (which refuses what is not).
  const std::span<const std::uint8_t> content(
      reinterpret_cast<const std::uint8_t*>(bytes.data.get()), bytes.size);
  auto data = std::make_unique<ProjectData>(mpp::HasCompoundFileSignature(content)
                                                ? mpp::LoadMpp(content, path)
                                                : LoadMspdi(bytes.data.get(), bytes.size, path));
  bytes.data.reset();
  return std::make_shared<Project>(std::move(data));
}

}  // namespace taskvane::project
