// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tariffs/TariffList.h"

using namespace hovorix;

namespace {

tariffs::TariffList listOf(std::initializer_list<const char*> names) {
    tariffs::TariffList list(tariffs::EditorDefaults);
    for (const char* name : names) list.append().name = name;
    return list;
}

std::vector<std::string> names(const tariffs::TariffList& list) {
    std::vector<std::string> result;
    list.walk([&](const tariffs::Tarifs& t) { result.push_back(t.name); });
    return result;
}

}  // namespace

TEST(TariffList, NewTariffsCarryTheOwningProgramsDefaults) {
    tariffs::TariffList calculator(tariffs::CalculatorDefaults);
    const tariffs::Tarifs& fromCalculator = calculator.append();
    EXPECT_EQ(fromCalculator.provider, "NEDEFINOVAN");
    EXPECT_EQ(fromCalculator.name, "Neznamy");

    tariffs::TariffList editor(tariffs::EditorDefaults);
    const tariffs::Tarifs& fromEditor = editor.append();
    EXPECT_EQ(fromEditor.provider, "NEDEFINOV\xC1N");
    EXPECT_EQ(fromEditor.name, "Nezn\xE1m\xFD");
    EXPECT_EQ(fromEditor.telephoneFee, 0);
    EXPECT_FALSE(fromEditor.allMinutesFree);
    for (tariffs::Zone z : tariffs::AllZones) EXPECT_EQ(fromEditor.zone(z), tariffs::ZoneRate{});
    EXPECT_EQ(&editor.current(), &fromEditor);
}

TEST(TariffList, OperationsKeepTheOrderAndCount) {
    using Names = std::vector<std::string>;
    struct Case {
        const char* what;
        void (*operation)(tariffs::TariffList&);
        Names expected;
    };
    const Case cases[] = {
        {"remove head", [](tariffs::TariffList& l) { l.removeAt(0); }, {"B", "C"}},
        {"remove middle", [](tariffs::TariffList& l) { l.removeAt(1); }, {"A", "C"}},
        {"remove last", [](tariffs::TariffList& l) { l.removeAt(2); }, {"A", "B"}},
        {"swap first two", [](tariffs::TariffList& l) { l.swapWithNext(0); }, {"B", "A", "C"}},
        {"swap last two", [](tariffs::TariffList& l) { l.swapWithNext(1); }, {"A", "C", "B"}},
        {"drop last", [](tariffs::TariffList& l) { l.dropLast(); }, {"A", "B"}},
        {"empty", [](tariffs::TariffList& l) { l.clear(); }, {}},
        {"empty then append",
         [](tariffs::TariffList& l) {
             l.clear();
             l.append().name = "D";
         },
         {"D"}},
        {"append after a walk",
         [](tariffs::TariffList& l) {
             l.walk([](const tariffs::Tarifs&) {});
             l.append().name = "D";
         },
         {"A", "B", "C", "D"}},
    };
    for (const Case& c : cases) {
        tariffs::TariffList list = listOf({"A", "B", "C"});
        c.operation(list);
        EXPECT_EQ(names(list), c.expected) << c.what;
        EXPECT_EQ(list.count(), c.expected.size()) << c.what;
    }
}

TEST(TariffList, SwapExchangesEveryFieldOfTheTwoTariffs) {
    tariffs::TariffList list = listOf({"A", "B"});
    list.seek(0).provider = "PAEGAS";
    list.seek(0).zone(tariffs::Zone::EUROTEL).rate = 4.5;
    list.seek(0).allMinutesFree = true;
    const tariffs::Tarifs first = list.seek(0);
    const tariffs::Tarifs second = list.seek(1);
    list.swapWithNext(0);
    EXPECT_EQ(list.seek(0), second);
    EXPECT_EQ(list.seek(1), first);
}

TEST(TariffList, PositionsOutsideTheListAreRefused) {
    tariffs::TariffList list = listOf({"A"});
    EXPECT_THROW(list.removeAt(1), std::out_of_range);
    EXPECT_THROW(list.swapWithNext(0), std::out_of_range);
    EXPECT_THROW(list.seek(1), std::out_of_range);
    list.removeAt(0);
    EXPECT_TRUE(list.isEmpty());
    list.dropLast();  // nothing to drop
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.append().name, "Nezn\xE1m\xFD");
}
