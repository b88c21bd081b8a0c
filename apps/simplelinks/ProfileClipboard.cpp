#include "ProfileClipboard.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "noxsimplelinks/env/modEnvironment.h"

namespace simplelinks {

std::string ProfileClipboard::FilePath() { return noxsimplelinks::modEnvironment::GetDirectory("TEMP_DIR") + "clipboard.txt"; }

std::string ProfileClipboard::GetText() {
    std::ifstream file(FilePath(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void ProfileClipboard::SetText(const std::string& text) {
    const std::filesystem::path path = FilePath();
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void ProfileClipboard::Clear() {
    std::error_code ignored;
    std::filesystem::remove(FilePath(), ignored);
}

}  // namespace simplelinks
