// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include "desktop/Cp1250.h"

using namespace hovorix::desktop;

TEST(Cp1250, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = fromCp1250(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1250(text), all);
    EXPECT_TRUE(isCp1250(text));
}

TEST(Cp1250, CzechLettersAndTheUndefinedBytes) {
    struct Case {
        const char* bytes;
        const char16_t* text;
    };
    const Case cases[] = {
        {"NEDEFINOV\xC1N", u"NEDEFINOVÁN"},
        {"Nezn\xE1m\xFD", u"Neznámý"},
        {"\x8A\x9D"
         "astn\xFD k\xF9\xF2 \xFA\xF8"
         "ad",
         u"Šťastný kůň úřad"},
        {"\xC8\xCC\xD8\xCF\x8E\xE8\xEC\xF8\xEF\x9E", u"ČĚŘĎŽčěřďž"},
        {"\x80\x84\x93\x94\x96\xA0", u"€„“”–\u00A0"},
        {"\x81\x83\x88\x90\x98", u"\u0081\u0083\u0088\u0090\u0098"},  // undefined: the control of that number
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fromCp1250(c.bytes), QString::fromUtf16(c.text)) << c.bytes;
        EXPECT_EQ(toCp1250(QString::fromUtf16(c.text)), c.bytes) << c.bytes;
    }
}

TEST(Cp1250, CharactersOutsideTheCodePage) {
    const QString text = QString::fromUtf16(u"Zloty ł, ruble ₽, kana ア");
    EXPECT_FALSE(isCp1250(text));
    EXPECT_TRUE(isCp1250(QChar(u'ł')));
    EXPECT_FALSE(isCp1250(QChar(u'₽')));
    EXPECT_EQ(toCp1250(text), "Zloty \xB3, ruble ?, kana ?");
}
