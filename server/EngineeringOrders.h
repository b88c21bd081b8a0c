#pragma once
// What the methods of engineering orders share: the order a request names (its route taken from the
// order when the request names none), the object it attaches, the links by which orders and their
// steps hold objects, the lock "on top" that another order keeps, and the steps of a route.
#include <cstdint>
#include <string>
#include <vector>

#include "LinkPath.h"
#include "MethodContext.h"
#include "Right.h"

namespace server::orders {

struct Order {
    int64_t id = 0;
    std::string eoId, routeId;
};

// The order named by the <IN_OBJECT> of type EO (route in EO.ROUTE_ID), or by a step or user task
// (its first two keys); an empty route is the order's own ROUTE_ID.
Order ReadOrder(MethodContext& context);

// The object of <IN_OBJECT1> and the link by which orders hold it.
struct Attached {
    ObjectSpec object;
    int64_t id = 0;
    const objdefs::LinkDef* attach = nullptr;
};
Attached ReadAttached(MethodContext& context);

// The link by which a step holds objects of the type.
const objdefs::LinkDef& StepLink(MethodContext& context, const std::string& type);

[[noreturn]] void NotAttached(const Attached& attached, const Order& order);

// Raises W-009180-TOP-LOCK-OBJ when an order (another one, or any with evenByThisOrder) locks the
// object; action says what cannot be done.
void RefuseTopLock(MethodContext& context, const Attached& attached, const Order& order, bool evenByThisOrder,
                   const std::string& action);

// The steps of the order's route, by store id, in the order of their step ids.
std::vector<int64_t> RouteSteps(MethodContext& context, const Order& order);

// Attaches the object to the order when it is not yet; the order's link.
int64_t AttachToOrder(MethodContext& context, const Attached& attached, const Order& order);

// The right to act on the object of <IN_OBJECT1> within the order, step or task of <IN_OBJECT>.
RightOf OnAttached(const char* action);

}  // namespace server::orders
