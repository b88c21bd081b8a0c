#pragma once
// The file a connection keeps its session token in (docs/formats.md, "Session token file"): one
// line, the token, in a file only its owner may read or write. Written by a login, read before each
// exchange, so that a new login takes effect at once.
#include <string>

namespace components {

class SessionTokenFile {
public:
    explicit SessionTokenFile(std::string path) : path_(std::move(path)) {}

    // The token. Raises 0x80040406 (connection settings) when the file does not exist, is empty,
    // or may be read or written by others than its owner.
    std::string Read() const;
    // Replaces the file's content by the token, the file (and a missing folder) made its owner's only.
    void Write(const std::string& token) const;

private:
    std::string path_;
};

}  // namespace components
