#include "EngineeringOrders.h"

#include <algorithm>

#include "MethodError.h"
#include "PlmNames.h"

namespace server::orders {

using objdefs::SameText;

namespace {

const SqlValue kTrue = std::string("TRUE");

const objdefs::LinkDef& AttachLink(MethodContext& context, const std::string& from, const char* name,
                                   const std::string& type) {
    return *LinkPath::Require(context.defs, from, name, type).front().link;
}

// The order ids whose lock holds the object.
std::vector<std::string> LockingOrders(MethodContext& context, const objdefs::LinkDef& attach, int64_t object) {
    std::vector<std::string> orders;
    for (const StoredLink& link : context.store.LinksTo(attach.table, object))
        if (context.store.LinkAttribute(link.id, "LOCKED") == kTrue)
            orders.push_back(context.store.ReadObject(link.from)->keys[0]);
    return orders;
}

}  // namespace

Order ReadOrder(MethodContext& context) {
    ObjectSpec in = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    Order order;
    order.eoId = in.keys.front();
    order.routeId = SameText(in.type, names::kEo) ? in.Field("ROUTE_ID") : (in.keys.size() > 1 ? in.keys[1] : "");
    order.id = context.FindOne(context.MakeObject(names::kEo, {order.eoId}));
    if (order.routeId.empty()) {
        const SqlValue route = context.store.Attribute(order.id, "ROUTE_ID");
        if (const auto* text = std::get_if<std::string>(&route)) order.routeId = *text;
    }
    return order;
}

Attached ReadAttached(MethodContext& context) {
    Attached attached{context.ReadObject(context.call.RequireRole("IN_OBJECT1"))};
    attached.id = context.FindOne(attached.object);
    attached.attach = &AttachLink(context, names::kEo, names::kEoAttachedLink, attached.object.type);
    return attached;
}

const objdefs::LinkDef& StepLink(MethodContext& context, const std::string& type) {
    return AttachLink(context, names::kStep, names::kStepAttachedLink, type);
}

void NotAttached(const Attached& attached, const Order& order) {
    throw MethodError(codes::kNotFound, "The " + attached.object.Describe() + " is not attached to engineering order " +
                                            order.eoId);
}

void RefuseTopLock(MethodContext& context, const Attached& attached, const Order& order, bool evenByThisOrder,
                   const std::string& action) {
    for (const std::string& eo : LockingOrders(context, *attached.attach, attached.id))
        if (evenByThisOrder || eo != order.eoId)
            throw MethodError(codes::kTopLock, std::string(codes::kTopLock) + ": the " + attached.object.Describe() +
                                                   " is locked on top by engineering order " + eo + "; it cannot be " +
                                                   action);
}

std::vector<int64_t> RouteSteps(MethodContext& context, const Order& order) {
    std::vector<int64_t> steps = context.store.FindObjects(names::kStep, {order.eoId, order.routeId});
    std::vector<std::pair<std::string, int64_t>> byStepId;
    for (int64_t step : steps) byStepId.emplace_back(context.store.ReadObject(step)->keys[2], step);
    std::sort(byStepId.begin(), byStepId.end());
    steps.clear();
    for (const auto& entry : byStepId) steps.push_back(entry.second);
    return steps;
}

int64_t AttachToOrder(MethodContext& context, const Attached& attached, const Order& order) {
    std::vector<StoredLink> links = context.store.LinksBetween(attached.attach->table, order.id, attached.id);
    if (!links.empty()) return links.front().id;
    const int64_t link = context.store.InsertLink(attached.attach->table, order.id, attached.id, "{}");
    context.store.SetLinkAttribute(link, "ATTACH_DATE", context.now);
    return link;
}

RightOf OnAttached(const char* action) {
    return [action](MethodContext& context) {
        ObjectSpec in = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
        return context.RightOn(action, context.ReadObject(context.call.RequireRole("IN_OBJECT1")), &in);
    };
}

}  // namespace server::orders
