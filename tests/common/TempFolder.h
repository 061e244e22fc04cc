#pragma once
// A folder of its own for one test, removed with everything in it afterwards.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace veltrax::test {

class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix,
                      const std::filesystem::path& parent = std::filesystem::temp_directory_path()) {
    static std::atomic<int> serial{0};
    path_ = parent / (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace veltrax::test
