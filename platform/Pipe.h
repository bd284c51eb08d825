// An anonymous pipe: the write end is handed to a started program as its output, the caller
// reads what arrives at the read end without blocking.
#pragma once

#include <cstddef>

namespace platform {

// A file descriptor here; a HANDLE on Windows.
using FileHandle = int;

class TPipe {
 public:
  // Creates the pipe; neither end is inherited by started programs unless a start passes it
  // on explicitly. Failure raises std::system_error.
  TPipe();
  ~TPipe();
  TPipe(const TPipe&) = delete;
  TPipe& operator=(const TPipe&) = delete;

  FileHandle ReadEnd() const { return FRead; }
  FileHandle WriteEnd() const { return FWrite; }
  // Closes the caller's write end, so that reading ends once every writer has gone.
  void CloseWriteEnd();

  // Bytes that can be read now without waiting.
  std::size_t BytesAvailable() const;
  // Reads up to `size` bytes that are available; 0 when the read was interrupted and may be
  // retried, or at the end. Failure raises std::system_error.
  std::size_t Read(char* buffer, std::size_t size);

  // Every writer has gone and nothing is left to read.
  bool Ended() const { return FEnded; }
  void MarkEnded() { FEnded = true; }

 private:
  FileHandle FRead = -1;
  FileHandle FWrite = -1;
  bool FEnded = false;
};

}  // namespace platform
