// A toolbar definition file read by the command-bars component (Init, as BuildToolBar reads it). The
// component either loads the file — and then builds every bar it names into a toolbar without an
// error, each tool of the bar on the toolbar — or raises the error of a bad file and keeps the file
// it had loaded.
#include "FuzzTarget.h"
#include "FuzzWorld.h"
#include "components/noxcbars/CommandBarsErrors.h"
#include "components/noxcbars/ICommandBars.h"
#include "components/noxcbars/ToolbarDefinition.h"
#include "platform/toolbar/ToolbarControl.h"

namespace {

using automation::AutomationError;
using automation::Variant;

const std::string& SampleFile() {
    static const std::string path = std::string(NOX_DATA_DIR) + "/allusers/AppData/VARDEN/config/settings/simplelinks_toolbars.xml";
    return path;
}

}  // namespace

NOX_FUZZ_TARGET(toolbar_definition) {
    fuzzing::FuzzWorld& world = fuzzing::FuzzWorld::ForInput();
    static components::ICommandBars bars;
    if (bars.DefinitionFile() != SampleFile()) bars.Init(SampleFile());  // what the input replaces
    const std::string path = world.WriteFile("toolbars.xml", input);
    try {
        bars.Init(path);
    } catch (const AutomationError& e) {
        NOX_FUZZ_REQUIRE(e.Number() == components::kBadToolbarDefinition, e.Description());
        NOX_FUZZ_REQUIRE(bars.DefinitionFile() == SampleFile(), "a refused file keeps the one loaded before");
        return;
    }
    const auto definition = components::ToolbarDefinition::Load(path);
    for (const std::string& name : definition.BarNames()) {
        auto toolbar = std::make_shared<platform::ToolbarControl>();
        try {
            bars.BuildCommandBars(name, Variant(toolbar), "", Variant::Missing(), Variant::Missing());
        } catch (const std::exception& e) {
            NOX_FUZZ_REQUIRE(false, "bar " + name + " of a loaded file: " + e.what());
        }
        for (const std::string& tool : definition.Bar(name)->tools)
            NOX_FUZZ_REQUIRE(toolbar->Tools()->Exists(tool), "tool " + tool + " of bar " + name);
        bars.StaticState();
        bars.ActionMapping();
    }
}
