// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of generating the mob config as the lists grow, and of opening MainWindow.
#include <QApplication>

#include <benchmark/benchmark.h>

#include "mob/mob_config.h"
#include "ui/toolkit/application.h"
#include "ui/windows/main_window.h"

namespace {

mob::MobSheet sheetWithRows(std::size_t rows) {
    mob::MobSheet sheet;
    sheet.identifier = "Bench";
    sheet.displayName = "&c骷髅之王";
    sheet.health = "200";
    sheet.damage = "8";
    sheet.chestplate = "IRON_CHESTPLATE";
    for (std::size_t i = 0; i < rows; ++i) {
        sheet.dropRows.push_back({"  - diamond 2 0.5"});
        sheet.optionRows.push_back({"MovementSpeed: 0.3"});
        sheet.killMessageRows.push_back({"<target.name>被骷髅之王击杀了"});
        sheet.aiRows.push_back({"  - 1 meleeattack", static_cast<int>(i % 2)});
    }
    return sheet;
}

void generateMobConfig(benchmark::State &state) {
    const mob::MobSheet sheet = sheetWithRows(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const mob::MobGeneration generation =
            mob::generateMobConfig(sheet, "", core::TargetServer::Mm4);
        bytes = generation.text.size();
        benchmark::DoNotOptimize(generation.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["output_bytes"] = static_cast<double>(bytes);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(generateMobConfig)->Arg(10)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);

void showBareWidget(benchmark::State &state) {
    for (auto _ : state) {
        QWidget widget;
        widget.resize(746, 496);
        widget.show();
        QApplication::processEvents();
    }
}
BENCHMARK(showBareWidget)->Unit(benchmark::kMillisecond);

void showMainWindow(benchmark::State &state) {
    for (auto _ : state) {
        ui::MainWindow window;
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(showMainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::setUpApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
