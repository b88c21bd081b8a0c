#pragma once
// The seed corpus of each fuzz target, as seeds.list names it: the sample files of data/ and the
// inputs written for the fuzzers under seeds/. ./run fuzz copies the same files into the corpus.
#include <filesystem>
#include <string>
#include <vector>

namespace fuzzing {

// The seed files of one target; fuzzFolder is tests/fuzz of the source tree.
std::vector<std::filesystem::path> SeedFiles(const std::filesystem::path& fuzzFolder, const std::string& target);

}  // namespace fuzzing
