// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <cerrno>

#include "desktop/SystemError.h"

using namespace hovorix::desktop;

// The reasons users meet most, and an unusual one by its number, as the
// second line under the message; no empty line when there is no number.
TEST(SystemError, ReasonOnTheSecondLine) {
    const struct {
        int error;
        const char* shown;
    } cases[] = {
        {ENOSPC, "Nelze uložit\nNa disku není místo."},
        {EPERM, "Nelze uložit\nPřístup odepřen."},
        {EROFS, "Nelze uložit\nSystém souborů je jen pro čtení."},
        {EDQUOT, "Nelze uložit\nPřekročena kvóta."},
        {EISDIR, "Nelze uložit\nJe to složka, ne soubor."},
        {EINVAL, "Nelze uložit\nNení to soubor."},
        {ENAMETOOLONG, "Nelze uložit\nChyba 36."},
        {0, "Nelze uložit"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(withSystemErrorReason(QStringLiteral("Nelze uložit"), c.error), QString::fromUtf8(c.shown))
            << c.error;
    }
}
