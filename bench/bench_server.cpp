// The reference server's performance: link queries in small and large stores (the indexes at
// work) and the cost of answering 10,000 rows against the bare SELECT of the same rows. After the
// benchmarks it prints the two ratios with their limits (index: at most 2, answer: at most 3).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "DataGenerator.h"
#include "DataPaths.h"
#include "PlmServer.h"
#include "objdefs/ObjectDefinitionsReader.h"

namespace {

std::shared_ptr<const objdefs::ObjectDefinitions> Definitions() {
    static auto defs = objdefs::ObjectDefinitionsReader::ReadFile(server::DefinitionsFile());
    return defs;
}

// A generated store, kept in the temporary folder between runs (generating a million links takes
// a while).
server::PlmServer& Store(int64_t links, int64_t probeChildren) {
    static std::map<std::pair<int64_t, int64_t>, std::unique_ptr<server::PlmServer>> stores;
    auto& slot = stores[{links, probeChildren}];
    if (slot) return *slot;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "nox-bench-server";
    std::filesystem::create_directories(folder);
    std::string path = (folder / ("links-" + std::to_string(links) + "-probe-" + std::to_string(probeChildren) + ".db")).string();
    bool fresh = !std::filesystem::exists(path);
    slot = std::make_unique<server::PlmServer>(Definitions(), path);
    if (fresh) {
        server::GeneratorOptions options;
        options.items = std::max<int64_t>(probeChildren, links / 100);
        options.links = links;
        options.probeChildren = probeChildren;
        server::DataGenerator::Generate(slot->GetStore(), *Definitions(), options);
    }
    return *slot;
}

const char* kFields =
    "<SELECT_FIELDS ID=\"\" TYPE=\"SELECT_FIELDS\"><ITEM.ITEM_KEY></ITEM.ITEM_KEY><ITEM.REVISION></ITEM.REVISION>"
    "<ITEM.DESCRIPTION></ITEM.DESCRIPTION><ITEM.STATUS></ITEM.STATUS><ITEM.WEIGHT></ITEM.WEIGHT>"
    "<ITEM.CREATION_DATE></ITEM.CREATION_DATE><CHILD_LINKS.FIND_NO></CHILD_LINKS.FIND_NO>"
    "<CHILD_LINKS.QUANTITY></CHILD_LINKS.QUANTITY></SELECT_FIELDS>";

const std::string kProbeQuery = std::string("<Request><Method><Name>ZerakQueryLinks</Name><OBJECTS>") + kFields +
                                "<IN_OBJECT ID=\"ITEM\" TYPE=\"\"><ITEM.ITEM_KEY>PROBE</ITEM.ITEM_KEY>"
                                "<ITEM.REVISION>A</ITEM.REVISION></IN_OBJECT><LINK1 ID=\"CHILD_LINKS\"></LINK1></OBJECTS>"
                                "</Method></Request>";

// The same rows read straight from SQLite: the statement the server runs, every column read.
size_t BareSelect(server::PlmServer& plm) {
    server::Statement& s = plm.GetStore().Db().Prepare(
        "SELECT o.k1, o.k2, json_extract(o.attrs, '$.\"DESCRIPTION\"'), json_extract(o.attrs, '$.\"STATUS\"'), "
        "json_extract(o.attrs, '$.\"WEIGHT\"'), json_extract(o.attrs, '$.\"CREATION_DATE\"'), "
        "json_extract(l.attrs, '$.\"FIND_NO\"'), json_extract(l.attrs, '$.\"QUANTITY\"') FROM links l JOIN objects o "
        "ON o.id = l.to_id WHERE l.link_table = 'ZR_ITEM_STRUCTURE' AND l.from_id = (SELECT id FROM objects WHERE "
        "type = 'ITEM' AND k1 = 'PROBE' AND k2 = 'A' AND k3 = '') AND o.type = 'ITEM' ORDER BY l.id");
    size_t bytes = 0;
    while (s.Step())
        for (int c = 0; c < 8; ++c) bytes += s.TextView(c).size();
    return bytes;
}

void BM_QueryLinks100(benchmark::State& state) {
    server::PlmServer& plm = Store(state.range(0), 100);
    for (auto _ : state) benchmark::DoNotOptimize(plm.Handle(kProbeQuery));
    state.SetLabel(std::to_string(state.range(0)) + " links in the store");
}
BENCHMARK(BM_QueryLinks100)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_Answer10000Rows(benchmark::State& state) {
    server::PlmServer& plm = Store(10000, 10000);
    for (auto _ : state) benchmark::DoNotOptimize(plm.Handle(kProbeQuery));
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Answer10000Rows)->Unit(benchmark::kMillisecond);

void BM_BareSelect10000Rows(benchmark::State& state) {
    server::PlmServer& plm = Store(10000, 10000);
    for (auto _ : state) benchmark::DoNotOptimize(BareSelect(plm));
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_BareSelect10000Rows)->Unit(benchmark::kMillisecond);

// The median time of a run, in microseconds.
double Median(const std::function<void()>& run, int times) {
    std::vector<double> samples;
    for (int i = 0; i < times; ++i) {
        auto start = std::chrono::steady_clock::now();
        run();
        samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void PrintRatios() {
    server::PlmServer& small = Store(1000, 100);
    server::PlmServer& large = Store(1000000, 100);
    double smallTime = Median([&] { small.Handle(kProbeQuery); }, 201);
    double largeTime = Median([&] { large.Handle(kProbeQuery); }, 201);
    server::PlmServer& rows = Store(10000, 10000);
    double answer = Median([&] { rows.Handle(kProbeQuery); }, 31);
    double bare = Median([&] { BareSelect(rows); }, 31);
    std::printf("index ratio (100 links, 1,000,000 vs 1,000 links in the store): %.2f (limit 2)  [%.0f us vs %.0f us]\n",
                largeTime / smallTime, largeTime, smallTime);
    std::printf("answer ratio (ZerakQueryLinks vs bare SELECT, 10,000 rows): %.2f (limit 3)  [%.1f ms vs %.1f ms]\n",
                answer / bare, answer / 1000, bare / 1000);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
