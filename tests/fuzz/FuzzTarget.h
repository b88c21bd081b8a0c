#pragma once
// One fuzz target: NOX_FUZZ_TARGET(name) { ... } defines what one input goes through. Built for
// libFuzzer it is the program's LLVMFuzzerTestOneInput; built into the replay program
// (NOX_FUZZ_REPLAY) it is registered under its name, and the replay program runs it over the kept
// inputs. NOX_FUZZ_REQUIRE states what must hold: a broken rule is printed and the process aborts,
// which libFuzzer keeps as a crash and the replay program's test reports.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace fuzzing {

using Target = void (*)(std::string_view input);

// Registers a target of the replay program; the result only serves to run it at start-up.
bool Register(const char* name, Target target);
const std::map<std::string, Target>& Registered();
// Names the input being replayed, for the report of a broken rule.
void SetCurrentInput(std::string name);
[[noreturn]] void Broken(const char* rule, const char* file, int line, const std::string& detail);

}  // namespace fuzzing

#define NOX_FUZZ_REQUIRE(condition, detail)                                         \
    do {                                                                            \
        if (!(condition)) ::fuzzing::Broken(#condition, __FILE__, __LINE__, detail); \
    } while (0)

#ifdef NOX_FUZZ_REPLAY
#define NOX_FUZZ_TARGET(name)                                                               \
    static void FuzzOne(std::string_view input);                                            \
    [[maybe_unused]] static const bool registered_##name = ::fuzzing::Register(#name, FuzzOne); \
    static void FuzzOne(std::string_view input)
#else
#define NOX_FUZZ_TARGET(name)                                                   \
    static void FuzzOne(std::string_view input);                                \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {   \
        FuzzOne(std::string_view(reinterpret_cast<const char*>(data), size));   \
        return 0;                                                               \
    }                                                                           \
    static void FuzzOne(std::string_view input)
#endif
