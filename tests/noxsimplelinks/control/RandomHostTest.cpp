// Hosts that lack members: a host object answering a random part of the host's members (the others
// unknown, or answering Nothing or a text where an object belongs), with or without a
// communication object, drives Init, Refresh, every tool of every sample pane, a paste, the grid's events
// and CloseMe. Whatever is missing is reported; nothing escapes through an event and nothing crashes.
// Seeded and repeatable (NOX_RANDOM_HOST_SEED chooses another seed, NOX_RANDOM_HOSTS how many hosts
// per pane).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <pugixml.hpp>
#include <random>
#include <sstream>

#include "ControlWorld.h"
#include "automation/Apartment.h"
#include "automation/ObjectFactory.h"
#include "components/noxhostservices/clshostservices.h"
#include "platform/Shell.h"
#include "platform/grid/GridUser.h"
#include "platform/toolbar/Tool.h"

namespace controltest {
namespace {

using automation::Arguments;
using automation::AutomationError;
using automation::InvokeKind;

// What a host member does in one host.
enum class Answer { Real, Unknown, Nothing, Text };

const char* const kHostMembers[] = {"UserName", "UserType", "projectID", "ItemDocLinkWizard", "Auth", "objRequest",
                                    "objObj_Def", "objSharedRes", "EditedFiles", "WorkDirForedit", "AddWorkspace",
                                    "Workspaces"};

// A host of another make: the members it has reach the real host services; the others raise 438
// or answer Nothing or a text.
class PartialHost : public automation::Dispatch {
public:
    PartialHost(DispatchPtr real, std::map<std::string, Answer> answers) : real_(std::move(real)), answers_(std::move(answers)) {}

