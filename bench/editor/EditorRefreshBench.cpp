// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "SampleTariffs.h"
#include "desktop/Cp1250.h"
#include "desktop/ProgramFont.h"
#include "desktop/testing/ScriptedPrompter.h"
#include "editor/TCenikarForm.h"
#include "tariffs/TariffWriter.h"

using namespace hovorix;

namespace {

constexpr std::size_t Tariffs = 10000;

// The editor started in a folder whose tarif.ini holds the tariffs, shown.
struct Editor {
    Editor() {
        const std::filesystem::path path = folder.path().toStdString();
        std::ofstream(path / "tarif.ini", std::ios::binary)
            << tariffs::writeTariffs(bench::sampleTariffs(Tariffs), "1", ',', {"1.1.01", "0:00:00"});
        std::filesystem::current_path(path);
        form = std::make_unique<editor::TCenikarForm>(prompter, desktop::RegionalSettings(QLocale(QLocale::Czech)));
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) std::abort();
        list = form->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    }
    void selectFirstRow() const {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    }
    void click(const char* name) const {
        QTest::mouseClick(form->findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    // What the user waits for: the handler, then the event loop's layout and
    // painting of the list.
    static void settle() { QCoreApplication::processEvents(); }

    QTemporaryDir folder;
    desktop::ScriptedPrompter prompter;
    std::unique_ptr<editor::TCenikarForm> form;
    QListWidget* list = nullptr;
};

// The list rebuilt from the tariffs, as after a refused delete: the question,
// the refresh, the layout and the painting.
void refresh(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.selectFirstRow();
        editor.prompter.answer(desktop::Prompter::Answer::No);
        Editor::settle();
        state.ResumeTiming();
        editor.click("Smaz");
        Editor::settle();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Tariffs));
}
BENCHMARK(refresh)->Unit(benchmark::kMillisecond)->UseRealTime();

// A tariff moved one row down: the swap, the refresh and the selection kept.
void moveDown(benchmark::State& state) {
    Editor editor;
    editor.selectFirstRow();
    for (auto _ : state) {
        editor.click("Dolu");
        Editor::settle();
    }
}
BENCHMARK(moveDown)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baseline: a bare list widget of the same size emptied and filled with
// the same row texts, laid out and painted.
void bareListWidget(benchmark::State& state) {
    QStringList rows;
    bench::sampleTariffs(Tariffs).walk(
        [&rows](const tariffs::Tarifs& t) { rows << desktop::fromCp1250(tariffs::tariffLabel(t)); });
    QListWidget list;
    list.setFont(desktop::programFont());
    list.setUniformItemSizes(true);
    list.resize(225, 89);
    list.show();
    if (!QTest::qWaitForWindowExposed(&list)) std::abort();
    for (auto _ : state) {
        list.clear();
        list.addItems(rows);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(bareListWidget)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(desktop::programFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
