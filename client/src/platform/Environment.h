#pragma once
// The process's environment variables. An empty value counts as not set, as the callers expect.
#include <optional>
#include <string>

namespace platform {

class Environment {
public:
    // The value, or empty when the variable is not set.
    static std::string Get(const std::string& name);
    // The value, or nullopt when the variable is not set at all (for callers that restore it).
    static std::optional<std::string> Find(const std::string& name);
    static void Set(const std::string& name, const std::string& value);
    static void Unset(const std::string& name);
};

}  // namespace platform
