#include "FileLock.h"

#include "MethodError.h"
#include "PlmNames.h"

namespace server {

namespace {

std::string TextOf(const SqlValue& value) {
    const std::string* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

}  // namespace

std::vector<LockTarget> LockTargets(MethodContext& context, const std::string& type, const std::vector<std::string>& keys) {
    std::vector<LockTarget> targets;
    for (const std::string& targetType : {std::string(names::kFile), type}) {
        if (!context.defs.FindType(targetType)) continue;
        ObjectSpec object = context.MakeObject(targetType, keys);
        for (int64_t id : context.FindAll(object)) targets.push_back({object, id});
        if (objdefs::SameText(targetType, type)) break;
    }
    if (targets.empty()) throw MethodError(codes::kNotFound, "There is no file or " + type + " " + keys.front());
    return targets;
}

std::string LockHolder(MethodContext& context, int64_t id) {
    if (TextOf(context.store.Attribute(id, "LOCK_FLAG")) != "Y") return {};
    return TextOf(context.store.Attribute(id, "LOCKED_BY"));
}

void SetLocks(MethodContext& context, const std::vector<LockTarget>& targets, bool lock) {
    for (const LockTarget& target : targets) {
        std::string holder = LockHolder(context, target.id);
        if (!holder.empty() && holder != context.User())
            throw MethodError(codes::kFileLocked, "The " + target.object.Describe() + " is locked by " + holder +
                                                      (lock ? "" : "; only " + holder + " can unlock it"));
        context.store.SetAttribute(target.id, "LOCK_FLAG", std::string(lock ? "Y" : "N"));
        context.store.SetAttribute(target.id, "LOCKED_BY", lock ? SqlValue(context.User()) : SqlValue());
        context.store.SetAttribute(target.id, "LOCKED_DATE", lock ? SqlValue(context.now.substr(0, 10) + "T00:00:00") : SqlValue());
        context.store.SetAttribute(target.id, "LOCKED_TIME", lock ? SqlValue(context.now.substr(11)) : SqlValue());
        if (objdefs::SameText(target.object.type, names::kFile)) context.RecordHistory(target.id, lock ? "LOCK" : "UNLOCK");
    }
}

}  // namespace server
