// Reading a server answer of 100,000 rows and 10 fields into a row set, against a bare parse of the
// same text; the ratio counter is the row set's time over the bare parse's, measured side by side in
// the thread's processor time (BenchClock.h).
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include "BenchClock.h"
#include "hosting/Registration.h"
#include "noxsimplelinks/common/clsXmlWrapper.h"
#include "platform/recordset/Recordset.h"

namespace {

constexpr int kRows = 100000;

std::string Answer() {
    static const char* kTypes[] = {"string", "string", "int", "float", "dateTime",
                                   "string", "boolean", "i2", "number", "string"};
    std::string text =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
        "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
        "<s:ElementType name='row' content='eltOnly'>";
    for (int c = 0; c < 10; ++c)
        text += "<s:AttributeType name='ITEM.F" + std::to_string(c) + "'><s:datatype dt:type='" + kTypes[c] +
                "'/></s:AttributeType>";
    text += "</s:ElementType></s:Schema><rs:data>";
    for (int r = 0; r < kRows; ++r) {
        std::string n = std::to_string(r);
        text += "<z:row ITEM.F0='KEY-" + n + "' ITEM.F1='Description of item " + n + "' ITEM.F2='" + n +
                "' ITEM.F3='" + n + ".25' ITEM.F4='2024-01-" + std::to_string(10 + r % 19) + "T10:30:00' ITEM.F5='A&amp;B' ITEM.F6='" + std::to_string(r % 2) +
                "' ITEM.F7='" + std::to_string(r % 1000) + "' ITEM.F8='12.5' ITEM.F9='RELEASED'/>";
    }
    return text + "</rs:data></xml>";
}

const std::string& Text() {
    static const std::string text = Answer();
    return text;
}

template <class Read>
void AgainstBareParse(benchmark::State& state, Read read) {
    const std::string& text = Text();
    double parse = 0, rowSet = 0;
    for (auto _ : state) {
        std::string answer = text;  // the caller's answer text, handed over
        const double start = bench::ThreadSeconds();
        {
            pugi::xml_document doc;
            benchmark::DoNotOptimize(doc.load_buffer(text.data(), text.size()));
        }
        const double parsed = bench::ThreadSeconds();
        {
            auto rs = read(std::move(answer));
            if (!rs || rs->Get("RecordCount").ToLong() != kRows) state.SkipWithError("wrong row count");
        }
        rowSet += bench::ThreadSeconds() - parsed;
        parse += parsed - start;
    }
    state.counters["ratio"] = rowSet / parse;
    state.counters["bytes"] = static_cast<double>(text.size());
}

void BM_RowSetAgainstBareParse(benchmark::State& state) {
    AgainstBareParse(state, [](std::string text) {
        return platform::Recordset::FromXml(std::make_shared<const std::string>(std::move(text)));
    });
}
BENCHMARK(BM_RowSetAgainstBareParse)->Unit(benchmark::kMillisecond)->Iterations(10);

// The way the grid reads an answer: through the XML wrapper and its component, by name.
void BM_RowSetThroughXmlWrapperAgainstBareParse(benchmark::State& state) {
    static bool registered = (hosting::RegisterAll(), true);
    benchmark::DoNotOptimize(registered);
    noxsimplelinks::clsXmlWrapper xml;
    AgainstBareParse(state, [&](std::string text) { return xml.getRecordset(std::move(text)); });
}
BENCHMARK(BM_RowSetThroughXmlWrapperAgainstBareParse)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ReadAllValues(benchmark::State& state) {
    auto rs = platform::Recordset::FromXml(std::make_shared<const std::string>(Text()));
    const platform::RecordsetData& data = rs->Data();
    for (auto _ : state)
        for (size_t r = 0; r < data.RecordCount(); ++r)
            for (size_t c = 0; c < data.ColumnCount(); ++c) benchmark::DoNotOptimize(data.Value(r, c));
}
BENCHMARK(BM_ReadAllValues)->Unit(benchmark::kMillisecond);

}  // namespace
