#pragma once

#include <sys/inotify.h>
#include <unistd.h>

#include <string>
#include <utility>

namespace taskvane::testing {

// Counts the times a file of a folder is put in place whole, as QSettings saves it: written
// aside, then linked or renamed into its name. From construction on.
class FileRewrites {
 public:
  FileRewrites(const std::string& folder, std::string name)
      : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name_(std::move(name)) {
    watching_ = fd_ >= 0 && ::inotify_add_watch(fd_, folder.c_str(), IN_CREATE | IN_MOVED_TO) >= 0;
  }
  ~FileRewrites() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileRewrites(const FileRewrites&) = delete;
  FileRewrites& operator=(const FileRewrites&) = delete;

  bool Watching() const { return watching_; }
  int Count() {
    alignas(inotify_event) char buffer[4096];
    for (ssize_t size; (size = ::read(fd_, buffer, sizeof buffer)) > 0;) {
      for (char* at = buffer; at < buffer + size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if (event->len > 0 && name_ == event->name) ++count_;
        at += sizeof(inotify_event) + event->len;
      }
    }
    return count_;
  }

 private:
  int fd_;
  bool watching_ = false;
  std::string name_;
  int count_ = 0;
};

}  // namespace taskvane::testing
