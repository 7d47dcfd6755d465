#pragma once

#include <string>

namespace korval {

// Holds one profile file open in the cache for a run of reads and writes: a document's
// load parses its file once, and a document's save replaces its file once. Scopes on the
// same path nest (a project saves its models inside its own scope); only the outermost
// Commit writes. A scope that ends without Commit drops its pending writes.
class cProfileFileScope {
  public:
    explicit cProfileFileScope(std::string path);
    ~cProfileFileScope();
    cProfileFileScope(const cProfileFileScope&) = delete;
    cProfileFileScope& operator=(const cProfileFileScope&) = delete;

    // True when the changes are on disk (or are left to an enclosing scope).
    [[nodiscard]] bool Commit();

  private:
    std::string path_;
    bool open_ = true;
};

}  // namespace korval
