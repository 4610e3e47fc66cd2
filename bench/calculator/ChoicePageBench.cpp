// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// The page "Volba tarifu" shown again after the minutes changed: the fee run,
// the choice over the range, the sentence, the table and the plot, and the
// window painted with them; and the same with a current tariff picked, which
// adds its comparison, the combo's labels and the mark on "Poplatky". With
// the sample tariff file, and with HOVORIX_BENCH_TARIFFS naming a larger
// one, that too.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

#include "calculator/MinuteSpinEdit.h"
#include "calculator/PageControl.h"
#include "calculator/TTarifForm.h"
#include "desktop/Application.h"
#include "desktop/Prompter.h"
#include "desktop/RegionalSettings.h"

using namespace hovorix;

namespace {

constexpr int InputPage = 0;
constexpr int ChoicePage = 2;

void shownAgain(benchmark::State& state, const QString& tariffFile, bool withCurrent) {
    QTemporaryDir folder;
    // The current tariff is kept in the folder's own per-user data.
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
    if (!QFile::copy(tariffFile, folder.filePath(QStringLiteral("tarif.ini")))) {
        state.SkipWithError("the tariff file cannot be copied");
        return;
    }
    desktop::QtPrompter prompter;
    // Both files are written with a decimal comma.
    calculator::TTarifForm form(prompter, folder.path().toStdString(),
                                desktop::RegionalSettings(QLocale(QLocale::Czech, QLocale::Czechia)));
    auto* pages = form.findChild<calculator::PageControl*>(QStringLiteral("PageControl1"));
    auto* peak = form.findChild<calculator::MinuteSpinEdit*>(QStringLiteral("JTS"));
    auto* offPeak = form.findChild<calculator::MinuteSpinEdit*>(QStringLiteral("PekacMimo"));
    form.show();
    offPeak->setText(QStringLiteral("30"));
    // The first time pays for what is made once: fonts, the chart's scene.
    pages->setCurrentIndex(ChoicePage);
    benchmark::DoNotOptimize(form.grab());
    if (withCurrent) {
        // A tariff from the middle of the file, not the cheapest.
        auto* current = form.findChild<QComboBox*>(QStringLiteral("Soucasny"));
        current->setCurrentIndex(current->count() / 2);
        benchmark::DoNotOptimize(form.grab());
    }

    int minutes = 120;
    for (auto _ : state) {
        state.PauseTiming();
        pages->setCurrentIndex(InputPage);
        peak->setText(QString::number(minutes++));
        QApplication::processEvents();
        state.ResumeTiming();
        pages->setCurrentIndex(ChoicePage);
        benchmark::DoNotOptimize(form.grab());
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    desktop::setUpApplication(app, QStringLiteral("Hovorix pro Windows"), QStringLiteral("tarif"));
    for (const bool current : {false, true}) {
        const std::string suffix = current ? "/current" : "";
        benchmark::RegisterBenchmark(("choicePageShownAgain/sample" + suffix).c_str(), shownAgain,
                                     QStringLiteral(HOVORIX_SAMPLE_TARIFFS), current)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        if (const char* large = std::getenv("HOVORIX_BENCH_TARIFFS")) {
            benchmark::RegisterBenchmark(("choicePageShownAgain/large" + suffix).c_str(), shownAgain,
                                         QString::fromLocal8Bit(large), current)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
