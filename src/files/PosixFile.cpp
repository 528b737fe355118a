#include "files/PosixFile.h"

#include <unistd.h>

#include <system_error>
#include <utility>

#include <sys/stat.h>

namespace orbelle {

FileDescriptor::~FileDescriptor() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

bool FileDescriptor::close() { return ::close(std::exchange(fd_, -1)) == 0; }

std::string describeFileKind(mode_t mode) {
  if (S_ISDIR(mode)) {
    return "a folder";
  }
  if (S_ISFIFO(mode)) {
    return "a named pipe";
  }
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return "a device";
  }
  if (S_ISSOCK(mode)) {
    return "a socket";
  }
  return "something else";
}

std::string errorText(int error) { return std::generic_category().message(error); }

}  // namespace orbelle
