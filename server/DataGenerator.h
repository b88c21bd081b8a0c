#pragma once
// Fills an empty store with a large synthetic data set for benchmarks: items and a part structure
// between them, one probe item with a known number of children, all in one transaction and in
// bulk (a million links in seconds), then has the database gather its statistics.
#include <cstdint>
#include <string>

#include "Store.h"
#include "objdefs/ObjectDefinitions.h"

namespace server {

struct GeneratorOptions {
    int64_t items = 1000;        // items besides the probe item
    int64_t links = 1000;        // structure links in all, the probe's included
    int64_t probeChildren = 100;  // children of the probe item
    uint64_t seed = 42;
};

class DataGenerator {
public:
    // The probe item's key; its revision is "A".
    static constexpr const char* kProbeItem = "PROBE";

    static void Generate(Store& store, const objdefs::ObjectDefinitions& defs, const GeneratorOptions& options);
};

}  // namespace server
