#include "FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzing {
namespace {

std::map<std::string, Target>& Targets() {
    static std::map<std::string, Target> targets;
    return targets;
}

std::string& CurrentInput() {
    static std::string name;
    return name;
}

}  // namespace

bool Register(const char* name, Target target) {
    Targets()[name] = target;
    return true;
}

const std::map<std::string, Target>& Registered() { return Targets(); }

void SetCurrentInput(std::string name) { CurrentInput() = std::move(name); }

void Broken(const char* rule, const char* file, int line, const std::string& detail) {
    std::fprintf(stderr, "%s:%d: %s does not hold (%s)\n", file, line, rule, detail.c_str());
    if (!CurrentInput().empty()) std::fprintf(stderr, "  input: %s\n", CurrentInput().c_str());
    std::abort();
}

}  // namespace fuzzing
