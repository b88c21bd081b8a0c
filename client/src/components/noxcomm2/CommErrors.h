#pragma once
// Error numbers of the communication component; each error carries a readable description.
#include <cstdint>

namespace components::commerrors {

inline constexpr int32_t kUnreachable = static_cast<int32_t>(0x80040401u);     // transport failure
inline constexpr int32_t kTimedOut = static_cast<int32_t>(0x80040402u);        // no answer in time
inline constexpr int32_t kHttpStatus = static_cast<int32_t>(0x80040403u);      // HTTP status other than 200
inline constexpr int32_t kBadAnswer = static_cast<int32_t>(0x80040404u);       // not an answer document
inline constexpr int32_t kNoEmbeddedServer = static_cast<int32_t>(0x80040405u);
inline constexpr int32_t kBadSettings = static_cast<int32_t>(0x80040406u);     // connection settings
inline constexpr int32_t kServerFailed = static_cast<int32_t>(0x80040407u);    // answer "FAILED" or "ERROR"
inline constexpr int32_t kUntrustedServer = static_cast<int32_t>(0x80040408u); // HTTPS certificate not vouched for

}  // namespace components::commerrors
