// A grid layout file loaded into a grid (LoadGrid, as the layout cache is read). The load either
// changes the grid to what the file says — and the grid saved and loaded again stays the same — or
// raises an automation error and leaves the grid as it was.
#include <fstream>
#include <sstream>

#include "FuzzTarget.h"
#include "FuzzWorld.h"
#include "platform/grid/FlexGrid.h"

namespace {

// The whole state of a grid as its layout file.
std::string Saved(const platform::FlexGrid& grid, const fuzzing::FuzzWorld& world) {
    const std::string path = world.WriteFile("saved.grd", "");
    grid.SaveGrid(path, platform::kGridFileAll, true);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

NOX_FUZZ_TARGET(grid_layout) {
    fuzzing::FuzzWorld& world = fuzzing::FuzzWorld::ForInput();
    platform::FlexGrid grid;
    grid.LoadGrid(std::string(NOX_DATA_DIR) + "/grids/sample_layout.grd", platform::kGridFileAll);
    const std::string before = Saved(grid, world);
    try {
        grid.LoadGrid(world.WriteFile("input.grd", input), platform::kGridFileAll);
    } catch (const automation::AutomationError& e) {
        NOX_FUZZ_REQUIRE(Saved(grid, world) == before, "a refused file leaves the grid as it was: " + e.Description());
        return;
    }
    const std::string loaded = Saved(grid, world);
    platform::FlexGrid again;
    again.LoadGrid(world.WriteFile("again.grd", loaded), platform::kGridFileAll);
    NOX_FUZZ_REQUIRE(Saved(again, world) == loaded, "a loaded grid saved and loaded again stays the same");
}
