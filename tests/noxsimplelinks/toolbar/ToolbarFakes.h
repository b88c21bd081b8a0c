#pragma once
// Fakes for the toolbar tests: an authorization object that records its calls as text, and a command-bars
// component that hands out the state tables a test gives it.
#include <functional>
#include <string>
#include <vector>

#include "automation/AutomationError.h"
#include "automation/Dispatch.h"
#include "automation/SafeArray.h"

namespace toolbartest {

class RecordingAuth : public automation::Dispatch {
public:
    automation::Variant Invoke(std::string_view name, automation::InvokeKind, automation::Arguments& args) override {
        if (!automation::SameName(name, "IAuthorization_Authorize")) automation::Raise(automation::errors::kObjectDoesNotSupportMember);
        std::string call;
        for (size_t i = 0; i < args.size(); ++i) call += (i ? "|" : "") + args[i].TextOr("?");
        calls.push_back(call);
        return automation::Variant(answer(args[1].TextOr("")));
    }
    std::string TypeName() const override { return "RecordingAuth"; }

    std::vector<std::string> calls;  // the arguments of each call joined by "|", "?" for one left out
    std::function<bool(const std::string& action)> answer = [](const std::string&) { return true; };
};

class TablesComponent : public automation::Dispatch {
public:
    automation::Variant Invoke(std::string_view name, automation::InvokeKind, automation::Arguments&) override {
        if (automation::SameName(name, "StaticState")) return staticState;
        if (automation::SameName(name, "ActionState")) return actionState;
        if (automation::SameName(name, "BuildToolBar")) return automation::Variant();
        automation::Raise(automation::errors::kObjectDoesNotSupportMember);
    }
    std::string TypeName() const override { return "TablesComponent"; }

    automation::Variant staticState;
    automation::Variant actionState;
};

// Rows of cells as a two-dimensional array from 0; the rows must be equally long.
inline automation::Variant Table(const std::vector<std::vector<automation::Variant>>& rows) {
    automation::SafeArray table(automation::Bounds{0, static_cast<int32_t>(rows.size()) - 1},
                                automation::Bounds{0, static_cast<int32_t>(rows.front().size()) - 1});
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = 0; j < rows[i].size(); ++j) table.At(static_cast<int32_t>(i), static_cast<int32_t>(j)) = rows[i][j];
    return automation::Variant(std::move(table));
}

}  // namespace toolbartest
