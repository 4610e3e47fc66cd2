// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <fstream>

#include "CalculatorTesting.h"

using namespace hovorix;
using namespace hovorix::calculator::testing;

// What the calculator says at start-up reads as the text it is: the Czech
// of the call-list core (tarif --calls with more monthly minutes than a
// field takes) and a number of the Windows-1250 tariff file, its undefined
// byte shown as U+FFFD.
TEST(Messages, StartUpShowsTheirTextAsItIs) {
    struct Case {
        const char* what;
        std::string tariffLine;  // Windows-1250
        bool tooManyCalls;
        QString message;
    };
    const Case cases[] = {
        {"tarif --calls with too many minutes", "sluzba telefon 100", true,
         utf8("Měsíční minuty v pásmu EUROTEL (2 160 000 000) přesahují největší počet, který lze zadat "
              "(2 147 483 647).")},
        {"a Windows-1250 number", "sluzba telefon 15 K\xE8\x81", false,
         utf8("'15 Kč\uFFFD' is not a valid floating point value.")},
    };
    for (const Case& c : cases) {
        Workspace workspace;
        workspace.write("tarif.ini", "provider A\r\ntarif B\r\n" + c.tariffLine + "\r\n");
        QString callList;
        if (c.tooManyCalls) {
            callList = QString::fromStdString((workspace.path() / "dlouhy.csv").string());
            std::ofstream out(callList.toStdString(), std::ios::binary);
            out << "Datum;Čas;Číslo;Délka\n";
            // 50,000 calls of a whole day, spread over D = 1 day.
            for (int i = 0; i < 50000; ++i) out << "1.5.2000;10:00;602123456;24:00:00\n";
        }
        workspace.prompter.expectError(c.message);
        const auto form = std::make_unique<calculator::TTarifForm>(
            workspace.prompter, workspace.path(), desktop::RegionalSettings(czech()), nullptr, callList);
        EXPECT_EQ(workspace.prompter.errors(), QStringList{c.message}) << c.what;
        EXPECT_TRUE(workspace.prompter.allAnswersUsed()) << c.what;
    }
}
