// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/NumberText.h"

#include "tariffs/NumberText.h"

namespace hovorix::desktop {

QString formatNumber(double value, char decimalSeparator) {
    return QString::fromLatin1(hovorix::tariffs::formatNumber(value, decimalSeparator));
}

bool tryParseNumber(const QString& text, char decimalSeparator, double& value) {
    // Only ASCII can make a number; anything else fails the grammar anyway.
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) return false;
    }
    return hovorix::tariffs::tryParseNumber(text.toLatin1().toStdString(), decimalSeparator, value);
}

}  // namespace hovorix::desktop
