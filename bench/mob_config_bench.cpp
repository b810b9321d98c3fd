// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of generating the configs as the lists grow, next to the floor of appending the same
// lines to a string; of the GBK save path next to a UTF-8 conversion; of the widgets that take
// large texts and long lists; and of opening MainWindow.
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include "item/item_config.h"
#include "mob/mob_config.h"
#include "storage/encodings.h"
#include "ui/toolkit/application.h"
#include "ui/toolkit/widgets.h"
#include "ui/windows/item_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/preview_window.h"

namespace {

mob::MobSheet mobSheetWithRows(std::size_t rows) {
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

item::ItemSheet itemSheetWithRows(std::size_t rows) {
    item::ItemSheet sheet;
    sheet.identifier = "Bench";
    sheet.material = "DIAMOND_SWORD";
    sheet.dataValue = "0";
    sheet.displayName = "&6屠龙宝刀";
    for (std::size_t i = 0; i < rows; ++i) {
        sheet.description += i == 0 ? "&7传说中的宝刀" : "\r\n&7传说中的宝刀";
        sheet.attributeRows.push_back({"    Damage: 10", static_cast<int>(i % 3)});
        sheet.enchantmentRows.push_back({"DAMAGE_ALL", 5});
    }
    return sheet;
}

void reportRows(benchmark::State &state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["output_bytes"] = static_cast<double>(bytes);
    state.counters["ns_per_row"] = benchmark::Counter(
        static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetComplexityN(state.range(0));
}

void generateMobConfig(benchmark::State &state) {
    const mob::MobSheet sheet = mobSheetWithRows(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const mob::MobGeneration generation =
            mob::generateMobConfig(sheet, "", core::TargetServer::Mm4);
        bytes = generation.text.size();
        benchmark::DoNotOptimize(generation.text.data());
    }
    reportRows(state, bytes);
}
BENCHMARK(generateMobConfig)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor: the lines of the config, appended one by one to a string.
void appendLines(benchmark::State &state, const std::string &config) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < config.size();) {
        const std::size_t end = config.find("\r\n", start);
        lines.push_back(config.substr(start, end - start));
        start = end + 2;
    }
    for (auto _ : state) {
        std::string out;
        for (const std::string &line : lines) {
            out += line;
            out += "\r\n";
        }
        benchmark::DoNotOptimize(out.data());
    }
    reportRows(state, config.size());
}

void appendMobLines(benchmark::State &state) {
    const mob::MobSheet sheet = mobSheetWithRows(static_cast<std::size_t>(state.range(0)));
    appendLines(state, mob::generateMobConfig(sheet, "", core::TargetServer::Mm4).text);
}
BENCHMARK(appendMobLines)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void generateItemConfig(benchmark::State &state) {
    const item::ItemSheet sheet = itemSheetWithRows(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const item::ItemGeneration generation =
            item::generateItemConfig(sheet, core::TargetServer::Mm4);
        bytes = generation.text.size();
        benchmark::DoNotOptimize(generation.text.data());
    }
    reportRows(state, bytes);
}
BENCHMARK(generateItemConfig)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void appendItemLines(benchmark::State &state) {
    const item::ItemSheet sheet = itemSheetWithRows(static_cast<std::size_t>(state.range(0)));
    appendLines(state, item::generateItemConfig(sheet, core::TargetServer::Mm4).text);
}
BENCHMARK(appendItemLines)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// About megabytes million bytes of UTF-8 in config lines, Chinese and ASCII mixed.
QString configText(int megabytes) {
    const QString line = QStringLiteral("  - <target.name>被骷髅之王击杀了 diamond 2 0.5\r\n");
    const auto lines = static_cast<qsizetype>(megabytes) * 1'000'000 / line.toUtf8().size();
    QString text;
    text.reserve(lines * line.size());
    for (qsizetype i = 0; i < lines; ++i)
        text += line;
    return text;
}

// The save path: check and encode in GBK in one.
void encodeGbk(benchmark::State &state) {
    const QString text = configText(10);
    for (auto _ : state) {
        const std::optional<QByteArray> bytes = storage::encodeGbk(text);
        benchmark::DoNotOptimize(bytes->data());
    }
}
BENCHMARK(encodeGbk)->Unit(benchmark::kMillisecond);

// Its floor: the same text as UTF-8.
void encodeUtf8(benchmark::State &state) {
    const QString text = configText(10);
    for (auto _ : state) {
        const QByteArray bytes = text.toUtf8();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(encodeUtf8)->Unit(benchmark::kMillisecond);

// Preview of a config of range(0) megabytes, until it is shown.
void showPreview(benchmark::State &state) {
    const QString text = configText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ui::PreviewWindow window(nullptr, "MobPreviewWindow", ui::mobPreviewSpec, text);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(showPreview)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1);

// Pasting range(0) megabytes into 物品描述 of a shown window.
void pasteIntoDescription(benchmark::State &state) {
    const QString text = configText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ui::SharedTexts shared;
        ui::ItemWindow window(shared);
        window.show();
        QApplication::processEvents();
        auto *box = window.findChild<QPlainTextEdit *>(QStringLiteral("物品描述框"));
        state.ResumeTiming();
        box->insertPlainText(text);
        QApplication::processEvents();
    }
}
BENCHMARK(pasteIntoDescription)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(1);

// Clearing a shown list of range(0) rows.
void clearList(benchmark::State &state) {
    QListWidget list;
    list.resize(200, 150);
    list.show();
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < state.range(0); ++i)
            ui::listAddRow(&list, QStringLiteral("  - diamond 2 0.5"), 0);
        QApplication::processEvents();
        state.ResumeTiming();
        ui::listClear(&list);
        QApplication::processEvents();
    }
}
BENCHMARK(clearList)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

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
