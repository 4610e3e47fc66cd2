// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <bit>
#include <cstdlib>
#include <limits>
#include <random>

#include "cli/Output.h"

using namespace hovorix::cli;

TEST(RoundTripNumber, ReadsBackAsTheSameDouble) {
    std::mt19937_64 random(20001208);
    std::vector<double> values = {
        0, -0.0, 1225, 269.999, 1190.9090909090909, 0.1, 1e300, 5e-324, std::numeric_limits<double>::max()};
    for (int i = 0; i < 2000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) values.push_back(value);
    }
    for (const double value : values) {
        const std::string text = roundTripNumber(value);
        EXPECT_EQ(text.find(','), std::string::npos) << text;
        EXPECT_LE(text.size(), 24u) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)), std::bit_cast<std::uint64_t>(value))
            << text;
    }
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    struct Case {
        const char* text;
        const char* field;
    };
    const Case cases[] = {
        {"", ""},
        {"Paegas-Start", "Paegas-Start"},
        {"Český Mobil", "Český Mobil"},
        {" blanks kept ", " blanks kept "},
        {"a,b", "\"a,b\""},
        {"Mobil \"X\"", "\"Mobil \"\"X\"\"\""},
        {"\"", "\"\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
    };
    for (const Case& c : cases) EXPECT_EQ(csvField(c.text), c.field) << c.text;
}

TEST(JsonString, EscapesSoAnyTextParsesBack) {
    struct Case {
        std::string text;
        std::string literal;
    };
    const Case cases[] = {
        {"Šťastný účet", "\"Šťastný účet\""},
        {"a \"b\" \\ c", "\"a \\\"b\\\" \\\\ c\""},
        {"tab\there\nand\r", "\"tab\\there\\nand\\r\""},
        {std::string("nul\0esc\x1b", 8), "\"nul\\u0000esc\\u001b\""},
        {"\b\f/", "\"\\b\\f/\""},
    };
    for (const Case& c : cases) {
        const std::string literal = jsonString(c.text);
        EXPECT_EQ(literal, c.literal);
        const QJsonArray parsed = QJsonDocument::fromJson(QByteArray::fromStdString("[" + literal + "]")).array();
        ASSERT_EQ(parsed.size(), 1) << literal;
        EXPECT_EQ(parsed[0].toString().toStdString(), c.text) << literal;
    }
}

TEST(TerminalText, CzechLettersShowAndControlCharactersAreSpelledOut) {
    struct Case {
        std::string cp1250;
        const char* shown;
    };
    const Case cases[] = {
        {"\x8a\x9d\x61stn\xfd \xfa\xe8\x65t", "Šťastný účet"},
        {"\xc8\x65sk\xfd Mobil", "Český Mobil"},
        {"15 K\xe8", "15 Kč"},
        {"a\nb", "a\\x0Ab"},
        {"\x1b[31mred", "\\x1B[31mred"},
        {"\x81\x83", "\\x81\\x83"},  // the bytes the code page leaves undefined
        {"del\x7f", "del\\x7F"},
    };
    for (const Case& c : cases) EXPECT_EQ(visibleText(c.cp1250).toStdString(), c.shown) << c.shown;
}
