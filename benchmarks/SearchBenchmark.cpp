// SPDX-License-Identifier: GPL-3.0-or-later
// The list search over a million event lines, with and without letter case,
// against `grep -F -c` run on the same lines written to a file. Each search
// benchmark reports its own time, grep's time and the ratio between them as
// counters; the case-ignoring one also reports how many times the
// case-matching search it takes.

#include "TempFolder.h"
#include "search/ListSearch.h"
#include "search/SubstringFinder.h"
#include "store/Codec1251.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using norvik::Lines;
using norvik::Text;
using Clock = std::chrono::steady_clock;

constexpr int lineCount = 1'000'000;
constexpr int grepRuns = 15;

// Event lines like the ones users keep: a date text, the separator and a few
// words in Russian and English. Only the last line holds the phrase searched
// for, so every search walks the whole list.
Lines makeEventLines(const Text& phrase) {
    const std::vector<std::string> words = {
        "купить",   "хлеб",      "молоко", "встреча", "с",        "командой", "отчёт",   "за",
        "квартал",  "позвонить", "маме",   "Dentist", "call",     "meeting",  "project", "review",
        "Оплатить", "счета",     "ЖКХ",    "день",    "рождения", "подарок",  "Train",   "ticket"};
    std::mt19937 random(2027);
    Lines lines;
    lines.reserve(lineCount);
    char date[32];
    for (int i = 0; i < lineCount; ++i) {
        std::snprintf(date, sizeof date, "%02d.%02d.%04d %02d:%02d:%02d",
                      static_cast<int>(1 + random() % 28), static_cast<int>(1 + random() % 12),
                      static_cast<int>(2000 + random() % 30), static_cast<int>(random() % 24),
                      static_cast<int>(random() % 60), static_cast<int>(random() % 60));
        Text line = std::string(date) + " >>> ";
        const int count = 2 + static_cast<int>(random() % 8);
        for (int w = 0; w < count; ++w) {
            if (w > 0) {
                line += ' ';
            }
            line += norvik::cp1251::literal(words[random() % words.size()]);
        }
        lines.push_back(std::move(line));
    }
    lines.replace(lines.size() - 1, Text(lines.back()) + " " + phrase);
    return lines;
}

// The lines as do.txt holds them, in a temporary folder removed at the end.
class LinesFile {
public:
    explicit LinesFile(const Lines& lines) {
        std::string bytes;
        for (const auto& line : lines) {
            bytes += line;
            bytes += "\r\n";
        }
        folder_.write("do.txt", bytes);
    }

    std::string path() const { return folder_ / "do.txt"; }

private:
    norvik::test::TempFolder folder_{"norvik-search-bench"};
};

// The median wall time of `grep -F -c` counting the phrase in the file, the
// program's start included, as a user would time it. The file is read once
// before, so that every run finds it in the page cache as the search finds
// its lines in memory.
double grepSeconds(const LinesFile& file, const Text& phrase) {
    const std::string command = "LC_ALL=C grep -F -c -- '" + phrase + "' '" + file.path() + "'";
    std::vector<double> times;
    for (int run = 0; run <= grepRuns; ++run) {
        const auto start = Clock::now();
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) {
            throw std::runtime_error("cannot run grep");
        }
        char answer[64] = {};
        const bool read = std::fgets(answer, sizeof answer, pipe) != nullptr;
        ::pclose(pipe);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!read || std::string(answer) != "1\n") {
            throw std::runtime_error("grep did not count the one matching line");
        }
        if (run > 0) {
            times.push_back(seconds);
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Measured {
    double grep = 0;
    double matchingCase = 0;
};

void searchList(benchmark::State& state, const Lines& lines, const Text& needle, bool matchCase,
                bool eventTextOnly, Measured& measured, double* record) {
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const norvik::SubstringFinder finder(needle, matchCase);
        const int found = norvik::findLine(lines, finder, {false, eventTextOnly});
        total += std::chrono::duration<double>(Clock::now() - start).count();
        if (found != static_cast<int>(lines.size()) - 1) {
            state.SkipWithError("the search did not stop at the last line");
            return;
        }
        benchmark::DoNotOptimize(found);
    }
    const double perSearch = total / static_cast<double>(state.iterations());
    state.counters["search_ms"] = perSearch * 1e3;
    state.counters["grep_ms"] = measured.grep * 1e3;
    state.counters["x_grep"] = perSearch / measured.grep;
    if (record != nullptr) {
        *record = perSearch;
    }
    if (!matchCase && measured.matchingCase > 0) {
        state.counters["x_match_case"] = perSearch / measured.matchingCase;
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const Text phrase = norvik::cp1251::literal("ёлочные игрушки");
    const Text capitals = norvik::cp1251::literal("ЁЛОЧНЫЕ ИГРУШКИ");
    const Lines lines = makeEventLines(phrase);
    const LinesFile file(lines);

    Measured measured;
    measured.grep = grepSeconds(file, phrase);

    benchmark::RegisterBenchmark("ListSearch/matchCase",
                                 [&](benchmark::State& state) {
                                     searchList(state, lines, phrase, true, false, measured,
                                                &measured.matchingCase);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ListSearch/ignoreCase",
                                 [&](benchmark::State& state) {
                                     searchList(state, lines, capitals, false, false, measured,
                                                nullptr);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ListSearch/ignoreCase/eventTextOnly",
                                 [&](benchmark::State& state) {
                                     searchList(state, lines, capitals, false, true, measured,
                                                nullptr);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
