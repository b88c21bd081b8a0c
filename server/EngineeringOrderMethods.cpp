// The methods of engineering orders: attach an object to every step of a route, detach it, lock and
// unlock it on the order, and approve or reject it on a step. An object locked by one order is
// "locked on top" for every other.
#include "EngineeringOrders.h"
#include "MethodError.h"
#include "MethodTable.h"
#include "PlmNames.h"
#include "QueryFilter.h"

namespace server {

namespace {

using objdefs::SameText;
using namespace orders;

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
    RefuseTopLock(context, attached, order, true, "detached");
    const objdefs::LinkDef& step = StepLink(context, attached.object.type);
    size_t removed = 0;
    for (int64_t stepId : RouteSteps(context, order))
        removed += context.store.DeleteLinksBetween(step.table, stepId, attached.id);
    removed += context.store.DeleteLinksBetween(attached.attach->table, order.id, attached.id);
    if (removed == 0)
        NotAttached(attached, order);
    context.RecordHistory(attached.id, "DETACH", "EO " + order.eoId);
    return {};
}

MethodResult AttachAllSteps(MethodContext& context) {
    Order order = ReadOrder(context);
    Attached attached = ReadAttached(context);
    bool lock = ReadLockParam(context);
    RefuseTopLock(context, attached, order, false, "attached to the steps of engineering order " + order.eoId);
    std::vector<int64_t> steps = RouteSteps(context, order);
    if (steps.empty())
        throw MethodError(codes::kNotFound, "Route " + order.routeId + " of engineering order " + order.eoId +
                                                " has no steps");
    SetLock(context, AttachToOrder(context, attached, order), lock);
    const objdefs::LinkDef& step = StepLink(context, attached.object.type);
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
    if (lock) RefuseTopLock(context, attached, order, false, "locked");
    std::vector<StoredLink> links = context.store.LinksBetween(attached.attach->table, order.id, attached.id);
    if (links.empty())
        NotAttached(attached, order);
    SetLock(context, links.front().id, lock);
    context.RecordHistory(attached.id, lock ? "LOCK" : "UNLOCK", "EO " + order.eoId);
    return {};
}

// Only the user who holds the step's task responds for it.
void RequireTaskHolder(MethodContext& context, const ObjectSpec& task) {
    std::vector<int64_t> tasks = context.store.FindObjects(names::kTask, task.keys);
    const SqlValue holder = tasks.empty() ? SqlValue() : context.store.Attribute(tasks.front(), "USER_NAME");
    const auto* name = std::get_if<std::string>(&holder);
    if (!name || !SameText(*name, context.User()))
        throw MethodError(codes::kNoTask, std::string(codes::kNoTask) + ": the user " + context.User() +
                                              " holds no task on step " + task.Describe() + " and cannot respond for it");
}

MethodResult StepResponse(MethodContext& context) {
    ObjectSpec task = context.ReadObject(context.call.RequireRole("IN_OBJECT"));
    int64_t stepId = context.FindOne(context.MakeObject(names::kStep, task.keys));
    Attached attached = ReadAttached(context);
    std::string response = context.call.Param("RESPONSE");
    if (!SameText(response, "APPROVE") && !SameText(response, "REJECT"))
        throw MethodError(codes::kBadValue, "The response \"" + response + "\" is neither APPROVE nor REJECT");
    RequireTaskHolder(context, task);
    std::vector<StoredLink> links = context.store.LinksBetween(StepLink(context, attached.object.type).table, stepId, attached.id);
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
