// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Shows the fee chart in a window of the results page's size.
//   chart_demo                  the sample tariff file, some minutes in every zone
//   chart_demo --count 40       a made-up list of 40 tariffs
//   chart_demo --size 800x600   another size
//   chart_demo --shot out.png   paints once into a picture and ends
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

#include <iostream>
#include <string>

#include "chart/FeeChart.h"
#include "desktop/ProgramFont.h"
#include "fees/ComputeFees.h"
#include "fees/MonthlyCost.h"
#include "tariffs/TariffFile.h"

using namespace hovorix;

namespace {

tariffs::TariffList madeUpTariffs(int count) {
    tariffs::TariffList list(tariffs::CalculatorDefaults);
    const char* providers[] = {"PAEGAS", "EUROTEL", "OSKAR"};
    const char* names[] = {"Start", "Optimum", "Profi", "Bus\xECness", "Go", "Relax", "Ekonom", "Pohoda"};
    for (int i = 0; i < count; ++i) {
        tariffs::Tarifs& t = list.append();
        t.provider = providers[i % 3];
        t.name = std::string(names[i % 8]) + " " + std::to_string(10 * (i + 1));
        t.telephoneFee = 150 + (i * 37) % 900;
        t.firstFreeMinutes = (i % 4) * 30;
        for (tariffs::Zone z : tariffs::AllZones) t.zone(z) = {2.5 + ((i * 7 + static_cast<int>(z)) % 60) / 10.0, 0};
        t.minimumCharge = i % 5 == 0 ? 800 : 0;
    }
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption countOption("count", "Made-up tariffs instead of the sample file.", "n");
    QCommandLineOption sizeOption("size", "Chart size.", "WxH", "393x353");
    QCommandLineOption shotOption("shot", "Paint into this picture and end.", "png");
    parser.addOptions({countOption, sizeOption, shotOption});
    parser.process(app);

    tariffs::TariffList list(tariffs::CalculatorDefaults);
    if (parser.isSet(countOption)) {
        list = madeUpTariffs(parser.value(countOption).toInt());
    } else {
        std::string version;
        // The sample is written with a decimal comma.
        tariffs::readTariffFile(std::string(HOVORIX_SAMPLE_DATA) + "/tarif.ini", list, version, {','});
    }
    fees::UsageProfile usage;
    usage.count(tariffs::Zone::JTS) = 60;
    usage.count(tariffs::Zone::JTSMimo) = 40;
    usage.count(tariffs::Zone::PAEGAS) = 30;
    usage.count(tariffs::Zone::EUROTEL) = 20;

    chart::FeeChart chart;
    chart.setFont(desktop::programFont());
    chart.setWindowTitle(QStringLiteral("Poplatky"));
    const QStringList size = parser.value(sizeOption).split(u'x');
    chart.resize(size.value(0).toInt(), size.value(1).toInt());
    fees::ComputeFees(usage, list, chart.Series1());
    chart.setBarDetails([&](int index) -> std::optional<fees::CostBreakdown> {
        if (index < 0 || static_cast<std::size_t>(index) >= list.count()) return std::nullopt;
        return fees::costBreakdown(list.seek(static_cast<std::size_t>(index)), usage);
    });

    if (parser.isSet(shotOption)) {
        if (!chart.grab().save(parser.value(shotOption))) {
            std::cerr << "cannot write " << parser.value(shotOption).toStdString() << '\n';
            return 1;
        }
        return 0;
    }
    chart.show();
    return QApplication::exec();
}
