#pragma once
// The file-system operations the library needs, with failures raised as automation errors that name
// the path (76 path not found, 70 permission denied, 75 any other access error).
#include <string>

namespace platform {

class FileSystem {
public:
    // True when the path can be opened as a folder; any error counts as missing.
    static bool FolderExists(const std::string& path) noexcept;
    static bool FileExists(const std::string& path) noexcept;
    // Creates the folder itself, not its parents: a missing parent raises 76.
    static void CreateFolder(const std::string& path);
    // Copies a folder with everything in it to the target (made with its parents when missing),
    // overwriting files.
    static void CopyFolder(const std::string& from, const std::string& to);
    // Deletes a file, read-only or not.
    static void DeleteFile(const std::string& path);
    // The last component of a path ("/a/b.txt" -> "b.txt"; a final "/" stays with it: "/a/b/" -> "b/").
    static std::string StripPath(const std::string& path);
};

}  // namespace platform
