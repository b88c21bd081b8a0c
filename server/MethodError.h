#pragma once
// A method that cannot be carried out: the message code, its text and, for some codes, the message
// data ("<Data>...</Data>"). Nothing the method did is kept.
#include <stdexcept>
#include <string>

namespace server {

namespace codes {
inline constexpr const char* kBadRequest = "E-000100-BAD_REQUEST";
inline constexpr const char* kTooLarge = "E-000101-REQUEST_TOO_LARGE";
inline constexpr const char* kUnknownMethod = "E-000102-UNKNOWN_METHOD";
inline constexpr const char* kMissing = "E-000103-MISSING_VALUE";
inline constexpr const char* kBadValue = "E-000104-BAD_VALUE";
inline constexpr const char* kUnknownName = "E-000105-UNKNOWN_NAME";
inline constexpr const char* kNotFound = "E-000106-NOT_FOUND";
inline constexpr const char* kRefused = "E-000107-REFUSED";
inline constexpr const char* kFileLocked = "E-000108-FILE_LOCKED";
inline constexpr const char* kConflict = "E-000109-CONFLICT";
inline constexpr const char* kNotAuthenticated = "E-000111-NOT_AUTHENTICATED";
inline constexpr const char* kOtherUser = "E-000112-OTHER_USER";
inline constexpr const char* kNoRight = "E-000113-NO_RIGHT";
inline constexpr const char* kBusy = "E-000114-BUSY";
inline constexpr const char* kTimeLimit = "E-000115-TIME_LIMIT";
inline constexpr const char* kInternal = "E-000199-INTERNAL";
inline constexpr const char* kOwnerProject = "E-140003-ERR_UNAUTH_OWNER_PROJ";
inline constexpr const char* kTopLock = "W-009180-TOP-LOCK-OBJ";
inline constexpr const char* kNoTask = "E-009190-NO-USER-TASK";
inline constexpr const char* kPartial = "W-000110-PARTIAL";
}  // namespace codes

class MethodError : public std::runtime_error {
public:
    MethodError(std::string code, const std::string& description, std::string data = {})
        : std::runtime_error(description), code_(std::move(code)), data_(std::move(data)) {}

    const std::string& Code() const { return code_; }
    const std::string& Data() const { return data_; }

private:
    std::string code_;
    std::string data_;
};

}  // namespace server
