#pragma once
// Reads an object-definitions file (docs/formats.md, "Object-definitions file") into
// ObjectDefinitions. Used by the metadata component of the client and by the reference server.
#include <memory>
#include <stdexcept>
#include <string>

#include "objdefs/ObjectDefinitions.h"

namespace objdefs {

// A file that cannot be read or does not follow the format; the text says where and why.
class DefinitionsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ObjectDefinitionsReader {
public:
    static std::shared_ptr<const ObjectDefinitions> ReadFile(const std::string& path);
    // `source` names the text in error messages and becomes the definitions' Source().
    static std::shared_ptr<const ObjectDefinitions> ReadText(const std::string& text, const std::string& source);
};

}  // namespace objdefs
