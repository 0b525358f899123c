#include "platform/ooxml/package.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>

#include "platform/runtime/automation_error.h"

namespace taskvane::ooxml {

namespace {

std::string SaveFailure(const std::string& path, const std::string& reason) {
  return "'" + path + "' 파일을 저장할 수 없습니다. " + reason;
}

std::string ReasonFor(int error) {
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

// 1980-01-01 00:00 local time: the earliest zip (MS-DOS) timestamp. libzip converts
// through local time, so build it the same way to get the same stored value everywhere.
time_t FixedEntryTime() {
  std::tm tm{};
  tm.tm_year = 80;
  tm.tm_mon = 0;
  tm.tm_mday = 1;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

struct SourceFree {
  void operator()(zip_source_t* s) const { zip_source_free(s); }
};
struct ArchiveDiscard {
  void operator()(zip_t* z) const { zip_discard(z); }
};

// Owns a temporary file until it is released; removes it otherwise.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  // Creates a new file next to `target`; returns errno or 0.
  int Create(const std::string& target) {
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string candidate = folder + ".~" + base.substr(0, 100) + "." +
                              std::to_string(::getpid()) + "." + std::to_string(random()) + ".tmp";
      int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) {
        fd_ = fd;
        path_ = std::move(candidate);
        return 0;
      }
      if (errno != EEXIST) return errno;
    }
    return EEXIST;
  }

  int Write(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd_) != 0) return errno;
    int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : errno;
  }

  // Gives the content the name `target` unless that name exists already.
  int LinkAs(const std::string& target) {
    if (::link(path_.c_str(), target.c_str()) == 0) return 0;
    const int link_error = errno;
    // File systems without hard links can still refuse to replace while renaming.
    if (link_error == EPERM || link_error == EOPNOTSUPP || link_error == EXDEV) {
      if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        path_.clear();
        return 0;
      }
      if (errno != EINVAL && errno != ENOSYS) return errno;
    }
    return link_error;
  }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace

void Package::Add(std::string name, std::string content) {
  for (auto& part : parts_) {
    if (part.first == name) {
      part.second = std::move(content);
      return;
    }
  }
  parts_.emplace_back(std::move(name), std::move(content));
}

std::string Package::Bytes(long error_number) const {
  auto fail = [&](const std::string& what, zip_error_t* error) {
    std::string reason = "압축 파일을 만들 수 없습니다 (" + what;
    if (error != nullptr) reason += ": " + std::string(zip_error_strerror(error));
    reason += ").";
    throw AutomationError(error_number, reason);
  };

  zip_error_t error;
  zip_error_init(&error);
  std::unique_ptr<zip_source_t, SourceFree> buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!buffer) fail("buffer", &error);
  zip_source_keep(buffer.get());  // stays ours after the archive closes
  std::unique_ptr<zip_t, ArchiveDiscard> archive(
      zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
  if (!archive) {
    zip_source_free(buffer.get());  // the reference the archive would have owned
    fail("open", &error);
  }

  const time_t mtime = FixedEntryTime();
  for (const auto& [name, content] : parts_) {
    zip_source_t* source = zip_source_buffer(archive.get(), content.data(), content.size(), 0);
    if (source == nullptr) fail(name, zip_get_error(archive.get()));
    const zip_int64_t index = zip_file_add(archive.get(), name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      fail(name, zip_get_error(archive.get()));
    }
    const auto i = static_cast<zip_uint64_t>(index);
    if (zip_set_file_compression(archive.get(), i, ZIP_CM_DEFLATE, 0) != 0 ||
        zip_file_set_mtime(archive.get(), i, mtime, 0) != 0) {
      fail(name, zip_get_error(archive.get()));
    }
  }
  if (zip_close(archive.get()) != 0) fail("close", zip_get_error(archive.get()));
  archive.release();  // closed archives are freed by zip_close

  std::string bytes;
  zip_stat_t stat;
  if (zip_source_stat(buffer.get(), &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
    fail("stat", zip_source_error(buffer.get()));
  }
  if (zip_source_open(buffer.get()) != 0) fail("read", zip_source_error(buffer.get()));
  bytes.resize(stat.size);
  const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), bytes.size());
  zip_source_close(buffer.get());
  if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) fail("read", nullptr);
  return bytes;
}

void Package::Save(const std::string& path, long error_number) const {
  if (path.empty()) throw AutomationError(error_number, SaveFailure(path, "파일 이름이 없습니다."));
  struct stat existing;
  if (::lstat(path.c_str(), &existing) == 0) {
    throw AutomationError(error_number, SaveFailure(path, ReasonFor(EEXIST)));
  }

  std::string bytes;
  try {
    bytes = Bytes(error_number);
  } catch (const AutomationError& e) {
    throw AutomationError(error_number, SaveFailure(path, e.Description));
  }

  TemporaryFile temporary;
  int error = temporary.Create(path);
  if (error == 0) error = temporary.Write(bytes);
  if (error == 0) error = temporary.LinkAs(path);
  if (error != 0) throw AutomationError(error_number, SaveFailure(path, ReasonFor(error)));
}

}  // namespace taskvane::ooxml
