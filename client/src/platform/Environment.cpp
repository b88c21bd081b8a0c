#include "platform/Environment.h"

#include <cstdlib>

namespace platform {

std::string Environment::Get(const std::string& name) { return Find(name).value_or(""); }

std::optional<std::string> Environment::Find(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

void Environment::Set(const std::string& name, const std::string& value) { setenv(name.c_str(), value.c_str(), 1); }

void Environment::Unset(const std::string& name) { unsetenv(name.c_str()); }

}  // namespace platform