    Variant Invoke(std::string_view name, InvokeKind kind, Arguments& args) override {
        auto it = answers_.find(automation::FoldName(name));
        const Answer answer = it == answers_.end() ? Answer::Unknown : it->second;
        switch (answer) {
            case Answer::Real: return real_->Invoke(name, kind, args);
            case Answer::Unknown: automation::Raise(automation::errors::kObjectDoesNotSupportMember);
            case Answer::Nothing: return Variant::Nothing();
            case Answer::Text: return Variant("not what was asked for");
        }
        return Variant();
    }
    std::string TypeName() const override { return "PartialHost"; }

private:
    DispatchPtr real_;
    std::map<std::string, Answer> answers_;
};

struct Pane {
    std::string name, parentType;
    std::vector<std::string> keys, values;
};

// The sample panes with their example parents.
std::vector<Pane> SamplePanes() {
    pugi::xml_document panes;
    panes.load_file((std::filesystem::path(NOX_DATA_DIR) / "allusers/AppData/VARDEN/config/settings/panes.xml").c_str());
    std::vector<Pane> list;
    for (pugi::xml_node section : panes.child("PANES").children()) {
        if (section.type() != pugi::node_element) continue;
        Pane pane{section.name(), section.child("EXAMPLE").attribute("PARENT").value(), {}, {}};
        std::istringstream pairs(section.child("EXAMPLE").attribute("KEYS").value());
        for (std::string pair; pairs >> pair;) {
            pane.keys.push_back(pane.parentType + "." + pair.substr(0, pair.find('=')));
            pane.values.push_back(pair.substr(pair.find('=') + 1));
        }
        list.push_back(pane);
    }
    return list;
}

unsigned Configured(const char* variable, unsigned fallback) {
    const char* value = std::getenv(variable);
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

// One pane under one random host, every step as the host and the user would take it.
class RandomHostRun : public ControlWorld {
public:
    RandomHostRun(std::mt19937& random, const Pane& pane) : random_(random), pane_(pane) {
        UseSampleServer();
        world.Ui().Answer(std::vector<int>(64, Pick(2) ? 1 : 2));  // OK or Cancel to every question
        std::map<std::string, Answer> answers;
        for (const char* member : kHostMembers) {
            const unsigned roll = Pick(8);
            answers[automation::FoldName(member)] = roll < 4 ? Answer::Real : roll < 6 ? Answer::Unknown
                                                                  : roll < 7 ? Answer::Nothing : Answer::Text;
        }
        if (Pick(4)) site->SetHost(Variant(DispatchPtr(std::make_shared<PartialHost>(
                         std::make_shared<components::clshostservices>(), std::move(answers)))));
        if (Pick(2)) Synchronous();
        if (Pick(3) == 0) control->SetParams(Variant::Nothing());
    }
    ~RandomHostRun() { platform::InstallShell(desktop_); }

    void Drive() {
        Step("Init", [&] { control->Init(Variant(Section(pane_.name))); });
        Parent(pane_.parentType, pane_.keys, pane_.values);
        Step("Refresh", [&] { Load(); });
        Step("grid events", [&] { UseTheGrid(); });
        for (const auto& tool : Toolbar().Tools()->Items()) {
            Step("click " + tool->ID(), [&] {
                Toolbar().ClickTool(tool->ID());
                Toolbar().RequestPopup(tool->ID());
                Settle();
            });
            const std::string key = ButtonKey(*tool);
            if (!key.empty()) CommandStep(key);
        }
        // A paste has no tool of its own: the host calls it, after a pick or a copy above filled the clipboard.
        Step("PasteLinks", [&] {
            control->PasteLinks();
            Settle();
        });
        Step("CloseMe", [&] { control->CloseMe(); });
    }

private:
    unsigned Pick(unsigned choices) { return std::uniform_int_distribution<unsigned>(0, choices - 1)(random_); }

    // A step that must not raise: everything it meets is reported.
    template <class F>
    void Step(const std::string& what, F&& step) {
        try {
            step();
        } catch (const std::exception& e) {
            ADD_FAILURE() << pane_.name << ", " << what << ": " << e.what();
        }
    }
    // A command called by name may raise an automation error to its caller, nothing else.
    void CommandStep(const std::string& key) {
        try {
            control->ButtonOperation(key);
            Settle();
        } catch (const AutomationError&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << pane_.name << ", ButtonOperation " << key << ": " << e.what();
        }
    }

    void Load() {
        control->Refresh();
        Settle();
    }
    // Waits for an asynchronous load that is on its way.
    void Settle() {
        if (control->RequestPending())
            automation::Apartment::Current()->PumpUntil([&] { return !control->RequestPending(); }, std::chrono::seconds(10));
    }

    // Rows clicked (none, one or several), Ctrl+A, a right click and a header click, as a user might.
    void UseTheGrid() {
        if (!control->Grid()) return;
        platform::GridUser user(Grid());
        const int32_t first = Grid().FixedRows(), rows = Grid().Rows();
        for (unsigned clicks = Pick(4); clicks > 0 && rows > first; --clicks)
            user.Click(first + static_cast<int32_t>(Pick(static_cast<unsigned>(rows - first))), 0,
                       clicks > 1 ? platform::GridUser::kCtrl : 0);
        if (Pick(4) == 0) user.PressKey(platform::GridUser::kKeyA, platform::GridUser::kCtrl);
        if (rows > 0) user.RightClick(static_cast<int32_t>(Pick(static_cast<unsigned>(rows))), 0);
    }

    // The tool's operation: the second field of its tag.
    static std::string ButtonKey(const platform::Tool& tool) {
        std::istringstream fields(tool.TagVariant().TextOr(""));
        std::string field;
        std::getline(fields, field, ';');
        std::getline(fields, field, ';');
        return field;
    }

    std::mt19937& random_;
    const Pane& pane_;
    std::shared_ptr<platform::Shell> desktop_ = platform::InstallShell(std::make_shared<platform::RecordingShell>());
};

TEST(RandomHosts, EveryPaneUnderHostsThatLackMembersReportsAndNeverCrashes) {
    const unsigned seed = Configured("NOX_RANDOM_HOST_SEED", 20240701u);
    const unsigned hosts = Configured("NOX_RANDOM_HOSTS", 2u);
    std::mt19937 random(seed);
    for (const Pane& pane : SamplePanes()) {
        for (unsigned host = 0; host < hosts; ++host) {
            SCOPED_TRACE("pane " + pane.name + ", host " + std::to_string(host) + " of seed " + std::to_string(seed));
            RandomHostRun run(random, pane);
            run.Drive();
        }
    }
}

}  // namespace
}  // namespace controltest
