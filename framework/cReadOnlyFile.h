#pragma once

#include <optional>
#include <string>

#include "framework/FileIdentity.h"

namespace korval {

// A file opened for reading once: its stamp and its bytes come from the one open file, so
// a system's member costs no separate lookup of its path for the stamp, and the stamp is
// that of the very file read.
class cReadOnlyFile {
  public:
    explicit cReadOnlyFile(const std::string& path);
    ~cReadOnlyFile();
    cReadOnlyFile(const cReadOnlyFile&) = delete;
    cReadOnlyFile& operator=(const cReadOnlyFile&) = delete;

    // As StampOfFile gives it: none unless a regular file is open.
    std::optional<FileStamp> Stamp() const { return stamp_; }
    // The whole file in place of what bytes held, in its buffer; false (bytes left as they
    // are) unless a regular file is open.
    bool ReadAll(std::string& bytes);

  private:
    int fd_ = -1;
    std::optional<FileStamp> stamp_;
};

}  // namespace korval
