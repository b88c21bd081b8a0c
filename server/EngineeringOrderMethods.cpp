// The methods of engineering orders: attach an object to every step of a route, detach it, lock and
// unlock it on the order, and approve or reject it on a step. An object locked by one order is
// "locked on top" for every other.
#include "MethodError.h"
#include "MethodTable.h"
#include "PlmNames.h"
#include "QueryFilter.h"

namespace server {

namespace {

using objdefs::SameText;

const SqlValue kTrue = std::string("TRUE");

struct Order {
    int64_t id = 0;
    std::string eoId, routeId;
};

// The order named by an <IN_OBJECT> of type EO (route in EO.ROUTE_ID), or by a step or user task
// (its first two keys).
Order ReadOrder(MethodContext& context) {
    ObjectSpec in = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    Order order;
    order.eoId = in.keys.front();
    order.routeId = SameText(in.type, names::kEo) ? in.Field("ROUTE_ID") : (in.keys.size() > 1 ? in.keys[1] : "");
    order.id = context.FindOne(context.MakeObject(names::kEo, {order.eoId}));
    return order;
}

const objdefs::LinkDef& AttachLink(MethodContext& context, const std::string& from, const char* name,
                                   const std::string& type) {
    return *LinkPath::Require(context.defs, from, name, type).front().link;
}

// The object of <IN_OBJECT1> and the link by which orders hold it.
struct Attached {
    ObjectSpec object;
    int64_t id = 0;
    const objdefs::LinkDef* attach = nullptr;
};

Attached ReadAttached(MethodContext& context) {
    Attached attached{context.ReadObject(context.call.RequireRole("IN_OBJECT1"))};
    attached.id = context.FindOne(attached.object);
    attached.attach = &AttachLink(context, names::kEo, names::kEoAttachedLink, attached.object.type);
    return attached;
}

[[noreturn]] void NotAttached(const Attached& attached, const Order& order) {
    throw MethodError(codes::kNotFound, "The " + attached.object.Describe() + " is not attached to engineering order " +
                                            order.eoId);
}

// The order ids whose lock holds the object.
std::vector<std::string> LockingOrders(MethodContext& context, const objdefs::LinkDef& attach, int64_t object) {
    std::vector<std::string> orders;
    for (const StoredLink& link : context.store.LinksTo(attach.table, object))
        if (context.store.LinkAttribute(link.id, "LOCKED") == kTrue)
            orders.push_back(context.store.ReadObject(link.from)->keys[0]);
    return orders;
}

void RefuseTopLock(MethodContext& context, const objdefs::LinkDef& attach, const Attached& attached,
                   const Order& order, bool evenByThisOrder, const std::string& action) {
    for (const std::string& eo : LockingOrders(context, attach, attached.id))
        if (evenByThisOrder || eo != order.eoId)
            throw MethodError(codes::kTopLock, std::string(codes::kTopLock) + ": the " + attached.object.Describe() +
                                                   " is locked on top by engineering order " + eo + "; it cannot be " +
                                                   action);
}

std::vector<int64_t> RouteSteps(MethodContext& context, const Order& order) {
    return context.store.FindObjects(names::kStep, {order.eoId, order.routeId});
}

bool ReadLockParam(MethodContext& context) {
    std::string lock = context.call.Param("LOCK");
    if (SameText(lock, "TRUE")) return true;
    if (SameText(lock, "FALSE") || lock.empty()) return false;
    throw MethodError(codes::kBadValue, "The lock value \"" + lock + "\" is neither TRUE nor FALSE");
}

void SetLock(MethodContext& context, int64_t link, bool lock) {
    context.store.SetLinkAttribute(link, "LOCKED", std::string(lock ? "TRUE" : "FALSE"));
    context.store.SetLinkAttribute(link, "LOCKED_BY", context.User());
    context.store.SetLinkAttribute(link, "LOCKED_DATE", context.now);
}

MethodResult Detach(MethodContext& context) {
    Order order = ReadOrder(context);
    Attached attached = ReadAttached(context);
    const objdefs::LinkDef& attach = *attached.attach;
    RefuseTopLock(context, attach, attached, order, true, "detached");
    const objdefs::LinkDef& step = AttachLink(context, names::kStep, names::kStepAttachedLink, attached.object.type);
    size_t removed = 0;
    for (int64_t stepId : RouteSteps(context, order))
        removed += context.store.DeleteLinksBetween(step.table, stepId, attached.id);
    removed += context.store.DeleteLinksBetween(attach.table, order.id, attached.id);
    if (removed == 0)
        NotAttached(attached, order);
    context.RecordHistory(attached.id, "DETACH", "EO " + order.eoId);
    return {};
}

MethodResult AttachAllSteps(MethodContext& context) {
    Order order = ReadOrder(context);
    Attached attached = ReadAttached(context);
    bool lock = ReadLockParam(context);
    const objdefs::LinkDef& attach = *attached.attach;
    RefuseTopLock(context, attach, attached, order, false, "attached to the steps of engineering order " + order.eoId);
    std::vector<int64_t> steps = RouteSteps(context, order);
    if (steps.empty())
        throw MethodError(codes::kNotFound, "Route " + order.routeId + " of engineering order " + order.eoId +
                                                " has no steps");
    std::vector<StoredLink> links = context.store.LinksBetween(attach.table, order.id, attached.id);
    int64_t link = links.empty() ? context.store.InsertLink(attach.table, order.id, attached.id, "{}") : links.front().id;
    if (links.empty()) context.store.SetLinkAttribute(link, "ATTACH_DATE", context.now);
    SetLock(context, link, lock);
    const objdefs::LinkDef& step = AttachLink(context, names::kStep, names::kStepAttachedLink, attached.object.type);
    for (int64_t stepId : steps)
        if (context.store.LinksBetween(step.table, stepId, attached.id).empty())
            context.store.InsertLink(step.table, stepId, attached.id, "{\"APPROVAL\":\"NONE\"}");
    context.RecordHistory(attached.id, "ATTACH", "EO " + order.eoId);
    return {};
}

MethodResult Lock(MethodContext& context) {
    Order order = ReadOrder(context);
    Attached attached = ReadAttached(context);
    bool lock = ReadLockParam(context);
    const objdefs::LinkDef& attach = *attached.attach;
    if (lock) RefuseTopLock(context, attach, attached, order, false, "locked");
    std::vector<StoredLink> links = context.store.LinksBetween(attach.table, order.id, attached.id);
    if (links.empty())
        NotAttached(attached, order);
    SetLock(context, links.front().id, lock);
    context.RecordHistory(attached.id, lock ? "LOCK" : "UNLOCK", "EO " + order.eoId);
    return {};
}

MethodResult StepResponse(MethodContext& context) {
    ObjectSpec task = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    int64_t stepId = context.FindOne(context.MakeObject(names::kStep, task.keys));
    Attached attached = ReadAttached(context);
    std::string response = context.call.Param("RESPONSE");
    if (!SameText(response, "APPROVE") && !SameText(response, "REJECT"))
        throw MethodError(codes::kBadValue, "The response \"" + response + "\" is neither APPROVE nor REJECT");
    const objdefs::LinkDef& step = AttachLink(context, names::kStep, names::kStepAttachedLink, attached.object.type);
    std::vector<StoredLink> links = context.store.LinksBetween(step.table, stepId, attached.id);
    if (links.empty())
        throw MethodError(codes::kNotFound, "The " + attached.object.Describe() + " is not attached to step " +
                                                task.Describe());
    bool approve = SameText(response, "APPROVE");
    context.store.SetLinkAttribute(links.front().id, "APPROVAL", std::string(approve ? "APPROVED" : "REJECTED"));
    context.store.SetLinkAttribute(links.front().id, "RESPONDED_BY", context.User());
    context.store.SetLinkAttribute(links.front().id, "RESPONSE_DATE", context.now);
    context.RecordHistory(attached.id, approve ? "APPROVE" : "REJECT", "step " + task.Describe());
    return {};
}

// The right to act on the object of <IN_OBJECT1> within the order, step or task of <IN_OBJECT>.
RightOf OnAttached(const char* action) {
    return [action](MethodContext& context) {
        ObjectSpec in = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
        return context.RightOn(action, context.ReadObject(context.call.RequireRole("IN_OBJECT1")), &in);
    };
}

Right ResponseRight(MethodContext& context) {
    return OnAttached(SameText(context.call.Param("RESPONSE"), "REJECT") ? "REJECT" : "APPROVE")(context);
}

}  // namespace

void AddEngineeringOrderMethods(MethodTable& table) {
    table.AddChange("ZerakEoDetachObjectWithoutInObject", Detach, OnAttached("UNLINK_ATTACHED_OBJECT"));
    table.AddChange("EoAttachObjectAllSteps", AttachAllSteps, OnAttached("ATTACH_TO_STEP"));
    table.AddChange("EoLockObjectWithoutConnection", Lock, OnAttached("LOCK_ATTACHED_OBJECT"));
    table.AddChange("StepObjectResponse", StepResponse, ResponseRight);
    table.AddChange("StepObjectResponseWithoutConnection", StepResponse, ResponseRight);
}

}  // namespace server
