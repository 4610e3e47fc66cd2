// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Every zone's calls show in the breakdown over a bar: a row of their
// network holds what they cost, besides the month's total.
#include <QTest>

#include "chart/FeeChart.h"
#include "fees/ComputeFees.h"
#include "fees/MonthlyCost.h"

using namespace hovorix;

class EveryZoneTest : public QObject {
    Q_OBJECT

private slots:
    void showsInTheBreakdown() {
        chart::FeeChart chart;
        chart.setRegionalSettings(desktop::RegionalSettings(QLocale(QStringLiteral("en_US"))));
        for (const tariffs::Zone zone : tariffs::AllZones) {
            tariffs::TariffList list(tariffs::CalculatorDefaults);
            list.append().zone(zone).rate = 3.7;
            fees::UsageProfile usage;
            usage.count(zone) = 100;
            fees::ComputeFees(usage, list, chart.Series1());
            chart.setBarDetails(
                [&](int) -> std::optional<fees::CostBreakdown> { return fees::costBreakdown(list.seek(0), usage); });
            const QString text = chart.barToolTip(0);
            QVERIFY2(text.count(QStringLiteral(">370.00<")) == 2, qPrintable(text));
        }
    }
};

QTEST_MAIN(EveryZoneTest)
#include "EveryZoneTest.moc"
