#pragma once
// Helpers shared by the model tests.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "model/SpaceGeometry.h"
#include "model/Track.h"
#include "model/TrackFile.h"

namespace td::test {

inline BuildStamp FixedStamp() {
    return {"12/08/2026", "03:31:05", "1.0.0"};
}

inline std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream os;
    os << in.rdbuf();
    return os.str();
}

inline void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

inline std::string DataPath(const std::string& name) {
    return std::string(TD_TEST_DATA_DIR) + "/" + name;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("td-model-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline Space MakeSpace(float x, float y, int rotation = 0, int symbol = 0) {
    Space s;
    s.Pt[0] = {x, y};
    s.Rotation = static_cast<std::int16_t>(rotation);
    s.Symbol = static_cast<std::int16_t>(symbol);
    ComputeSpaceOutline(s);
    return s;
}

} // namespace td::test
