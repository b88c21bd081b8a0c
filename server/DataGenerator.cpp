#include "DataGenerator.h"

#include <cstdio>
#include <vector>

#include "JsonObject.h"
#include "Dialect.h"
#include "PlmNames.h"
#include "StoreError.h"

namespace server {

namespace {

// A small deterministic generator, so that a seed gives the same data set everywhere.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    uint64_t Next(uint64_t bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state_ >> 33) % bound;
    }

private:
    uint64_t state_;
};

const char* const kStatuses[] = {"IN_WORK", "RELEASED", "RELEASED", "UNDER_CHANGE"};

std::string ItemKey(int64_t n) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "G%08lld", static_cast<long long>(n));
    return buffer;
}

std::string ItemAttributes(Random& random, int64_t n) {
    JsonObject json;
    json.Add("DESCRIPTION", "Generated item " + std::to_string(n))
        .Add("STATUS", std::string(kStatuses[random.Next(4)]))
        .Add("ITEM_TYPE", std::string(random.Next(3) ? "PART" : "ASSEMBLY"))
        .Add("UOM", std::string("EA"))
        .Add("WEIGHT", static_cast<double>(random.Next(100000)) / 100.0)
        .Add("AUTHOR", std::string("generator"))
        .Add("CREATION_DATE", std::string("2024-01-15T00:00:00"))
        .Add("DATE_EFF_FROM", std::string("2024-02-01T00:00:00"));
    return json.Text();
}

std::string LinkAttributes(Random& random, int64_t findNo) {
    return JsonObject()
        .Add("FIND_NO", findNo)
        .Add("QUANTITY", static_cast<int64_t>(1 + random.Next(20)))
        .Add("UOM", std::string("EA"))
        .Text();
}

}  // namespace

void DataGenerator::Generate(Store& store, const objdefs::ObjectDefinitions& defs, const GeneratorOptions& options) {
    const objdefs::LinkDef* structure = defs.FindLink(names::kChildLinks, "ITEM");
    if (!structure) throw StoreError("The definitions have no CHILD_LINKS link of ITEM");
    if (options.items < 1 || options.links < options.probeChildren || options.probeChildren > options.items)
        throw StoreError("The generator needs at least one item, and no more probe children than items or links");
    Random random(options.seed);
    Database& db = store.Db();
    Transaction transaction(db, Access::Changes);
    std::unique_ptr<BulkInsert> objects = db.Bulk("objects", {"type", "k1", "k2", "attrs"});
    objects->Add({std::string("ITEM"), std::string(kProbeItem), std::string("A"), ItemAttributes(random, 0)});
    for (int64_t n = 1; n <= options.items; ++n)
        objects->Add({std::string("ITEM"), ItemKey(n), std::string("A"), ItemAttributes(random, n)});
    objects->Finish();
    // The ids the store gave, in the order of the keys (the probe's "PROBE" sorts after "G…").
    std::vector<int64_t> items;
    items.reserve(options.items + 1);
    Statement& ids = db.Prepare("SELECT id FROM objects WHERE type = 'ITEM' AND k2 = 'A' ORDER BY k1");
    while (ids.Step()) items.push_back(ids.Int(0));
    if (items.size() != static_cast<size_t>(options.items) + 1) throw StoreError("The generator needs an empty store");
    const int64_t probe = items.back();
    // A million rows load several times faster into the bare table, their indexes built afterwards
    // (by the schema's statements, which create what is missing).
    db.Exec("DROP INDEX IF EXISTS links_from; DROP INDEX IF EXISTS links_to; DROP INDEX IF EXISTS links_to_any");
    std::unique_ptr<BulkInsert> links = db.Bulk("links", {"link_table", "from_id", "to_id", "attrs"});
    for (int64_t i = 0; i < options.probeChildren; ++i)
        links->Add({structure->table, probe, items[i], LinkAttributes(random, (i + 1) * 10)});
    for (int64_t i = options.probeChildren; i < options.links; ++i) {
        int64_t parent = items[random.Next(options.items)];
        int64_t child = items[random.Next(options.items)];
        links->Add({structure->table, parent, child, LinkAttributes(random, (i % 100 + 1) * 10)});
    }
    links->Finish();
    db.Exec(db.Sql().Schema());
    transaction.Commit();
    db.Exec("ANALYZE");  // the planner learns the sizes a million links bring
}

}  // namespace server
