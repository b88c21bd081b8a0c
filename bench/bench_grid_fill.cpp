// Filling the grid from an answer of 100,000 rows and 10 columns (six texts, two dates, two numbers;
// two columns auto-sized), against a bare parse of the same text measured side by side; once with the
// number columns as numbers (each value goes through the regional display form), once as texts. Counters:
// ratio (fill over parse), answer_MB, and the growth of the peak resident memory over the answer's
// size (peak_over_answer). Then the fill of 1,000,000 rows against the fill of 100,000
// (one_million_over_100k: at most 10.5 when the fill's cost grows linearly), each on memory the
// allocator has given back to the system, as a first fill meets it: otherwise the small fill reuses the
// memory its predecessor freed and the large one, whose blocks the allocator does not keep, pays for
// fresh pages alone. Times are the thread's processor time (BenchClock.h).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <pugixml.hpp>

#include "BenchClock.h"
#include "BenchProfile.h"
#include "hosting/Registration.h"
#include "noxsimplelinks/grid/clsGrid.h"
#include "platform/grid/FlexGrid.h"

namespace {

constexpr int kRows = 100000;

struct Field {
    const char* key;
    const char* type;
    int32_t dataType;
};
constexpr Field kFields[] = {{"DOC.DOC_ID", "string", 8},      {"DOC.REVISION", "string", 8}, {"DOC.TITLE", "string", 8},
                             {"DOC.STATUS", "string", 8},      {"DOC.AUTHOR", "string", 8},   {"DOC.DOC_TYPE", "string", 8},
                             {"DOC.CREATION_DATE", "dateTime", 7}, {"ITEM_DOC.LINK_DATE", "dateTime", 7},
                             {"DOC.PAGES", "number", 3},       {"DOC.WEIGHT", "number", 5}};

std::string Answer(int rows) {
    std::string text =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
        "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
        "<s:ElementType name='row' content='eltOnly'>";
    for (const Field& f : kFields)
        text += std::string("<s:AttributeType name='") + f.key + "'><s:datatype dt:type='" + f.type + "'/></s:AttributeType>";
    text += "</s:ElementType></s:Schema><rs:data>";
    for (int r = 0; r < rows; ++r) {
        std::string n = std::to_string(r), day = std::to_string(10 + r % 19);
        text += "<z:row DOC.DOC_ID='DOC-" + n + "' DOC.REVISION='A' DOC.TITLE='Drawing of assembly " + n +
                "' DOC.STATUS='RELEASED' DOC.AUTHOR='jdoe' DOC.DOC_TYPE='DRAWING' DOC.CREATION_DATE='2024-01-" + day +
                "T10:30:00' ITEM_DOC.LINK_DATE='2024-02-" + day + "T08:15:00' DOC.PAGES='" + std::to_string(r % 400) +
                "' DOC.WEIGHT='" + n + ".25'/>";
    }
    return text + "</rs:data></xml>";
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The columns as a layout leaves them: keys, data types, and no stored width for two of them. With
// numbersAsText the two number columns are laid out as texts (no regional conversion).
void LayOut(platform::FlexGrid& grid, bool numbersAsText) {
    grid.SetRows(1);
    grid.SetFixedRows(1);
    grid.SetCols(10);
    for (int32_t c = 0; c < 10; ++c) {
        grid.SetColKey(c, kFields[c].key);
        grid.SetColDataType(c, numbersAsText && c >= 8 ? 8 : kFields[c].dataType);
        grid.SetColData(c, automation::Variant(int32_t{c == 2 || c == 8 ? noxsimplelinks::clsGrid::kNoStoredWidth : 1500}));
    }
}

void Prepare() {
    static bool ready = (bench::MakeProfile(), hosting::RegisterAll(), true);
    benchmark::DoNotOptimize(ready);
}

// The processor time of one fill of a laid-out grid.
double FillSeconds(noxsimplelinks::clsGrid& filler, const std::string& text, int rows, bool numbersAsText,
                   benchmark::State& state) {
    auto grid = std::make_shared<platform::FlexGrid>();
    LayOut(*grid, numbersAsText);
    std::string answer = text;  // the control hands its answer over to the fill; the copy is the benchmark's
    const double start = bench::ThreadSeconds();
    if (!filler.FillGrid(automation::Variant(grid), std::move(answer)) || grid->Rows() != rows + 1)
        state.SkipWithError("the grid was not filled");
    return bench::ThreadSeconds() - start;
}

void BM_FillGridAgainstBareParse(benchmark::State& state) {
    Prepare();
    const std::string text = Answer(kRows);
    noxsimplelinks::clsGrid filler;
    double parse = 0, fill = 0;
    long before = PeakKilobytes();
    for (auto _ : state) {
        const double start = bench::ThreadSeconds();
        {
            pugi::xml_document doc;
            benchmark::DoNotOptimize(doc.load_buffer(text.data(), text.size()));
        }
        parse += bench::ThreadSeconds() - start;
        fill += FillSeconds(filler, text, kRows, state.range(0) == 1, state);
    }
    double answerKilobytes = static_cast<double>(text.size()) / 1024.0;
    state.counters["ratio"] = fill / parse;
    state.counters["answer_MB"] = answerKilobytes / 1024.0;
    state.counters["peak_over_answer"] = static_cast<double>(PeakKilobytes() - before) / answerKilobytes;
}
// Argument 0: as laid out from the UI definitions; 1: the number columns shown as texts.
BENCHMARK(BM_FillGridAgainstBareParse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FillGridOneMillionAgainst100k(benchmark::State& state) {
    Prepare();
    const std::string small = Answer(kRows), large = Answer(10 * kRows);
    noxsimplelinks::clsGrid filler;
    double smallFill = 0, largeFill = 0;
    for (auto _ : state) {  // each fill as a host's first of its size: on memory new to the process
        malloc_trim(0);
        smallFill += FillSeconds(filler, small, kRows, false, state);
        malloc_trim(0);
        largeFill += FillSeconds(filler, large, 10 * kRows, false, state);
    }
    state.counters["one_million_over_100k"] = largeFill / smallFill;
}
BENCHMARK(BM_FillGridOneMillionAgainst100k)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
