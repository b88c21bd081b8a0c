// Building multi-method requests: one nested request per row, composed, escaped and wrapped. The
// ratio counter is the time for 10,000 nested requests over the time for 1,000 (linear: about 10).
#include <benchmark/benchmark.h>

#include <chrono>

#include "automation/SafeArray.h"
#include "hosting/Registration.h"
#include "noxsimplelinks/request/clsRequestWrapper.h"
#include "noxsimplelinks/request/clsUtils.h"

namespace {

using automation::SafeArray;
using automation::Variant;

// A shared builder, as the host's: parameters are set for every row and merge with what it holds.
std::string MultiMethodRequest(int rows) {
    static bool registered = (hosting::RegisterAll(), true);
    benchmark::DoNotOptimize(registered);
    noxsimplelinks::clsUtils utils;
    noxsimplelinks::clsRequestWrapper builder;
    Variant parentKeys(SafeArray::Of({"EO.EO_ID"})), parentValues(SafeArray::Of({"EO-1"}));
    Variant keys(SafeArray::Of({"ITEM.ITEM_KEY", "ITEM.REV"}));
    std::string body;
    for (int r = 0; r < rows; ++r) {
        Variant values(SafeArray::Of({"KEY<" + std::to_string(r) + ">&", "A"}));
        builder.setparams("<PARAMS><LOCK>TRUE</LOCK></PARAMS>");
        builder.setobjects("<OBJECTS>" + utils.getObjByKeysAsXml("EO", parentKeys, parentValues, "IN_OBJECT", "") +
                           utils.getObjByKeysAsXml("ITEM", keys, values, "IN_OBJECT1", "") + "</OBJECTS>");
        body += builder.buildrequest("EoLockObjectWithoutConnection");
    }
    builder.setparams(utils.GetParamsXMLForMultiMethodRequest(body));
    return builder.buildrequest("MultiMethodsRequest");
}

double SecondsFor(int rows) {
    auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(MultiMethodRequest(rows));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_MultiMethodRequest(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(MultiMethodRequest(static_cast<int>(state.range(0))));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MultiMethodRequest)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_MultiMethodLinearity(benchmark::State& state) {
    double small = 0, large = 0;
    for (auto _ : state) {
        small += SecondsFor(1000);
        large += SecondsFor(10000);
    }
    state.counters["ratio"] = large / small;
}
BENCHMARK(BM_MultiMethodLinearity)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
