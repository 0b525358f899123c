#include "platform/ooxml/package_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "platform/runtime/automation_error.h"

namespace taskvane::ooxml {

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 18;

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

std::string BaseName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The errors by which open(O_TMPFILE) says the file system (or the kernel) has no
// unnamed files.
bool NoUnnamedFiles(int error) {
  return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

}  // namespace

std::string SaveFailureReason(int error) {
  switch (error) {
    case EEXIST:
      return "같은 이름의 파일이 이미 있습니다.";
    case ENOENT:
      return "폴더가 없습니다.";
    case ENOTDIR:
      return "경로에 폴더가 아닌 항목이 있습니다.";
    case EACCES:
    case EPERM:
      return "쓰기 권한이 없습니다.";
    case ENOSPC:
    case EDQUOT:
      return "디스크 공간이 부족합니다.";
    case EROFS:
      return "읽기 전용 위치입니다.";
    case ENAMETOOLONG:
      return "경로가 너무 깁니다.";
    case EISDIR:
      return "같은 이름의 폴더가 있습니다.";
    default:
      return std::string("시스템 오류: ") + std::strerror(error);
  }
}

PackageFile::PackageFile(const std::string& target, long error_number, TemporaryKind preferred)
    : target_(target), error_number_(error_number) {
  const std::string folder = FolderOf(target);
  if (preferred == TemporaryKind::Unnamed) {
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ < 0 && !NoUnnamedFiles(errno)) Fail(errno);
  }
  if (fd_ < 0) {
    kind_ = TemporaryKind::Named;
    const std::string prefix = (folder == "." ? "" : folder) + ".~" +
                               BaseName(target).substr(0, 100) + "." + std::to_string(::getpid()) +
                               ".";
    std::random_device random;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      std::string candidate = prefix + std::to_string(random()) + ".tmp";
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        named_path_ = std::move(candidate);
      } else if (errno != EEXIST) {
        Fail(errno);
      }
    }
    if (fd_ < 0) Fail(EEXIST);
  }
  buffer_.reserve(kBufferSize);
}

PackageFile::~PackageFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!named_path_.empty()) ::unlink(named_path_.c_str());
}

void PackageFile::Fail(int error) const {
  throw AutomationError(error_number_, SaveFailureReason(error));
}

void PackageFile::WriteOut(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    data += n;
    size -= static_cast<std::size_t>(n);
    written_ += static_cast<std::uint64_t>(n);
  }
}

void PackageFile::FlushBuffer() {
  WriteOut(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void PackageFile::Append(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBufferSize) FlushBuffer();
  if (bytes.size() >= kBufferSize) {
    WriteOut(bytes.data(), bytes.size());
  } else {
    buffer_.append(bytes);
  }
}

void PackageFile::Overwrite(std::uint64_t offset, std::string_view bytes) {
  if (offset < written_ && offset + bytes.size() > written_) FlushBuffer();  // straddles both
  if (offset >= written_) {
    buffer_.replace(static_cast<std::size_t>(offset - written_), bytes.size(), bytes);
    return;
  }
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

int PackageFile::Link() {
  if (kind_ == TemporaryKind::Unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return 0;
    }
    if (errno != ENOENT) return errno;
    // Without /proc the descriptor itself can be linked where the process may.
    if (::linkat(fd_, "", AT_FDCWD, target_.c_str(), AT_EMPTY_PATH) == 0) return 0;
    return errno;
  }
  if (::link(named_path_.c_str(), target_.c_str()) == 0) return 0;
  const int link_error = errno;
  // File systems without hard links can still refuse to replace while renaming.
  if (link_error == EPERM || link_error == EOPNOTSUPP || link_error == EXDEV) {
    if (::renameat2(AT_FDCWD, named_path_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) ==
        0) {
      named_path_.clear();
      return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) return errno;
  }
  return link_error;
}

void PackageFile::Commit() {
  FlushBuffer();
  if (::fsync(fd_) != 0) Fail(errno);
  if (const int error = Link(); error != 0) Fail(error);
  // The data is on disk and has its name; a late error of close changes neither.
  ::close(fd_);
  fd_ = -1;
}

}  // namespace taskvane::ooxml
