#include "automation/AutomationError.h"

#include <new>
#include <stdexcept>

namespace automation {

AutomationError::AutomationError(int32_t number, std::string description, std::string source)
    : number_(number), description_(std::move(description)), source_(std::move(source)) {}

std::string AutomationError::StandardDescription(int32_t number) {
    switch (number) {
        case errors::kInvalidProcedureCall: return "Invalid procedure call or argument";
        case errors::kOverflow: return "Overflow";
        case errors::kOutOfMemory: return "Out of memory";
        case errors::kSubscriptOutOfRange: return "Subscript out of range";
        case errors::kTypeMismatch: return "Type mismatch";
        case errors::kFileNotFound: return "File not found";
        case errors::kPathNotFound: return "Path not found";
        case errors::kObjectVariableNotSet: return "Object variable or With block variable not set";
        case errors::kInvalidUseOfNull: return "Invalid use of Null";
        case errors::kCannotCreateObject: return "ActiveX component can't create object";
        case errors::kObjectDoesNotSupportMember: return "Object doesn't support this property or method";
        case errors::kArgumentNotOptional: return "Argument not optional";
        case errors::kWrongNumberOfArguments: return "Wrong number of arguments or invalid property assignment";
        case errors::kKeyAlreadyAssociated: return "This key is already associated with an element of this collection";
        case errors::kNotImplemented: return "Not implemented";
        default: return "Automation error";
    }
}

AutomationError AutomationError::Standard(int32_t number, std::string source) {
    return AutomationError(number, StandardDescription(number), std::move(source));
}

AutomationError AutomationError::From(const std::exception& e) {
    if (auto* automation = dynamic_cast<const AutomationError*>(&e)) return *automation;
    if (dynamic_cast<const std::bad_alloc*>(&e)) return Standard(errors::kOutOfMemory);
    if (dynamic_cast<const std::out_of_range*>(&e)) return AutomationError(errors::kSubscriptOutOfRange, e.what());
    return AutomationError(errors::kInvalidProcedureCall, e.what());
}

void Raise(int32_t number, std::string source) { throw AutomationError::Standard(number, std::move(source)); }

void RaiseObjectNotSet() { Raise(errors::kObjectVariableNotSet); }

}  // namespace automation
