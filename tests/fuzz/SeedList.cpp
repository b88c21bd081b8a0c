#include "SeedList.h"

#include <fstream>
#include <sstream>

namespace fuzzing {

std::vector<std::filesystem::path> SeedFiles(const std::filesystem::path& fuzzFolder, const std::string& target) {
    namespace fs = std::filesystem;
    const fs::path root = fuzzFolder / ".." / "..";
    std::ifstream list(fuzzFolder / "seeds.list");
    std::vector<fs::path> files;
    for (std::string line; std::getline(list, line);) {
        std::istringstream fields(line);
        std::string name, place;
        if (!(fields >> name >> place) || name != target) continue;
        const fs::path path = root / place;
        if (fs::is_directory(path)) {
            for (const auto& entry : fs::directory_iterator(path))
                if (entry.is_regular_file()) files.push_back(entry.path());
        } else {
            files.push_back(path);
        }
    }
    return files;
}

}  // namespace fuzzing
