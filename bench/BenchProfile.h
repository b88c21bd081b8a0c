#pragma once
// A throw-away user profile for a benchmark: APPDATA and ALLUSERSPROFILE point into a fresh
// temporary folder, so that nothing the benchmark writes lands in the real profile.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace bench {

inline std::filesystem::path MakeProfile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "noxbench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    std::filesystem::path root = pattern;
    std::filesystem::create_directories(root / "AppData" / "VARDEN");
    std::filesystem::create_directories(root / "AllUsers");
    setenv("APPDATA", (root / "AppData").c_str(), 1);
    setenv("ALLUSERSPROFILE", (root / "AllUsers").c_str(), 1);
    return root / "AppData" / "VARDEN";
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace bench
