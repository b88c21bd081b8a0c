#pragma once
// An engineering order's route as the workflow component reads it from the server ("WfQueryRoute"):
// the steps in order, each with its task holder and the objects attached to it, and the objects
// attached to the order itself. Objects are named by type and key values joined by "/".
#include <string>
#include <vector>

namespace components {

struct WorkflowRoute {
    struct Object {
        std::string type, keys, approval;
        bool operator==(const Object& other) const { return type == other.type && keys == other.keys; }
        std::string Name() const { return type + " " + keys; }
    };
    struct Step {
        std::string id, name, status, user;
        std::vector<Object> objects;
        bool Holds(const Object& object) const;
    };

    std::string eoId, routeId;
    std::vector<Step> steps;
    std::vector<Object> orderObjects;

    // Reads the route document; a text that is no route document raises 5.
    static WorkflowRoute Parse(const std::string& document);
};

}  // namespace components
