#include "PaneActions.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "automation/Collection.h"
#include "automation/ObjectFactory.h"
#include "automation/Text.h"
#include "platform/grid/FlexGrid.h"
#include "platform/grid/GridUser.h"
#include "platform/toolbar/ToolbarControl.h"

namespace simplelinks {

using automation::Variant;

namespace {

std::runtime_error Failure(const std::string& text) { return std::runtime_error(text); }

int Number(const std::string& text, const std::string& what) {
    try {
        size_t used = 0;
        const int number = std::stoi(text, &used);
        if (used == text.size()) return number;
    } catch (const std::exception&) {
    }
    throw Failure(what + " takes a number, not \"" + text + "\"");
}

// A value as the command line shows it: texts in quotes, arrays in brackets, collections with their items.
std::string Shown(const Variant& value) {
    if (value.IsArray()) {
        const automation::SafeArray& array = value.ToArray();
        std::string text = "[";
        if (array.Dimensions() == 1)
            for (int32_t i = array.LBound(1); i <= array.UBound(1); ++i)
                text += (i == array.LBound(1) ? "" : ", ") + Shown(array.At(i));
        return text + "]";
    }
    if (value.IsObject() && !value.IsNothing()) {
        if (auto collection = std::dynamic_pointer_cast<automation::Collection>(value.ToObject())) {
            std::string text = "Collection {";
            for (int32_t i = 1; i <= collection->Count(); ++i) text += (i == 1 ? "" : ", ") + Shown(collection->Item(Variant(i)));
            return text + "}";
        }
        return value.ToObject()->TypeName();
    }
    if (value.IsString()) return "\"" + value.ToString() + "\"";
    return value.TextOr("(" + value.TypeName() + ")");
}

class Actor {
public:
    Actor(PaneHost& host, CommandRecorder& recorder)
        : host_(host), recorder_(recorder), grid_(dynamic_cast<platform::FlexGrid&>(*host.Control().Grid())), user_(grid_) {}

