#include "platform/Pipe.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace platform {

namespace {
constexpr int kPreferredCapacity = 1024 * 1024;
}  // namespace

TPipe::TPipe() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "cannot create a pipe");
  FRead = ends[0];
  FWrite = ends[1];
  // A larger buffer lets a fast writer run on while the reader works (best effort).
  fcntl(FWrite, F_SETPIPE_SZ, kPreferredCapacity);
}

TPipe::~TPipe() {
  CloseWriteEnd();
  if (FRead >= 0) close(FRead);
}

void TPipe::CloseWriteEnd() {
  if (FWrite >= 0) close(FWrite);
  FWrite = -1;
}

std::size_t TPipe::BytesAvailable() const {
  int available = 0;
  if (FEnded || ioctl(FRead, FIONREAD, &available) != 0 || available < 0) return 0;
  return static_cast<std::size_t>(available);
}

std::size_t TPipe::Read(char* buffer, std::size_t size) {
  const ssize_t n = read(FRead, buffer, size);
  if (n > 0) return static_cast<std::size_t>(n);
  if (n == 0) {
    FEnded = true;
    return 0;
  }
  if (errno == EINTR || errno == EAGAIN) return 0;
  throw std::system_error(errno, std::generic_category(), "cannot read from a pipe");
}

}  // namespace platform
