// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving the data files at the sizes users reach: a million event
// lines and 10 MB of notes, split and joined in memory, read and written
// through the store on the real disk (each save is synced, like the program's),
// and taken over and typed into by the notes editor's buffer.

#include "kit/TextBuffer.h"
#include "store/FileStore.h"
#include "store/LineList.h"
#include "store/PosixFileSystem.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using norvik::Lines;
using norvik::Text;

constexpr int eventLines = 1'000'000;
constexpr std::size_t notesBytes = 10u << 20;

// Event lines in code page 1251: a date text, the separator and a few words
// of Cyrillic letters (bytes 0xC0-0xFF).
Lines makeEventLines() {
    std::mt19937 random(2026);
    Lines lines;
    lines.reserve(eventLines);
    char date[32];
    for (int i = 0; i < eventLines; ++i) {
        std::snprintf(date, sizeof date, "%02d.%02d.%04d %02d:%02d:00 >>> ",
                      static_cast<int>(1 + random() % 28), static_cast<int>(1 + random() % 12),
                      static_cast<int>(1990 + i / 25'000), static_cast<int>(random() % 24),
                      static_cast<int>(random() % 4 * 15));
        Text line = date;
        const int words = 3 + static_cast<int>(random() % 8);
        for (int w = 0; w < words; ++w) {
            line += w == 0 ? "" : " ";
            line.append(3 + random() % 8, static_cast<char>(0xC0 + random() % 64));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

const std::string& eventBytes() {
    static const std::string bytes = norvik::joinLines(makeEventLines());
    return bytes;
}

// Notes lines of about sixty characters with CR LF, or with lone LF as a file
// written elsewhere may have them.
std::string makeNotes(const char* lineBreak) {
    std::mt19937 random(2027);
    std::string notes;
    notes.reserve(notesBytes + 64);
    while (notes.size() < notesBytes) {
        notes.append(40 + random() % 40, static_cast<char>(0xC0 + random() % 64));
        notes += lineBreak;
    }
    return notes;
}

// A folder of its own for the files, removed at the end.
class Folder {
public:
    Folder()
        : path_(std::filesystem::temp_directory_path() /
                ("norvik-load-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

void BM_SplitEventLines(benchmark::State& state) {
    const std::string& bytes = eventBytes();
    for (auto _ : state) {
        Lines lines = norvik::splitLines(bytes);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_SplitEventLines)->Unit(benchmark::kMillisecond);

void BM_JoinEventLines(benchmark::State& state) {
    const Lines lines = norvik::splitLines(eventBytes());
    for (auto _ : state) {
        std::string bytes = norvik::joinLines(lines);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(eventBytes().size()));
}
BENCHMARK(BM_JoinEventLines)->Unit(benchmark::kMillisecond);

void BM_NormalizeNotes(benchmark::State& state, const char* lineBreak) {
    const std::string notes = makeNotes(lineBreak);
    for (auto _ : state) {
        std::string text = norvik::normalizeLineBreaks(notes);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(notes.size()));
}
BENCHMARK_CAPTURE(BM_NormalizeNotes, crlf, "\r\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NormalizeNotes, lf, "\n")->Unit(benchmark::kMillisecond);

// Through the store on disk: the read or the atomic, synced replace included.
void BM_StoreEvents(benchmark::State& state, bool save) {
    const Folder folder;
    norvik::PosixFileSystem disk(folder.path());
    norvik::FileStore store(disk);
    store.saveBytes("do.txt", eventBytes());
    const Lines lines = store.loadLines("do.txt");
    for (auto _ : state) {
        if (save) {
            store.saveLines("do.txt", lines);
        } else {
            Lines loaded = store.loadLines("do.txt");
            benchmark::DoNotOptimize(loaded);
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(eventBytes().size()));
}
BENCHMARK_CAPTURE(BM_StoreEvents, load, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StoreEvents, save, true)->Unit(benchmark::kMillisecond);

void BM_StoreNotes(benchmark::State& state, bool save) {
    const Folder folder;
    norvik::PosixFileSystem disk(folder.path());
    norvik::FileStore store(disk);
    store.saveBytes("quotes.txt", makeNotes("\r\n"));
    const Text notes = store.loadNotes("quotes.txt");
    for (auto _ : state) {
        if (save) {
            store.saveNotes("quotes.txt", notes);
        } else {
            Text loaded = store.loadNotes("quotes.txt");
            benchmark::DoNotOptimize(loaded);
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(notes.size()));
}
BENCHMARK_CAPTURE(BM_StoreNotes, load, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StoreNotes, save, true)->Unit(benchmark::kMillisecond);

// The notes editor's buffer: the loaded notes taken over with their line
// index, and a keystroke at the top of the notes (the caret staying put, or
// jumping between the two ends so the whole text moves past the gap).
void BM_NotesIntoEditor(benchmark::State& state) {
    const std::string notes = makeNotes("\r\n");
    for (auto _ : state) {
        state.PauseTiming();
        std::string copy = notes;
        norvik::TextBuffer buffer;
        state.ResumeTiming();
        buffer.assign(std::move(copy));
        benchmark::DoNotOptimize(buffer.lineCount());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(notes.size()));
}
BENCHMARK(BM_NotesIntoEditor)->Unit(benchmark::kMillisecond);

void BM_NotesKeystroke(benchmark::State& state, bool jumping) {
    norvik::TextBuffer buffer;
    buffer.assign(makeNotes("\r\n"));
    bool atEnd = false;
    for (auto _ : state) {
        const std::size_t at = jumping && atEnd ? buffer.size() : 0;
        atEnd = !atEnd;
        buffer.replace(at, 0, "a");
    }
}
BENCHMARK_CAPTURE(BM_NotesKeystroke, inPlace, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NotesKeystroke, jumpingEnds, true)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
