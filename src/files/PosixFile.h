#pragma once

#include <string>

#include <sys/types.h>

namespace orbelle {

// Owns a file descriptor and closes it at the end of its scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor();
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&&) = delete;
  FileDescriptor& operator=(FileDescriptor&&) = delete;

  int get() const { return fd_; }
  // Closes now; false when that reported a failure (a delayed write that failed).
  bool close();

 private:
  int fd_;
};

// What a file that is not a regular one is, for a message: "a folder", "a device", ...
std::string describeFileKind(mode_t mode);

// The system's words for an errno value.
std::string errorText(int error);

}  // namespace orbelle
