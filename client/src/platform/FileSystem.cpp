#include "platform/FileSystem.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "automation/AutomationError.h"

namespace fs = std::filesystem;

namespace platform {
namespace {
constexpr int32_t kPermissionDenied = 70;
constexpr int32_t kPathFileAccessError = 75;

[[noreturn]] void RaiseFor(const std::error_code& error, const std::string& path) {
    std::string text = error.message() + ": " + path;
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        throw automation::AutomationError(automation::errors::kPathNotFound, "Path not found (" + text + ")");
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        throw automation::AutomationError(kPermissionDenied, "Permission denied (" + text + ")");
    throw automation::AutomationError(kPathFileAccessError, "Path/File access error (" + text + ")");
}
}  // namespace

// The two checks ask the system directly: a path object costs more than the question (a layout
// cache's folder and file are checked on every load).
bool FileSystem::FolderExists(const std::string& path) noexcept {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool FileSystem::FileExists(const std::string& path) noexcept {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void FileSystem::CreateFolder(const std::string& path) {
    std::error_code error;
    if (!fs::create_directory(path, error) && !error) error = std::make_error_code(std::errc::file_exists);
    if (error) RaiseFor(error, path);
}

void FileSystem::CopyFolder(const std::string& from, const std::string& to) {
    std::error_code error;
    if (!fs::is_directory(from, error)) RaiseFor(error ? error : std::make_error_code(std::errc::not_a_directory), from);
    fs::create_directories(to, error);
    if (!error) fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    if (error) RaiseFor(error, to);
}

void FileSystem::DeleteFile(const std::string& path) {
    std::error_code error;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
    if (!fs::remove(path, error) && !error) error = std::make_error_code(std::errc::no_such_file_or_directory);
    if (error) RaiseFor(error, path);
}

std::string FileSystem::StripPath(const std::string& path) {
    if (path.size() < 2) return path;
    size_t slash = path.rfind('/', path.size() - 2);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace platform
