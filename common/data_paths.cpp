// Data file lookup.
#include "common/data_paths.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace tessaro {
namespace fs = std::filesystem;

std::string findDataFile(const std::string& name) {
  std::error_code ec;
  std::vector<fs::path> places{fs::path(name)};
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) places.push_back(exe.parent_path().parent_path() / "share" / "tessaro" / name);
  places.push_back(fs::path(TESSARO_INSTALL_DATA_DIR) / name);
  places.push_back(fs::path(TESSARO_SOURCE_DATA_DIR) / name);
  for (const fs::path& place : places) {
    if (fs::is_regular_file(place, ec)) return place.string();
  }
  return name;
}

}  // namespace tessaro
