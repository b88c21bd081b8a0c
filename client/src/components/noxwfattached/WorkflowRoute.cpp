#include "components/noxwfattached/WorkflowRoute.h"

#include <algorithm>

#include <pugixml.hpp>

#include "automation/AutomationError.h"

namespace components {

namespace {

WorkflowRoute::Object ReadObject(const pugi::xml_node& node) {
    return {node.attribute("TYPE").value(), node.attribute("KEYS").value(), node.attribute("APPROVAL").value()};
}

}  // namespace

bool WorkflowRoute::Step::Holds(const Object& object) const {
    return std::find(objects.begin(), objects.end(), object) != objects.end();
}

WorkflowRoute WorkflowRoute::Parse(const std::string& document) {
    pugi::xml_document xml;
    const pugi::xml_node root = xml.load_string(document.c_str()) ? xml.child("ROUTE") : pugi::xml_node();
    if (!root)
        throw automation::AutomationError(automation::errors::kInvalidProcedureCall, "The server's answer holds no route");
    WorkflowRoute route{root.attribute("EO_ID").value(), root.attribute("ROUTE_ID").value(), {}, {}};
    for (const pugi::xml_node& node : root.children("STEP")) {
        Step step{node.attribute("ID").value(), node.attribute("NAME").value(), node.attribute("STATUS").value(),
                  node.attribute("USER").value(), {}};
        for (const pugi::xml_node& object : node.children("OBJECT")) step.objects.push_back(ReadObject(object));
        route.steps.push_back(std::move(step));
    }
    for (const pugi::xml_node& object : root.children("ORDER_OBJECT")) route.orderObjects.push_back(ReadObject(object));
    return route;
}

}  // namespace components
