#include "app/Application.h"
#include "app/ChannelGridView.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/StartUp.h"
#include "print/ReportJob.h"
#include "print/ReportPrinter.h"

#include <QApplication>
#include <QEventLoop>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace kpt740 {
namespace {

// The program folder of the build tree, with the language files copied beside the program.
AppEnvironment BenchEnvironment() {
    const auto scratch = std::filesystem::temp_directory_path() / "kpt740-app-bench";
    std::filesystem::create_directories(scratch);
    AppEnvironment env;
    env.programFolder = KPT740_BENCH_PROGRAM_FOLDER;
    env.userFolder = scratch / "user";
    env.prompter = std::make_shared<QueuedPrompter>();
    env.canWrite = [](const std::filesystem::path&) { return false; };
    const QString placement = QString::fromStdString((scratch / "placement.ini").string());
    env.placementStore = [placement] {
        return std::make_unique<QSettings>(placement, QSettings::IniFormat);
    };
    return env;
}

void FillAllPositions(ChannelTable& table) {
    table = ChannelTable{};
    for (int p = 1; p <= kChannelSlots; ++p) {
        ChannelRecord r = BlankChannel(p);
        r.InUse = 1;
        char rx[16];
        std::snprintf(rx, sizeof rx, "%09d", 40000000 + p * 1250);
        r.RxFrequency = std::string(rx);
        r.Offset = "000500000";
        r.Name = "CH" + std::to_string(p);
        r.ShiftDirection = static_cast<std::int16_t>(p % 3);
        r.StepIndex = static_cast<std::int16_t>(p % 9);
        r.TxPower = static_cast<std::int16_t>(p % 3);
        r.DecodeToneType = static_cast<std::int16_t>(p % 3);
        r.DecodeToneCtcss = static_cast<std::int16_t>(p % 51);
        r.DecodeToneDcs = static_cast<std::int16_t>(p * 2);
        r.EncodeToneType = static_cast<std::int16_t>((p + 1) % 3);
        r.EncodeToneDcs = static_cast<std::int16_t>(p);
        r.Signalling = static_cast<std::int16_t>(p % 4);
        r.FiveToneEntry = static_cast<std::int16_t>(p % 100);
        table.append(r);
    }
}

// The full redraw of the channel grid with every position filled.
void ShowListByData203Channels(benchmark::State& state) {
    AppContext context(BenchEnvironment());
    RunStartUpSequence(context);
    FillAllPositions(context.workspace.working.Channels);
    MainWindow window(context);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.ShowListByData();
    }
    state.counters["rows"] = static_cast<double>(context.workspace.working.Channels.Count);
}
BENCHMARK(ShowListByData203Channels)->Unit(benchmark::kMillisecond);

// The same, including the repaint of the visible part of the grid.
void ShowListByDataAndPaint(benchmark::State& state) {
    AppContext context(BenchEnvironment());
    RunStartUpSequence(context);
    FillAllPositions(context.workspace.working.Channels);
    MainWindow window(context);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.ShowListByData();
        window.grid(0)->viewport()->repaint();
    }
}
BENCHMARK(ShowListByDataAndPaint)->Unit(benchmark::kMillisecond);

// What the report prints, every item ticked, every channel position in use: each section's
// dialog is loaded unseen (one channel dialog per channel).
void CollectFullReport(benchmark::State& state) {
    AppContext context(BenchEnvironment());
    RunStartUpSequence(context);
    FillAllPositions(context.workspace.working.Channels);
    PrintSelection all{};
    all.fill(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CollectReportDocument(context, context.prompter(), all));
    }
}
BENCHMARK(CollectFullReport)->Unit(benchmark::kMillisecond);

// The same document laid out into a PDF file (41 channel pages and the other sections).
void FullReportToPdf(benchmark::State& state) {
    AppContext context(BenchEnvironment());
    RunStartUpSequence(context);
    FillAllPositions(context.workspace.working.Channels);
    PrintSelection all{};
    all.fill(true);
    const ReportDocument document = CollectReportDocument(context, context.prompter(), all);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    int pages = 0;
    for (auto _ : state) {
        pages = PrintReportToPdf(ReportPrinter(), document, path).value_or(-1);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(FullReportToPdf)->Unit(benchmark::kMillisecond);

// From the start of the program to the main window shown, without the splash's wait.
void StartUpToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        AppEnvironment env = BenchEnvironment();
        env.splashMilliseconds = 0;
        auto application = std::make_unique<Application>(std::move(env));
        QEventLoop loop;
        QObject::connect(application.get(), &Application::mainWindowShown, &loop,
                         &QEventLoop::quit);
        application->start();
        if (application->mainWindowShowCount() == 0) {
            loop.exec();
        }
        QApplication::processEvents();
        benchmark::DoNotOptimize(application->mainWindow());
        state.PauseTiming();
        application.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kpt740

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
