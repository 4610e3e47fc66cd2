// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tariffs/Errors.h"
#include "tariffs/NumberText.h"

using namespace hovorix;

TEST(FormatNumber, FifteenSignificantDigitsInFixedOrScientificNotation) {
    struct Case {
        double value;
        const char* comma;
    };
    const Case cases[] = {
        {12.5, "12,5"},
        {0, "0"},
        {-0.0, "0"},
        {0.0001, "0,0001"},
        {0.00001, "1E-5"},
        {0.000123, "0,000123"},
        {1e15, "1E15"},
        {999999999999999, "999999999999999"},
        {123456789012345678.0, "1,23456789012346E17"},
        {-2.5, "-2,5"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"},
        {100, "100"},
        {1500, "1500"},
        {269.999, "269,999"},
        {-0.00001234, "-1,234E-5"},
        {9.999999999999999e14, "1E15"},      // rounds up into the scientific range
        {0.00009999999999999999, "0,0001"},  // rounds up into the fixed range
        // Rounded up it would overflow on reading; cut, it reads back.
        {std::numeric_limits<double>::max(), "1,79769313486231E308"},
        {-1.797693134862315e308, "-1,79769313486231E308"},
        {1.79769313486231e308, "1,79769313486231E308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tariffs::formatNumber(c.value, ','), c.comma) << c.value;
        std::string point = c.comma;
        for (char& ch : point) {
            if (ch == ',') ch = '.';
        }
        EXPECT_EQ(tariffs::formatNumber(c.value, '.'), point) << c.value;
    }
}

TEST(ParseNumber, AcceptsTheDecimalNumberGrammar) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12,5", 12.5},
        {"0", 0},
        {",5", 0.5},
        {"5,", 5},
        {"  25  ", 25},
        {"+3", 3},
        {"-2,5", -2.5},
        {"1E15", 1e15},
        {"1e-5", 1e-5},
        {"1,5E+2", 150},
        {"007", 7},
        {" -0 ", 0},
        {"1E-999", 0},
        {"4,94065645841247E-324", 4.94065645841247e-324},
        {"1,79769313486231E308", 1.79769313486231e308},
    };
    for (const Case& c : cases) EXPECT_EQ(tariffs::parseNumber(c.text, ','), c.value) << c.text;
    EXPECT_EQ(tariffs::parseNumber("12.5", '.'), 12.5);
    EXPECT_EQ(tariffs::parseNumber(".5", '.'), 0.5);
}

TEST(ParseNumber, RejectsEverythingElseWithTheConversionMessage) {
    const char* malformed[] = {"",      " ",   "NAN",     "INF",   "-INF",   "12.5",    "1,2,3",
                               "1 000", "+",   "-",       ",",     "1E",     "1E+",     "E5",
                               "0x10",  "1-2", "--1",     "1E999", "-1E999", "1,8E308", "1,79769313486232E308",
                               "1\t",   "\t1", "12,5 30", "1d"};
    for (const char* text : malformed) {
        try {
            tariffs::parseNumber(text, ',');
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const tariffs::ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid floating point value");
            EXPECT_EQ(error.text(), text);
        }
    }
    EXPECT_THROW(tariffs::parseNumber("12,5", '.'), tariffs::ConversionError);
}

TEST(NumberText, FormattedNumbersParseBackToTheSameText) {
    const double values[] = {0.1, 2.0 / 3, 1e-300, 123456.789, 1e22, -7.25e-7, 5e-324, 1.7976931348623157e308};
    for (char separator : {',', '.'}) {
        for (double value : values) {
            const std::string text = tariffs::formatNumber(value, separator);
            const double back = tariffs::parseNumber(text, separator);
            EXPECT_EQ(tariffs::formatNumber(back, separator), text);
            EXPECT_NEAR(back, value, std::abs(value) * 1e-14) << text;
        }
    }
}

TEST(ParseNumber, AVeryLongTextIsQuotedOnlyInPart) {
    const std::string digits(10'000'000, '7');
    try {
        tariffs::parseNumber(digits + "x", ',');
        ADD_FAILURE() << "accepted";
    } catch (const tariffs::ConversionError& error) {
        EXPECT_EQ(error.text().size(), digits.size() + 1);  // the whole text stays available
        EXPECT_EQ(error.what(), "'" + std::string(255, '7') + "…' is not a valid floating point value");
    }
}
