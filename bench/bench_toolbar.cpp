// Setting every tool of a built toolbar for a selection state: ToggleState over the real command-bars
// component and authorization stand-in, for bars of 30 and 300 tools. The time should grow with the
// number of tools, not faster.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "automation/ObjectFactory.h"
#include "components/noxauth/IAuthorization.h"
#include "hosting/Registration.h"
#include "noxsimplelinks/toolbar/clsCbarsWrapper2.h"
#include "platform/toolbar/ToolbarControl.h"

namespace {

namespace fs = std::filesystem;

// A definition of one bar of `count` buttons (a third of them asking for a right), five drop-down
// buttons over menus of those buttons, and a rights file for one user type.
fs::path WriteDefinitions(int count) {
    const fs::path folder = fs::temp_directory_path() / ("bench_toolbar_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream out(folder / ("bar" + std::to_string(count) + ".xml"));
    out << "<COMMANDBARS><TOOLS>";
    for (int i = 0; i < count; ++i) out << "<TOOL ID=\"ID_T" << i << "\" NAME=\"Tool " << i << "\" PICTURE=\"p" << i << "\"/>";
    for (int m = 0; m < 5; ++m) {
        out << "<TOOL ID=\"ID_M" << m << "\" TYPE=\"MENU\">";
        for (int i = m; i < count; i += count / 5) out << "<ITEM ID=\"ID_T" << i << "\"/>";
        out << "</TOOL><TOOL ID=\"ID_D" << m << "\" TYPE=\"DROPDOWN\" MENU=\"ID_M" << m << "\"/>";
    }
    out << "</TOOLS><COMMANDBAR NAME=\"BAR\">";
    for (int i = 0; i < count; ++i) out << "<TOOL ID=\"ID_T" << i << "\"/>";
    for (int m = 0; m < 5; ++m) out << "<TOOL ID=\"ID_D" << m << "\"/>";
    out << "</COMMANDBAR><STATE_TABLES STATES=\"NEW_EMPTY ROW_SELECTED MRS IN_PROCESS\"><STATIC_STATE>";
    for (int i = 0; i < count; i += 3) out << "<TOOL ID=\"ID_T" << i << "\" NEW_EMPTY=\"0\" ROW_SELECTED=\"1\" MRS=\"1\"/>";
    for (int i = 1; i < count; i += 3) out << "<TOOL ID=\"ID_T" << i << "\" NEW_EMPTY=\"1\" ROW_SELECTED=\"1\" MRS=\"0\"/>";
    out << "</STATIC_STATE><ACTION_STATE>";
    for (int i = 2; i < count; i += 3)
        out << "<TOOL ID=\"ID_T" << i << "\" NEW_EMPTY=\"0\" ROW_SELECTED=\"1\" MRS=\"1\" AUTH_ACTION=\"ACT" << i % 7 << "\"/>";
    out << "</ACTION_STATE></STATE_TABLES></COMMANDBARS>";
    std::ofstream(folder / "rights.xml") << "<RIGHTS><USER_TYPE NAME=\"DESIGNER\" DEFAULT=\"ALLOW\"><DENY ACTION=\"ACT3\"/>"
                                            "<DENY ACTION=\"ACT5\" STATUS=\"RELEASED\"/></USER_TYPE></RIGHTS>";
    return folder / ("bar" + std::to_string(count) + ".xml");
}

void ToggleState(benchmark::State& state) {
    static const bool registered = (hosting::RegisterAll(), true);
    (void)registered;
    const int count = static_cast<int>(state.range(0));
    const fs::path definition = WriteDefinitions(count);
    auto auth = std::make_shared<components::IAuthorization>();
    auth->LoadRights((definition.parent_path() / "rights.xml").string());
    auto toolbar = std::make_shared<platform::ToolbarControl>();
    noxsimplelinks::clsCbarsWrapper2 facade;
    facade.SetNoxAuth(auth);
    facade.BuildToolBar(definition.string(), automation::Variant(toolbar), "BAR", "", automation::Variant::Missing(), "",
                        automation::Variant::Missing());
    const char* states[] = {"NEW_EMPTY", "ROW_SELECTED", "MRS"};
    size_t next = 0;
    for (auto _ : state) facade.ToggleState(states[next++ % 3], "IN_WORK", "", "ITEM", "DESIGNER", "jdoe", "");
    state.SetComplexityN(count);
    fs::remove_all(definition.parent_path());
}

}  // namespace

BENCHMARK(ToggleState)->Arg(30)->Arg(300)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);