    void Click(int row) {
        recorder_.Tell("click on row " + std::to_string(row));
        user_.Click(DataRow(row), FirstVisibleColumn());
    }
    void RightClick(const std::string& target) {
        recorder_.Tell("right click on " + (target.starts_with("header:") ? "the header of " + target.substr(7) : "row " + target));
        if (target.starts_with("header:")) user_.RightClick(0, Column(target.substr(7)));
        else user_.RightClick(DataRow(Number(target, "--right-click")), FirstVisibleColumn());
    }
    void Keys(const std::string& keys) {
        int16_t shift = 0;
        std::string key = automation::Lower(keys);
        for (auto [name, bit] : {std::pair{"shift+", platform::GridUser::kShift}, {"ctrl+", platform::GridUser::kCtrl},
                                 {"alt+", platform::GridUser::kAlt}})
            for (size_t at; (at = key.find(name)) != std::string::npos;) {
                shift |= bit;
                key.erase(at, std::string(name).size());
            }
        if (key.size() != 1 || !std::isalnum(static_cast<unsigned char>(key[0])))
            throw Failure("--keys takes a letter or digit with ctrl+, shift+ or alt+ before it, not \"" + keys + "\"");
        recorder_.Tell("keys " + keys);
        user_.PressKey(static_cast<int16_t>(std::toupper(static_cast<unsigned char>(key[0]))), shift);
    }
    void MoveColumn(const std::string& from, const std::string& to) {
        const bool moved = user_.MoveColumn(Column(from), Column(to));
        recorder_.Tell("drag column " + from + " to " + to + (moved ? "" : ": the column stays where it is"));
    }
    void Sort(const std::string& column) {
        recorder_.Tell("click on the header of " + column);
        user_.Click(0, Column(column));
    }
    void Tool(const std::string& id) {
        auto& toolbar = dynamic_cast<platform::ToolbarControl&>(*host_.Control().ToolBar());
        if (!toolbar.Get("Tools").ToObject()->Call("Exists", id).ToBool()) throw Failure("the pane has no tool " + id);
        recorder_.Tell("click on the tool " + id);
        if (!toolbar.ClickTool(id)) recorder_.Tell("the tool " + id + " is disabled or hidden: nothing happens");
    }
    void Run(const std::vector<std::string>& command) {
        const std::string& name = command.front();
        const automation::MemberInfo member = host_.Control().Describe(name);
        if (!member.exists) throw Failure("the control has no member \"" + name + "\"");
        automation::Arguments args(command.begin() + 1, command.end());
        recorder_.Tell("run " + name);
        const Variant result = host_.Control().Invoke(
            name, member.isMethod ? automation::InvokeKind::Method : automation::InvokeKind::PropertyGet, args);
        if (!result.IsEmpty()) recorder_.Tell("returned " + Shown(result));
        for (int position : member.byReference)
            if (static_cast<size_t>(position) < args.size())
                recorder_.Tell("argument " + std::to_string(position + 1) + " is now " + Shown(args[static_cast<size_t>(position)]));
    }
    void Export(const std::string& path) {
        automation::CreateObject("noxsimplelinks.clsGridExport")->Call("ExportGrid", Variant(host_.Control().Grid()), path);
        recorder_.Tell("grid exported to " + path);
    }

private:
    int32_t DataRow(int row) const {
        if (row < 1 || row > host_.RowCount())
            throw Failure("there is no row " + std::to_string(row) + " (the pane has " + std::to_string(host_.RowCount()) + ")");
        return grid_.FixedRows() + row - 1;
    }
    int32_t FirstVisibleColumn() const {
        for (int32_t c = 0; c < grid_.Cols(); ++c)
            if (!grid_.ColHidden(c)) return c;
        return 0;
    }
    // A column named by its key ("FILE.FILE_NAME") or by its place among the visible columns (1-based).
    int32_t Column(const std::string& name) const {
        if (!name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); })) {
            int place = std::stoi(name);
            for (int32_t c = 0; c < grid_.Cols(); ++c)
                if (!grid_.ColHidden(c) && --place == 0) return c;
        } else if (int32_t col = grid_.ColIndex(name); col >= 0) {
            return col;
        }
        throw Failure("there is no column \"" + name + "\" (a column key, or a number counting the visible columns)");
    }

    PaneHost& host_;
    CommandRecorder& recorder_;
    platform::FlexGrid& grid_;
    platform::GridUser user_;
};

}  // namespace

bool PaneActions::Any() const {
    return !clicks.empty() || !rightClicks.empty() || !keys.empty() || !moveColumn.empty() || !sorts.empty() ||
           !tools.empty() || !run.empty() || paste || !exportFile.empty();
}

void PerformActions(PaneHost& host, const PaneActions& actions, std::ostream& out) {
    if (actions.moveColumn.size() % 2 != 0) throw Failure("--move-column takes a column and the position to drag it to");
    out << "\nWhat happened:\n";
    {
        CommandRecorder recorder(out, host.Control(), actions.script);
        Actor actor(host, recorder);
        auto step = [&](auto&& act) {
            act();
            recorder.TellPopups();
        };
        for (int row : actions.clicks) step([&] { actor.Click(row); });
        for (const auto& target : actions.rightClicks) step([&] { actor.RightClick(target); });
        for (const auto& keys : actions.keys) step([&] { actor.Keys(keys); });
        for (size_t i = 0; i + 1 < actions.moveColumn.size(); i += 2)
            step([&] { actor.MoveColumn(actions.moveColumn[i], actions.moveColumn[i + 1]); });
        for (const auto& column : actions.sorts) step([&] { actor.Sort(column); });
        for (const auto& tool : actions.tools) step([&] { actor.Tool(tool); });
        if (!actions.run.empty()) step([&] { actor.Run(actions.run); });
        if (actions.paste) step([&] { actor.Run({"PasteLinks"}); });
        host.AwaitAnswer();
        if (!actions.exportFile.empty()) actor.Export(actions.exportFile);
    }
    out << "\nThe pane afterwards:\n\n";
    host.PrintPane(out);
}

}  // namespace simplelinks
