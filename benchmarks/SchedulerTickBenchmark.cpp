// SPDX-License-Identifier: GPL-3.0-or-later
// One reminder tick over a million event lines with nothing due, with and
// without past-event reminding, over future dates and over ten years back
// and ten ahead, and the tick right after a line changed,
// which reads every line's time again. The lines' times are read once and
// kept, so a tick with nothing due only compares numbers.

#include "ScriptedPlatform.h"
#include "app/TForm1.h"
#include "kit/Platform.h"
#include "store/FileStore.h"
#include "store/PosixFileSystem.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <stdexcept>

namespace {

using norvik::DateTime;
using norvik::Lines;
using norvik::Text;

constexpr int lineCount = 1'000'000;

// Events spread over the thirty years from `firstYear`, the full date text and
// a few words; every hundredth line typed in a looser form, every thousandth
// not a date at all.
Lines makeEvents(int firstYear) {
    std::mt19937 random(2026);
    Lines lines;
    lines.reserve(lineCount);
    char line[96];
    for (int i = 0; i < lineCount; ++i) {
        const int day = static_cast<int>(1 + random() % 28);
        const int month = static_cast<int>(1 + random() % 12);
        const int year = firstYear + static_cast<int>(random() % 30);
        const int hour = static_cast<int>(random() % 24);
        const int minute = static_cast<int>(random() % 60);
        if (i % 1000 == 999) {
            std::snprintf(line, sizeof line, "call back about the order %d", i);
        } else if (i % 100 == 99) {
            std::snprintf(line, sizeof line, "%d.%d.%d %d:%02d >>> loose %d", day, month, year,
                          hour, minute, i);
        } else {
            std::snprintf(line, sizeof line, "%02d.%02d.%04d %02d:%02d:%02d >>> event number %d",
                          day, month, year, hour, minute, static_cast<int>(random() % 60), i);
        }
        lines.push_back(line);
    }
    return lines;
}

class Program {
public:
    explicit Program(const char* lastEvent, int firstYear = 2027)
        : files_(fileSystem_), window_(platform_, files_) {
        // Nothing may be shown: a reminder would mean the benchmark measures
        // the wrong thing.
        platform_.clock = {2026, 12, 7, 12, 0, 0, 250};
        platform_.script = [](norvik::Form&) {
            throw std::logic_error("a reminder during the benchmark");
        };
        platform_.underBox = [] { throw std::logic_error("a message box during the benchmark"); };
        window_.ListBox3.setItems({"[config]", std::string("LastEvent=") + lastEvent});
        window_.ListBox1.setItems(makeEvents(firstYear));
        window_.CheckBox1.setChecked(true);
    }
    norvik::TForm1& window() { return window_; }
    // The clock moves on by a second per tick, as the timer does.
    void tick() {
        platform_.clock.second = (platform_.clock.second + 1) % 60;
        window_.TimerTimer();
    }

private:
    norvik::test::ScriptedPlatform platform_;
    norvik::PosixFileSystem fileSystem_;
    norvik::FileStore files_;
    norvik::TForm1 window_;
};

void tickNothingDue(benchmark::State& state, const char* lastEvent, int firstYear = 2027) {
    Program program(lastEvent, firstYear);
    program.tick(); // the first tick reads the lines
    for (auto _ : state) {
        program.tick();
    }
    if (!program.window().CheckBox1.checked()) {
        state.SkipWithError("reminders went off: something was due");
    }
    state.SetItemsProcessed(state.iterations() * lineCount);
}

void BM_TickNothingDue(benchmark::State& state) {
    tickNothingDue(state, "1");
}
BENCHMARK(BM_TickNothingDue)->Unit(benchmark::kMillisecond);

void BM_TickNothingDuePastEventsOff(benchmark::State& state) {
    tickNothingDue(state, "0");
}
BENCHMARK(BM_TickNothingDuePastEventsOff)->Unit(benchmark::kMillisecond);

// Past and future events alike (the years 2011 to 2040, the clock in 2026):
// those before the moment reminders were switched on are passed over.
void BM_TickMixedYearsPastEventsOff(benchmark::State& state) {
    tickNothingDue(state, "0", 2011);
}
BENCHMARK(BM_TickMixedYearsPastEventsOff)->Unit(benchmark::kMillisecond);

// After an edit, the next tick reads every line's time again.
void BM_TickAfterALineChanged(benchmark::State& state) {
    Program program("1");
    norvik::ListBox& list = program.window().ListBox1;
    int line = 0;
    for (auto _ : state) {
        state.PauseTiming();
        list.replace(line, "01.01.2030 10:00:00 >>> edited " + std::to_string(line));
        line = (line + 7919) % lineCount;
        state.ResumeTiming();
        program.tick();
    }
    state.SetItemsProcessed(state.iterations() * lineCount);
}
BENCHMARK(BM_TickAfterALineChanged)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
