// How long the grid takes to take in, sort and measure a large row set.
#include <benchmark/benchmark.h>

#include "automation/SafeArray.h"
#include "platform/grid/FlexGrid.h"

namespace {

constexpr int32_t kCols = 10;

automation::Variant RowSet(int32_t rows) {
    automation::SafeArray data({0, rows - 1}, {0, kCols - 1});
    for (int32_t r = 0; r < rows; ++r)
        for (int32_t c = 0; c < kCols; ++c) data.At(r, c) = automation::Variant("ITEM-" + std::to_string((r * 7919 + c) % rows));
    return automation::Variant(std::move(data));
}

platform::FlexGrid LaidOutGrid() {
    platform::FlexGrid grid;
    grid.SetRows(1);
    grid.SetCols(kCols);
    grid.SetFixedRows(1);
    return grid;
}

void LoadArray(benchmark::State& state) {
    automation::Variant rows = RowSet(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        platform::FlexGrid grid = LaidOutGrid();
        grid.LoadArray(rows);
        benchmark::DoNotOptimize(grid.Rows());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kCols);
}
BENCHMARK(LoadArray)->Arg(100'000)->Unit(benchmark::kMillisecond);

void SortByOneColumn(benchmark::State& state) {
    automation::Variant rows = RowSet(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        platform::FlexGrid grid = LaidOutGrid();
        grid.LoadArray(rows);
        grid.Select(0, 3);
        state.ResumeTiming();
        grid.SetSort(platform::kSortGenericAscending);
    }
}
BENCHMARK(SortByOneColumn)->Arg(100'000)->Unit(benchmark::kMillisecond);

void AutoSizeAllColumns(benchmark::State& state) {
    platform::FlexGrid grid = LaidOutGrid();
    grid.LoadArray(RowSet(static_cast<int32_t>(state.range(0))));
    for (auto _ : state) grid.AutoSize(0, kCols - 1, std::nullopt, std::nullopt);
}
BENCHMARK(AutoSizeAllColumns)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
