#pragma once
// The lock of a file and of its dataset (the dataset has the file's keys): who holds it and since
// when. LockTree and the file component's check-out take it; another user's lock refuses (E-000108).
#include <cstdint>
#include <string>
#include <vector>

#include "MethodContext.h"

namespace server {

struct LockTarget {
    ObjectSpec object;
    int64_t id;
};

// The file with the keys, and the object of `type` with them (a DATASET) when the store has one.
// Raises "not found" when there is neither.
std::vector<LockTarget> LockTargets(MethodContext& context, const std::string& type, const std::vector<std::string>& keys);
// Takes or gives back the lock of each target for the request's user, recording the file's history.
void SetLocks(MethodContext& context, const std::vector<LockTarget>& targets, bool lock);
// The user holding the object's lock; "" when it is not locked.
std::string LockHolder(MethodContext& context, int64_t id);

}  // namespace server
