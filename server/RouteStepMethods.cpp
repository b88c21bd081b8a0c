// The methods of the workflow attachments component: an order's route as its steps (with each
// step's task holder and attached objects) and the order's objects, and attaching an object to, or
// detaching it from, chosen steps of the route.
#include <sstream>

#include "EngineeringOrders.h"
#include "MethodError.h"
#include "MethodTable.h"
#include "PlmNames.h"
#include "XmlText.h"

namespace server {

namespace {

using namespace orders;

std::string Text(const SqlValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

std::string Attribute(const char* name, const std::string& value) { return std::string(" ") + name + "=\"" + Escaped(value) + "\""; }

// TYPE and KEYS (the key values joined by "/") of a stored object.
std::string ObjectAttributes(const StoredObject& object) {
    std::string keys;
    for (const std::string& key : object.keys)
        if (!key.empty()) keys += (keys.empty() ? "" : "/") + key;
    return Attribute("TYPE", object.type) + Attribute("KEYS", keys);
}

std::string StepElement(MethodContext& context, int64_t step, const std::string& linkTable) {
    const StoredObject stored = *context.store.ReadObject(step);
    std::vector<int64_t> tasks = context.store.FindObjects(names::kTask, stored.keys);
    std::string element = "<STEP" + Attribute("ID", stored.keys[2]) +
                          Attribute("NAME", Text(context.store.Attribute(step, "STEP_NAME"))) +
                          Attribute("STATUS", Text(context.store.Attribute(step, "STATUS"))) +
                          Attribute("USER", tasks.empty() ? "" : Text(context.store.Attribute(tasks.front(), "USER_NAME"))) + ">";
    for (const StoredLink& link : context.store.LinksFrom(linkTable, step))
        element += "<OBJECT" + ObjectAttributes(*context.store.ReadObject(link.to)) +
                   Attribute("APPROVAL", Text(context.store.LinkAttribute(link.id, "APPROVAL"))) +
                   Attribute("RESPONDED_BY", Text(context.store.LinkAttribute(link.id, "RESPONDED_BY"))) + "/>";
    return element + "</STEP>";
}

MethodResult QueryRoute(MethodContext& context) {
    const Order order = ReadOrder(context);
    std::string document = "<ROUTE" + Attribute("EO_ID", order.eoId) + Attribute("ROUTE_ID", order.routeId) + ">";
    const std::string stepTable = context.Link(names::kStepAttachedLink).table;
    for (int64_t step : RouteSteps(context, order)) document += StepElement(context, step, stepTable);
    for (const StoredLink& link : context.store.LinksFrom(context.Link(names::kEoAttachedLink).table, order.id))
        document += "<ORDER_OBJECT" + ObjectAttributes(*context.store.ReadObject(link.to)) +
                    Attribute("LOCKED", Text(context.store.LinkAttribute(link.id, "LOCKED"))) + "/>";
    return {document + "</ROUTE>", {}};
}

// The route's steps that <STEPS> names (step ids separated by spaces or commas); an id the route
// does not have is refused.
std::vector<int64_t> ChosenSteps(MethodContext& context, const Order& order) {
    std::string list = context.call.Param("STEPS");
    for (char& c : list)
        if (c == ',') c = ' ';
    std::istringstream ids(list);
    std::vector<int64_t> chosen;
    for (std::string id; ids >> id;) {
        std::vector<int64_t> steps = context.store.FindObjects(names::kStep, {order.eoId, order.routeId, id});
        if (steps.empty())
            throw MethodError(codes::kNotFound, "Route " + order.routeId + " of engineering order " + order.eoId +
                                                    " has no step " + id);
        chosen.push_back(steps.front());
    }
    if (chosen.empty()) throw MethodError(codes::kMissing, "No step is named in STEPS");
    return chosen;
}

MethodResult AttachToSteps(MethodContext& context) {
    const Order order = ReadOrder(context);
    const Attached attached = ReadAttached(context);
    const std::vector<int64_t> steps = ChosenSteps(context, order);
    RefuseTopLock(context, attached, order, false, "attached to the steps of engineering order " + order.eoId);
    AttachToOrder(context, attached, order);
    const std::string& table = StepLink(context, attached.object.type).table;
    for (int64_t step : steps)
        if (context.store.LinksBetween(table, step, attached.id).empty())
            context.store.InsertLink(table, step, attached.id, "{\"APPROVAL\":\"NONE\"}");
    context.RecordHistory(attached.id, "ATTACH", "steps of EO " + order.eoId);
    return {};
}

MethodResult DetachFromSteps(MethodContext& context) {
    const Order order = ReadOrder(context);
    const Attached attached = ReadAttached(context);
    const std::vector<int64_t> steps = ChosenSteps(context, order);
    RefuseTopLock(context, attached, order, false, "detached from the steps of engineering order " + order.eoId);
    const std::string& table = StepLink(context, attached.object.type).table;
    size_t removed = 0;
    for (int64_t step : steps) removed += context.store.DeleteLinksBetween(table, step, attached.id);
    if (removed == 0)
        throw MethodError(codes::kNotFound, "The " + attached.object.Describe() +
                                                " is attached to none of the chosen steps of engineering order " + order.eoId);
    context.RecordHistory(attached.id, "DETACH", "steps of EO " + order.eoId);
    return {};
}

}  // namespace

void AddRouteStepMethods(MethodTable& table) {
    table.AddQuery("WfQueryRoute", QueryRoute);
    table.AddChange("WfAttachObjectToSteps", AttachToSteps, OnAttached("ATTACH_TO_STEP"));
    table.AddChange("WfDetachObjectFromSteps", DetachFromSteps, OnAttached("DETACH_FROM_STEP"));
}

}  // namespace server
