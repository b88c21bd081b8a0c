// UI definitions of 500 object types with 40 attributes each. The field table of a 30-column grid
// (getRequestFields) against one parse of the file: ratio = table over parse. The layout of that
// grid from the cache against the layout from the UI definitions: speedup = uncached over cached,
// with the time of each (fresh_us, cached_us, microseconds a layout). Times
// are the thread's processor time (BenchClock.h).
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include "BenchClock.h"
#include "BenchProfile.h"
#include "hosting/Registration.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "noxsimplelinks/metadata/clsUI_DefWrapper.h"
#include "platform/grid/FlexGrid.h"
#include "platform/xml/XmlDocument.h"

namespace {

constexpr int kTypes = 500;
constexpr int kAttributes = 40;
constexpr int kColumns = 30;
constexpr const char* kType = "TYPE250";

std::string UiDef() {
    std::string text = "<UI_DEF>";
    for (int t = 0; t < kTypes; ++t) {
        std::string type = "TYPE" + std::to_string(t);
        text += "<OBJ ID='" + type + "' UI_LABEL='LBL_" + type + "' UI_VISIBLE='1' UI_FLAGS='010000000011'><ATTRS>";
        for (int a = 0; a < kAttributes; ++a) {
            std::string flags = a < 2 ? "111000001111" : "011111010111";
            text += "<ATTR ID='" + type + ".ATTR" + std::to_string(a) + "' UI_T='" + (a % 5 == 0 ? "date" : "string") +
                    "' UI_L='Attribute " + std::to_string(a) + "' UI_LE='40' UI_G='GENERAL' UI_O='" + std::to_string(a) +
                    "' UI_FLAGS='" + flags + "'/>";
        }
        text += "</ATTRS><GROUPS><GROUP ID='GENERAL' UI_L='General' UI_O='1'/></GROUPS></OBJ>";
    }
    return text + "</UI_DEF>";
}

std::string GridDefinition() {
    std::string text = std::string("<GRID_COLS ID='Wide' BASE_OBJECT='") + kType + "' OBJECTS='" + kType + "'>";
    for (int c = 2; c < 2 + kColumns - 2; ++c)
        text += std::string("<") + kType + ".ATTR" + std::to_string(c) + " WIDTH='1200'/>";
    return text + "</GRID_COLS>";
}

struct World {
    World() {
        std::filesystem::path profile = bench::MakeProfile();
        text = UiDef();
        bench::WriteFile(profile / "config" / "download" / "ui_def.xml", text);
        hosting::RegisterAll();
        ui = std::make_shared<noxsimplelinks::clsUI_DefWrapper>();
        definition->LoadXml(GridDefinition());
        node = automation::Variant(definition->DocumentElement());
    }
    std::string text;
    std::shared_ptr<noxsimplelinks::clsUI_DefWrapper> ui;
    std::shared_ptr<platform::XmlDocument> definition = std::make_shared<platform::XmlDocument>();
    automation::Variant node;
};

World& TheWorld() {
    static World world;
    return world;
}

double ParseSeconds(const std::string& text) {
    const double start = bench::ThreadSeconds();
    pugi::xml_document doc;
    benchmark::DoNotOptimize(doc.load_buffer(text.data(), text.size()));
    return bench::ThreadSeconds() - start;
}

void BM_RequestFieldsAgainstOneParse(benchmark::State& state) {
    World& world = TheWorld();
    double parse = 0, table = 0;
    for (auto _ : state) {
        parse += ParseSeconds(world.text);
        const double start = bench::ThreadSeconds();
        automation::Variant fields = world.ui->getRequestFields(world.node);
        table += bench::ThreadSeconds() - start;
        if (!fields.IsArray() || fields.ToArray().UBound(1) != kColumns) state.SkipWithError("wrong field table");
    }
    state.counters["ratio"] = table / parse;
    state.counters["file_MB"] = static_cast<double>(world.text.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_RequestFieldsAgainstOneParse)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_CachedLayoutAgainstUncached(benchmark::State& state) {
    World& world = TheWorld();
    noxsimplelinks::clsGrid uncached, cached;
    uncached.SetUseCache(false);
    cached.SetUseCache(true);
    cached.SetCachePrefix("bench");
    automation::Variant ui(world.ui);
    cached.LoadGridLayout(automation::Variant(std::make_shared<platform::FlexGrid>()), world.node, ui);  // writes the cache
    double fresh = 0, fromCache = 0;
    for (auto _ : state) {
        auto grid = automation::Variant(std::make_shared<platform::FlexGrid>());
        const double start = bench::ThreadSeconds();
        uncached.LoadGridLayout(grid, world.node, ui);
        const double laidOut = bench::ThreadSeconds();
        cached.LoadGridLayout(grid, world.node, ui);
        fromCache += bench::ThreadSeconds() - laidOut;
        fresh += laidOut - start;
    }
    const double loads = static_cast<double>(state.iterations());
    state.counters["speedup"] = fresh / fromCache;
    state.counters["fresh_us"] = fresh * 1e6 / loads;
    state.counters["cached_us"] = fromCache * 1e6 / loads;
}
BENCHMARK(BM_CachedLayoutAgainstUncached)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
