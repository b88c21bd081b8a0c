#pragma once
// Lets the all-users profile shipped with the program serve as the machine's own when the machine
// has none, so that a user's profile can be made on first use without any setup.

namespace simplelinks {

void UseShippedAllUsersProfile();

}  // namespace simplelinks
