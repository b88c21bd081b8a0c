#include "components/noxcomm2/SessionTokenFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "automation/AutomationError.h"
#include "components/noxcomm2/CommErrors.h"

namespace components {

namespace {

[[noreturn]] void BadSettings(const std::string& why) { throw automation::AutomationError(commerrors::kBadSettings, why); }

std::string Octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

}  // namespace

std::string SessionTokenFile::Read() const {
    struct stat info {};
    if (stat(path_.c_str(), &info) != 0) BadSettings("There is no session: the token file " + path_ + " does not exist; log in first");
    if (info.st_mode & (S_IRWXG | S_IRWXO))
        BadSettings("The token file " + path_ + " may be used by others (mode " + Octal(info.st_mode) +
                    "); it must be its owner's only (chmod 600), or log in again");
    std::ifstream file(path_);
    std::string token;
    std::getline(file, token);
    if (!token.empty() && token.back() == '\r') token.pop_back();
    if (token.empty()) BadSettings("The token file " + path_ + " holds no token; log in again");
    return token;
}

void SessionTokenFile::Write(const std::string& token) const {
    std::error_code ignored;
    std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty() && !std::filesystem::exists(folder)) {
        std::filesystem::create_directories(folder, ignored);
        chmod(folder.c_str(), S_IRWXU);
    }
    int fd = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) BadSettings("The token file " + path_ + " cannot be written");
    std::string line = token + "\n";
    bool written = fchmod(fd, S_IRUSR | S_IWUSR) == 0 && write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    close(fd);
    if (!written) BadSettings("The token file " + path_ + " cannot be written");
}

}  // namespace components
