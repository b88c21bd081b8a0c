#pragma once
// The right a change needs, as the rights file names it: the action, and the type, status and
// description of the object acted on (the status is the parent's when the object has none).
#include <functional>
#include <string>

namespace server {

struct Right {
    std::string action;
    std::string objectType;
    std::string status;
    std::string object;  // "ITEM A100/B", for the refusal's text
};

class MethodContext;
// Reads from a change request the right it needs; runs in the change's transaction, before it.
using RightOf = std::function<Right(MethodContext&)>;

}  // namespace server
