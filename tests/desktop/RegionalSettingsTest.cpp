// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include "desktop/RegionalSettings.h"

using namespace hovorix::desktop;

TEST(RegionalSettings, SeparatorDateAndTimeFollowTheLocale) {
    struct Case {
        const char* locale;
        char separator;
        const char* date;
        const char* time;
    };
    const QDateTime when(QDate(2026, 12, 8), QTime(9, 5, 7));
    const Case cases[] = {
        {"cs_CZ", ',', "08.12.26", "9:05:07"},
        {"en_US", '.', "12/8/26", "9:05:07 AM"},
        {"de_DE", ',', "08.12.26", "09:05:07"},
        {"en_GB", '.', "08/12/2026", "09:05:07"},
    };
    for (const Case& c : cases) {
        const RegionalSettings settings{QLocale(QString::fromLatin1(c.locale))};
        EXPECT_EQ(settings.decimalSeparator(), c.separator) << c.locale;
        EXPECT_EQ(settings.shortDate(when.date()), QString::fromUtf8(c.date)) << c.locale;
        EXPECT_EQ(settings.longTime(when.time()), QString::fromUtf8(c.time)) << c.locale;
    }
}

TEST(RegionalSettings, TheStampIsWindows1250) {
    const RegionalSettings czech{QLocale(QStringLiteral("cs_CZ"))};
    const auto stamp = czech.stamp(QDateTime(QDate(2001, 2, 3), QTime(23, 59, 58)));
    EXPECT_EQ(stamp.date, "03.02.01");
    EXPECT_EQ(stamp.time, "23:59:58");
}

TEST(RegionalSettings, ANonAsciiSeparatorFallsBackToAPoint) {
    const RegionalSettings arabic{QLocale(QStringLiteral("ar_EG"))};
    EXPECT_EQ(arabic.decimalSeparator(), '.');
}
