#pragma once
// The names of the object definitions that the server's methods give a meaning to: the links of
// engineering orders, steps, modifications and projects, and the attributes the server maintains.
namespace server::names {

inline constexpr const char* kEoAttachedLink = "EO_ATTACHED";
inline constexpr const char* kStepAttachedLink = "STEP_ATTACHED";
inline constexpr const char* kAffectedLink = "AFFECTED_ITEM";
inline constexpr const char* kProjectLink = "RELATED_PROJECT";

inline constexpr const char* kEo = "EO";
inline constexpr const char* kStep = "EO_ROUTE_STEP";
inline constexpr const char* kTask = "EO_USER_TASK";
inline constexpr const char* kModification = "MODIFICATION";
inline constexpr const char* kProject = "PROJECT";
inline constexpr const char* kFile = "FILE";
inline constexpr const char* kDataset = "DATASET";
inline constexpr const char* kHardCopy = "HARD_COPY";
inline constexpr const char* kKeyword = "KEY_GLOSS";
inline constexpr const char* kCustomer = "CUSTOMER";

inline constexpr const char* kChildLinks = "CHILD_LINKS";
inline constexpr const char* kParentLinks = "PARENT_LINKS";

inline constexpr const char* kLockType = "LOCK_TYPE";
inline constexpr const char* kHistoryUser = "USER_NAME";
inline constexpr const char* kStatus = "STATUS";
inline constexpr const char* kOwnerProject = "OWNER_PROJECT";

}  // namespace server::names
