#pragma once

#include <string>

namespace korval::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    static void WriteFile(const std::string& path, const std::string& content);
    static std::string ReadFile(const std::string& path);

  private:
    std::string path_;
};

}  // namespace korval::testing
