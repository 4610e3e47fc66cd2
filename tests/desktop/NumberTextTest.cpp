// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QLocale>

#include <limits>

#include "desktop/CostMark.h"

using namespace hovorix::desktop;

TEST(CostMark, HundredthsGroupedWithTheLocalesSeparators) {
    struct Case {
        double value;
        const char* czech;
        const char* english;
    };
    const Case cases[] = {
        {0, "0,00", "0.00"},
        {1225, "1\u00a0225,00", "1,225.00"},
        {1190.9090909090909, "1\u00a0190,91", "1,190.91"},
        {269.999, "270,00", "270.00"},
        {999.995, "1\u00a0000,00", "1,000.00"},
        {999999.999, "1\u00a0000\u00a0000,00", "1,000,000.00"},
        {0.125, "0,13", "0.13"},  // halves go away from zero
        {1.005, "1,01", "1.01"},  // judged on the decimal text, not on the binary value below it
        {0.004999, "0,00", "0.00"},
        {12.3, "12,30", "12.30"},
        {123456.78, "123\u00a0456,78", "123,456.78"},
        {-1225.5, "-1\u00a0225,50", "-1,225.50"},
        {-0.001, "0,00", "0.00"},  // nothing left to be negative
        {999999999999999.9, "999\u00a0999\u00a0999\u00a0999\u00a0999,90", "999,999,999,999,999.90"},
        // Beyond 15 digits as the tariff file writes the number, never the
        // binary value's digits.
        {1e20, "1E20", "1E20"},
        {1e300, "1E300", "1E300"},
        {-2.5e17, "-2,5E17", "-2.5E17"},
        {std::numeric_limits<double>::infinity(), "\u221e", "\u221e"},
        {5e-324, "0,00", "0.00"},
    };
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const Case& c : cases) {
        EXPECT_EQ(formatMark(c.value, czech).toStdString(), c.czech) << c.value;
        EXPECT_EQ(formatMark(c.value, english).toStdString(), c.english) << c.value;
    }
}

TEST(CostMark, WithoutGroupingForSpreadsheets) {
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    EXPECT_EQ(formatMark(1234567.891, czech, false).toStdString(), "1234567,89");
    EXPECT_EQ(formatMark(-0.001, czech, false).toStdString(), "0,00");
}
