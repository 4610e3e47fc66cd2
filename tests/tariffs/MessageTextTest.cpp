// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "TestFiles.h"
#include "tariffs/Errors.h"
#include "tariffs/MessageText.h"
#include "tariffs/TariffFile.h"

using namespace hovorix;

// A message quotes bytes of a Windows-1250 file as UTF-8 text: Czech
// letters as themselves, the five bytes the code page leaves undefined as
// U+FFFD, NUL as U+2400, so what() neither shows other letters nor ends early.
TEST(MessageText, QuotedTariffTextBecomesUtf8) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"15 K\xE8", "15 Kč"},
        {"\x9E"
         "lu\x9Dou\xE8k\xFD k\xF9\xF2",
         "žluťoučký kůň"},
        {"\x80 \x85 \x96", "€ … –"},
        {"1\x81"
         "2\x83"
         "3\x88"
         "4\x90"
         "5\x98",
         "1\uFFFD2\uFFFD3\uFFFD4\uFFFD5\uFFFD"},
        {std::string("1\0"
                     "5",
                     3),
         "1\u24005"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tariffs::cp1250InMessage(c.bytes), c.text) << c.text;
        EXPECT_TRUE(tariffs::isUtf8(tariffs::cp1250InMessage(c.bytes))) << c.text;
    }
}

// Bytes of no declared encoding (a file name, a prefix file's word) stay as
// they are when they are UTF-8 and are read as Windows-1250 otherwise; a
// sequence UTF-8 does not allow is never passed on.
TEST(MessageText, TextOfUnknownEncodingIsKeptWhenUtf8) {
    struct Case {
        const char* what;
        std::string bytes;
        bool utf8;
        std::string text;
    };
    const Case cases[] = {
        {"UTF-8 Czech", "síť", true, "síť"},
        {"UTF-8 beyond the code page", "\xF0\x9F\x93\x9E", true, "\xF0\x9F\x93\x9E"},
        {"Windows-1250 Czech", "s\xED\x9D", false, "síť"},
        {"overlong slash", "a\xC0\xAF", false, "aŔŻ"},
        {"surrogate half", "\xED\xA0\x80", false, "í\u00A0€"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false, "ô\uFFFD€€"},
        {"sequence cut short", "x\xE2\x82", false, "xâ‚"},
        {"NUL in UTF-8", std::string("a\0b", 3), true, "a\u2400b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tariffs::anyTextInMessage(c.bytes), c.text) << c.what;
        EXPECT_EQ(tariffs::isUtf8(c.bytes), c.utf8) << c.what;
    }
}

// Every error of tariff data is caught as one class, which gives the line
// and a UTF-8 message naming neither file nor line, as the front ends expect.
TEST(MessageText, TariffErrorsShareOneBaseWithUtf8Messages) {
    TemporaryFolder folder;
    writeBytes(folder / "spatne.ini", "provider A\r\ntarif B\r\nsluzba telefon 15 K\xE8\x81\r\n");
    std::filesystem::create_directory(folder / "slo\x9Eka.ini");
    struct Case {
        const char* what;
        std::filesystem::path file;
        std::size_t line;
        std::string message;
    };
    const Case cases[] = {
        {"a malformed number", folder / "spatne.ini", 3, "'15 Kč\uFFFD' is not a valid floating point value"},
        {"a folder in place of the file", folder / "slo\x9Eka.ini", 0,
         "cannot open the file: " + std::string(std::strerror(EISDIR))},
    };
    for (const Case& c : cases) {
        tariffs::TariffList list(tariffs::CalculatorDefaults);
        std::string version;
        try {
            tariffs::readTariffFile(c.file, list, version, {.decimalSeparator = ','});
            ADD_FAILURE() << c.what << " was read";
        } catch (const tariffs::TariffError& error) {
            EXPECT_EQ(error.line(), c.line) << c.what;
            EXPECT_EQ(error.what(), c.message) << c.what;
        }
    }
}
