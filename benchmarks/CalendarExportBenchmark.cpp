// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting a million event lines as iCalendar, Cyrillic texts included: the
// whole file is built in memory, as norvik-cli builds it before its one save.

#include "interop/CalendarExport.h"
#include "interop/LocalZone.h"
#include "store/Codec1251.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int lineCount = 1'000'000;

norvik::Lines eventLines() {
    norvik::Lines lines;
    lines.reserve(lineCount);
    const norvik::Text text = norvik::cp1251::literal("Встреча с врачом, кабинет 12");
    char date[32];
    for (int i = 0; i < lineCount; ++i) {
        std::snprintf(date, sizeof date, "%02d.%02d.%04d %02d:%02d:00", i % 28 + 1, i % 12 + 1,
                      2000 + i % 50, i % 24, i % 60);
        lines.push_back(norvik::Text(date) + " >>> " + text + " " + std::to_string(i));
    }
    return lines;
}

void exportMillionEvents(benchmark::State& state) {
    const norvik::Lines lines = eventLines();
    const norvik::LocalZone zone = norvik::systemZone();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto calendar = norvik::exportCalendar(lines, zone, 2026, 1'800'000'000);
        bytes = calendar.bytes.size();
        benchmark::DoNotOptimize(calendar.bytes.data());
    }
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK(exportMillionEvents)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
