// The reference server's performance on each backend of its store (SQLite; PostgreSQL on a cluster
// of its own, PostgresCluster): the link query of a parent with 100 links in stores of 1,000 and
// 1,000,000 links, and the 10,000-row answer, each against the bare SELECT of the same rows on the
// same backend. The stores are generated once per run, in bulk. After the benchmarks it prints
// the ratios: answer to bare SELECT (limits 2 for 100 rows, 1.2 for 10,000) and large to small store
// (the indexes at work, limit 2).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <unistd.h>

#include "DataGenerator.h"
#include "DataPaths.h"
#include "Dialect.h"
#include "PlmServer.h"
#include "PostgresCluster.h"
#include "objdefs/ObjectDefinitionsReader.h"

namespace {

std::shared_ptr<const objdefs::ObjectDefinitions> Definitions() {
    static auto defs = objdefs::ObjectDefinitionsReader::ReadFile(server::DefinitionsFile());
    return defs;
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

// A generated store: the server over it and the bare SELECT of the probe's rows, the statement the
// server runs without the answer around it, every column read.
class BenchStore {
public:
    BenchStore(const std::string& location, int64_t links, int64_t probeChildren)
        : plm_(Definitions(), location) {
        server::GeneratorOptions options;
        options.items = std::max<int64_t>(probeChildren, links / 100);
        options.links = links;
        options.probeChildren = probeChildren;
        server::DataGenerator::Generate(plm_.GetStore(), *Definitions(), options);
        probe_ = plm_.GetStore().FindObjects("ITEM", {server::DataGenerator::kProbeItem, "A"}).at(0);
        const server::Dialect& sql = plm_.GetStore().Db().Sql();
        bare_ << "SELECT o.k1, o.k2";
        for (const char* attribute : {"DESCRIPTION", "STATUS", "WEIGHT", "CREATION_DATE"}) Column(sql, "o", attribute);
        for (const char* attribute : {"FIND_NO", "QUANTITY"}) Column(sql, "l", attribute);
        bare_ << " FROM links l JOIN objects o ON o.id = l.to_id WHERE l.link_table = 'ZR_ITEM_STRUCTURE' AND l.from_id = ";
        bare_.Value(probe_);
        bare_ << " AND o.type = 'ITEM' ORDER BY l.id";
    }

    std::string Query() { return plm_.Handle(kProbeQuery); }
    size_t BareSelect() {
        server::Statement& s = bare_.Prepare(plm_.GetStore().Db());
        size_t bytes = 0;
        while (s.Step())
            for (int c = 0; c < 8; ++c) bytes += s.TextView(c).size();
        return bytes;
    }

private:
    void Column(const server::Dialect& sql, const char* alias, const char* attribute) {
        bare_ << ", ";
        sql.Attribute(bare_, alias, attribute, server::AttributeForm::Value, objdefs::DataType::Text);
    }

    server::PlmServer plm_;
    int64_t probe_ = 0;
    server::SqlText bare_;
};

// The three stores of a backend.
struct Backend {
    std::string name;
    std::unique_ptr<BenchStore> small, large, rows;
};

std::unique_ptr<plmtest::PostgresCluster> cluster;

std::string SqliteFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("nox-bench-" + name + "-" + std::to_string(getpid()) + ".db")).string();
}

Backend MakeBackend(const std::string& name, const std::function<std::string(const std::string&)>& newStore) {
    auto started = std::chrono::steady_clock::now();
    Backend backend;
    backend.name = name;
    backend.small = std::make_unique<BenchStore>(newStore("small"), 1000, 100);
    backend.large = std::make_unique<BenchStore>(newStore("large"), 1000000, 100);
    backend.rows = std::make_unique<BenchStore>(newStore("rows"), 10000, 10000);
    std::printf("%s: the stores generated in %.1f s\n", name.c_str(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    return backend;
}

// The median times of the runs, in microseconds. Their samples are taken in turn, one of each run
// after the other, so that the changing load of a shared machine weighs on every run alike.
std::vector<double> Medians(const std::vector<std::function<void()>>& runs, int times) {
    std::vector<std::vector<double>> samples(runs.size());
    for (int i = 0; i < times; ++i) {
        for (size_t r = 0; r < runs.size(); ++r) {
            auto start = std::chrono::steady_clock::now();
            runs[r]();
            samples[r].push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::vector<double> medians;
    for (std::vector<double>& run : samples) {
        std::sort(run.begin(), run.end());
        medians.push_back(run[run.size() / 2]);
    }
    return medians;
}

void Register(Backend& b) {
    auto add = [&](const std::string& what, const std::function<void()>& run, int64_t rows) {
        benchmark::RegisterBenchmark((what + "/" + b.name).c_str(), [run, rows](benchmark::State& state) {
            for (auto _ : state) run();
            state.SetItemsProcessed(state.iterations() * rows);
        })->Unit(rows > 1000 ? benchmark::kMillisecond : benchmark::kMicrosecond);
    };
    add("QueryLinks100_in_1000_links", [&b] { benchmark::DoNotOptimize(b.small->Query()); }, 100);
    add("QueryLinks100_in_1000000_links", [&b] { benchmark::DoNotOptimize(b.large->Query()); }, 100);
    add("BareSelect100_in_1000000_links", [&b] { benchmark::DoNotOptimize(b.large->BareSelect()); }, 100);
    add("Answer10000Rows", [&b] { benchmark::DoNotOptimize(b.rows->Query()); }, 10000);
    add("BareSelect10000Rows", [&b] { benchmark::DoNotOptimize(b.rows->BareSelect()); }, 10000);
}

void PrintRatios(Backend& b) {
    std::vector<double> links = Medians({[&] { b.small->Query(); }, [&] { b.large->Query(); }, [&] { b.large->BareSelect(); }}, 201);
    const double small = links[0], large = links[1], bareLarge = links[2];
    std::vector<double> rows = Medians({[&] { b.rows->Query(); }, [&] { b.rows->BareSelect(); }}, 31);
    const double answer = rows[0], bare = rows[1];
    std::printf("%s: 100 links in 1,000,000, ZerakQueryLinks vs bare SELECT: %.2f (limit 2)  [%.0f us vs %.0f us]\n",
                b.name.c_str(), large / bareLarge, large, bareLarge);
    std::printf("%s: 10,000 rows, ZerakQueryLinks vs bare SELECT: %.2f (limit 1.2)  [%.1f ms vs %.1f ms]\n", b.name.c_str(),
                answer / bare, answer / 1000, bare / 1000);
    std::printf("%s: index, 100 links in 1,000,000 vs in 1,000 links: %.2f (limit 2)  [%.0f us vs %.0f us]\n",
                b.name.c_str(), large / small, large, small);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<Backend> backends;
    std::vector<std::string> files;
    backends.push_back(MakeBackend("sqlite", [&](const std::string& name) {
        files.push_back(SqliteFile(name));
        return files.back();
    }));
    try {
        cluster = std::make_unique<plmtest::PostgresCluster>();
        backends.push_back(MakeBackend("postgresql", [](const std::string&) { return cluster->NewStore(); }));
    } catch (const std::exception& e) {
        std::printf("postgresql: not measured: %s\n", e.what());
    }
    for (Backend& backend : backends) Register(backend);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (Backend& backend : backends) PrintRatios(backend);
    backends.clear();
    cluster.reset();
    for (const std::string& file : files)
        for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);
    return 0;
}
