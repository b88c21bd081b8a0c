// The replay program of the normal build: runs every fuzz target over its kept inputs — the seeds
// that seeds.list names and the inputs of faults found and fixed (regressions/<target>/) — so that
// a fault found once stays found. Usage: fuzz_regressions <tests/fuzz folder> [target]
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "FuzzTarget.h"
#include "SeedList.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::filesystem::path> KeptInputs(const std::filesystem::path& folder, const std::string& target) {
    std::vector<std::filesystem::path> inputs = fuzzing::SeedFiles(folder, target);
    const auto regressions = folder / "regressions" / target;
    if (std::filesystem::is_directory(regressions))
        for (const auto& entry : std::filesystem::directory_iterator(regressions)) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz_regressions <tests/fuzz folder> [target]\n");
        return 2;
    }
    for (const auto& [name, target] : fuzzing::Registered()) {
        if (argc > 2 && name != argv[2]) continue;
        const auto inputs = KeptInputs(argv[1], name);
        for (const auto& input : inputs) {
            fuzzing::SetCurrentInput(input.string());
            target(ReadFile(input));
        }
        std::printf("%s: %zu inputs\n", name.c_str(), inputs.size());
    }
    return 0;
}
