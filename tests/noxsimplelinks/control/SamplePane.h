#pragma once
// A pane of the sample panes file loaded synchronously from the sample server, its host the host
// object stand-in (which records the workspaces it is asked to open), the parent's keys named in
// Params as a host names them, and rows picked as a user picks them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlWorld.h"
#include "components/noxhostservices/clshostservices.h"
#include "platform/grid/GridUser.h"

namespace controltest {

class SamplePane : public ControlWorld {
public:
    SamplePane(const std::string& pane, const std::string& parentType, std::vector<std::string> keys,
               std::vector<std::string> values) {
        UseSampleServer();
        Synchronous();
        site->SetHost(Variant(DispatchPtr(host)));
        section = Section(pane);
        control->Init(Variant(section));
        for (size_t i = 0; i < keys.size(); ++i) Param(keys[i], Variant(values[i]));
        Parent(parentType, std::move(keys), std::move(values));
        control->Refresh();
    }

    // The data row (grid index) whose cell in the column holds the text; -1 when none does.
    int32_t RowOf(const std::string& columnKey, const std::string& text) const {
        const int32_t col = Grid().ColIndex(columnKey);
        for (int32_t r = Grid().FixedRows(); r < Grid().Rows(); ++r)
            if (Grid().TextMatrix(r, col) == text) return r;
        return -1;
    }
    // Clicks the row holding the first text in the column, Ctrl+clicks the others.
    void Select(const std::string& columnKey, const std::vector<std::string>& texts) {
        platform::GridUser user(Grid());
        for (size_t i = 0; i < texts.size(); ++i) {
            const int32_t row = RowOf(columnKey, texts[i]);
            ASSERT_GE(row, 0) << texts[i];
            user.Click(row, 0, i == 0 ? 0 : platform::GridUser::kCtrl);
        }
    }
    // The control's member by name, as a host calls it.
    template <class... A>
    Variant Call(const std::string& member, A&&... args) {
        return control->Call(member, std::forward<A>(args)...);
    }
    std::vector<std::string> Workspaces() const { return host->Workspaces(); }
    bool Raised(const std::string& method) const {
        for (const std::string& payload : executeEvents)
            if (payload == "<XML><METHOD>" + method + "</METHOD></XML>") return true;
        return false;
    }
    // The text of the first message box that names the source, "" when none does.
    std::string ReportNaming(const std::string& source) {
        for (const auto& message : world.Ui().Messages())
            if (message.text.find(source) != std::string::npos) return message.text;
        return {};
    }

    std::shared_ptr<components::clshostservices> host = std::make_shared<components::clshostservices>();
    DispatchPtr section;  // the configuration section the control was given
};

}  // namespace controltest
