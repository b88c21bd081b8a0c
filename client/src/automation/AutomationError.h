#pragma once
// The one exception type that crosses an automation boundary: an error number, a description and
// the source that raised it. Procedures that report catch it; facades let it pass.
#include <cstdint>
#include <exception>
#include <string>

namespace automation {

namespace errors {
inline constexpr int32_t kInvalidProcedureCall = 5;
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscriptOutOfRange = 9;
inline constexpr int32_t kTypeMismatch = 13;
inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kPathNotFound = 76;
inline constexpr int32_t kObjectVariableNotSet = 91;
inline constexpr int32_t kInvalidUseOfNull = 94;
inline constexpr int32_t kCannotCreateObject = 429;
inline constexpr int32_t kObjectDoesNotSupportMember = 438;
inline constexpr int32_t kWrongNumberOfArguments = 450;
inline constexpr int32_t kArgumentNotOptional = 449;
inline constexpr int32_t kKeyAlreadyAssociated = 457;
inline constexpr int32_t kNotImplemented = static_cast<int32_t>(0x80004001u);  // E_NOTIMPL
inline constexpr int32_t kObjectErrorBase = static_cast<int32_t>(0x80040000u);
// Raised by the library for errors the user is told about with the description alone.
inline constexpr int32_t kUserError = static_cast<int32_t>(0x800403E8u);
}  // namespace errors

class AutomationError : public std::exception {
public:
    AutomationError(int32_t number, std::string description, std::string source = {});

    // The classic description of a well-known number ("Type mismatch" for 13, ...).
    static AutomationError Standard(int32_t number, std::string source = {});
    // Maps any exception to an automation error (an AutomationError is returned unchanged).
    static AutomationError From(const std::exception& e);
    static std::string StandardDescription(int32_t number);

    int32_t Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }
    const std::string& Source() const noexcept { return source_; }
    void SetSource(std::string source) { source_ = std::move(source); }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int32_t number_;
    std::string description_;
    std::string source_;
};

[[noreturn]] void Raise(int32_t number, std::string source = {});

}  // namespace automation
