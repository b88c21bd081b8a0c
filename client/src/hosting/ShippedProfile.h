#pragma once
// Lets the all-users profile shipped with the program serve as the machine's own when the machine
// has none, so that a user's profile can be made on first use without any setup. A host calls it
// once at start-up, before the first object reads the profile.

namespace hosting {

void UseShippedAllUsersProfile();

}  // namespace hosting
