// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt lists with 200,000 lines: loading them with every second line
// marked, and a handler that changes nothing in them, which must not reload
// the view. Runs offscreen; no display is needed.

#include "TempFolder.h"
#include "app/Program.h"
#include "app/TForm1.h"
#include "frontends/qt/Application.h"
#include "frontends/qt/QtPlatform.h"
#include "store/PosixFileSystem.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <memory>
#include <string>

namespace norvik {
namespace {

// The program started in a fresh folder with both language modules.
class StartedProgram {
public:
    StartedProgram() {
        std::filesystem::create_directories(folder_ / "Language Modules");
        for (const char* module : {"Russian.lng", "English.lng"}) {
            std::filesystem::copy_file(std::filesystem::path(NORVIK_MODULE_DIR) / module,
                                       folder_ / ("Language Modules/" + std::string(module)));
        }
        folder_.write("System.ini", "LangID=1\r\n");
        // Every data file is there, so that no start-up box waits for an answer.
        for (const char* file : {"quotes.txt", "do.txt", "telephone.txt"}) {
            folder_.write(file, "");
        }
        std::filesystem::current_path(folder_.path());
        program_ = std::make_unique<Program>(platform_, files_);
        program_->start();
    }
    ~StartedProgram() {
        platform_.closeAll();
        program_.reset();
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    TForm1& main() { return static_cast<TForm1&>(program_->mainWindow()); }
    void run(const std::function<void()>& handler) { platform_.run(handler); }

private:
    test::TempFolder folder_{"norvik-bench"};
    qt::QtPlatform platform_;
    PosixFileSystem files_;
    std::unique_ptr<Program> program_;
};

const Lines& phoneLines() {
    static const Lines lines(200000, "01.01.2030 10:00:00 >>> a reminder with some words in it");
    return lines;
}

void BM_LoadAndMarkTwoHundredThousandLines(benchmark::State& state) {
    StartedProgram program;
    for (auto _ : state) {
        program.run([&] {
            program.main().ListBox2.setItems(phoneLines());
            for (int i = 0; i < 200000; i += 2) {
                program.main().ListBox2.setSelected(i, true);
            }
        });
    }
}
BENCHMARK(BM_LoadAndMarkTwoHundredThousandLines)->Unit(benchmark::kMillisecond);

void BM_HandlerBesideTwoHundredThousandLines(benchmark::State& state) {
    StartedProgram program;
    program.run([&] { program.main().ListBox2.setItems(phoneLines()); });
    int round = 0;
    for (auto _ : state) {
        program.run([&] { program.main().Label1.caption = std::to_string(++round); });
    }
}
BENCHMARK(BM_HandlerBesideTwoHundredThousandLines)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace norvik

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    norvik::qt::prepareApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
