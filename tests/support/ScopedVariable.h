#pragma once
// Sets an environment variable (or removes it) for the life of the object; the old value, or its
// absence, comes back afterwards.
#include <optional>
#include <string>

#include "platform/Environment.h"

namespace testsupport {

class ScopedVariable {
public:
    ScopedVariable(std::string name, std::optional<std::string> value)
        : name_(std::move(name)), saved_(platform::Environment::Find(name_)) {
        Apply(value);
    }
    ~ScopedVariable() { Apply(saved_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value) platform::Environment::Set(name_, *value);
        else platform::Environment::Unset(name_);
    }

    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace testsupport
