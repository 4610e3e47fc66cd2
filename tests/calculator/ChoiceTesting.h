// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// The page "Volba tarifu" as its tests and the report's start it: two
// tariffs priced by the month, a call list of three months, and the
// calculator opened on them.
#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>

#include <memory>
#include <string>

#include "CalculatorTesting.h"
#include "calculator/TariffChoicePage.h"

namespace hovorix::calculator::testing {

// X costs 100 + m (and 50 more with fax), Y 2 m, for m minutes a month.
inline const std::string MonthTariffs = tariffFile({
    "verze 2.3",                                                                               //
    "provider P", "tarif X", "sluzba telefon 100", "sluzba fax 50", "sazba JTS 1 0", "konec",  //
    "provider P", "tarif Y", "sazba JTS 2 0", "konec",                                         //
});

// April, May and June 2000, whole: 60, 310 and 30 minutes into the fixed
// network at peak; the incoming calls on the first and the last day make the
// list span the three months.
inline constexpr char ThreeMonths[] =
    "Datum;Čas;Volané číslo;Služba;Délka\r\n"
    "01.04.2000;09:00:00;0602 111 222;Příchozí hovor;0:01:00\r\n"
    "03.04.2000;10:00:00;02/2421 5566;Odchozí hovor;1:00:00\r\n"
    "02.05.2000;10:00:00;02/2421 5566;Odchozí hovor;5:10:00\r\n"
    "01.06.2000;10:00:00;02/2421 5566;Odchozí hovor;0:30:00\r\n"
    "30.06.2000;09:00:00;0602 111 222;Příchozí hovor;0:01:00\r\n";

// The calculator started on these tariffs, with the call list, if any, given
// on its command line as tri-mesice.csv.
struct Calculator {
    Workspace workspace;
    std::unique_ptr<TTarifForm> form;

    explicit Calculator(const std::string& tariffs, const std::string& callList = {}) {
        workspace.write("tarif.ini", tariffs);
        QString calls;
        if (!callList.empty()) {
            workspace.write("tri-mesice.csv", callList);
            calls = path("tri-mesice.csv");
        }
        form = std::make_unique<TTarifForm>(workspace.prompter, workspace.path(), desktop::RegionalSettings(czech()),
                                            nullptr, calls);
        EXPECT_TRUE(showActive(*form));
    }

    QString path(const char* name) const { return QString::fromStdString((workspace.path() / name).string()); }

    // Minutes into the fixed network's peak field, then "Volba tarifu" by a click.
    void open(const char* peakMinutes) const {
        child(*form, "JTS")->setText(QString::fromLatin1(peakMinutes));
        clickTab(*form, 2);
    }

    const TariffChoicePage& page() const { return form->choicePage(); }
    QString sentence() const { return page().sentence(); }
    QDoubleSpinBox* from() const { return child<QDoubleSpinBox>(*form, "Od"); }
    QDoubleSpinBox* to() const { return child<QDoubleSpinBox>(*form, "Do"); }
    QComboBox* varied() const { return child<QComboBox>(*form, "Menit"); }

    void range(double low, double high) const {
        // "od" stays below "do": widen first, then narrow.
        if (high > to()->value()) to()->setValue(high);
        from()->setValue(low);
        to()->setValue(high);
    }
};

}  // namespace hovorix::calculator::testing
