#pragma once
// A user of a served server: the name changes are recorded for, and the user type (role) whose rights
// the rights file gives.
#include <string>

namespace server {

struct Account {
    std::string name;
    std::string userType;
};

}  // namespace server
