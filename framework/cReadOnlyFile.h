#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/FileIdentity.h"

namespace korval {

// A file opened for reading once: its stamp and its bytes come from the one open file, so
// a system's member costs no separate lookup of its path for the stamp, and the stamp is
// that of the very file read. Only a regular file is read: a FIFO, a device or a socket
// named as a document would block the reader or never end, so the open never waits for a
// writer and anything but a regular file is refused (Problem says why).
class cReadOnlyFile {
  public:
    explicit cReadOnlyFile(const std::string& path);
    ~cReadOnlyFile();
    cReadOnlyFile(const cReadOnlyFile&) = delete;
    cReadOnlyFile& operator=(const cReadOnlyFile&) = delete;

    // As StampOfFile gives it: none unless a regular file is open.
    std::optional<FileStamp> Stamp() const { return stamp_; }
    // Why the file cannot be read, in the words the user is shown; empty when it can.
    const std::string& Problem() const { return problem_; }
    // The whole file in place of what bytes held, in its buffer; false (bytes left as they
    // are) unless a regular file is open.
    bool ReadAll(std::string& bytes);
    // The next bytes, up to size: how many were read, 0 at the end, -1 on an error.
    long ReadSome(char* buffer, std::size_t size);

  private:
    int fd_ = -1;
    std::optional<FileStamp> stamp_;
    std::string problem_;
};

// The whole regular file at path, or nothing when it cannot be read, is not a regular
// file or is larger than limit bytes.
std::optional<std::string> ReadRegularFile(const std::string& path, std::uintmax_t limit);

}  // namespace korval
