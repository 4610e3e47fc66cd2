// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/RegionalSettings.h"

#include <QRegularExpression>

#include "desktop/Cp1250.h"

namespace hovorix::desktop {

RegionalSettings::RegionalSettings(QLocale locale) : locale_(std::move(locale)) {}

char RegionalSettings::decimalSeparator() const {
    const QString separator = locale_.decimalPoint();
    if (separator.size() == 1 && separator[0].unicode() > 0x20 && separator[0].unicode() < 0x7f) {
        return static_cast<char>(separator[0].unicode());
    }
    return '.';
}

QString RegionalSettings::shortDate(const QDate& date) const { return locale_.toString(date, QLocale::ShortFormat); }

QString RegionalSettings::longTime(const QTime& time) const {
    // The long format may name the time zone ("t", "tttt"); the header line
    // never carried one.
    QString format = locale_.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return locale_.toString(time, format.trimmed());
}

tariffs::WriteStamp RegionalSettings::stamp(const QDateTime& when) const {
    return {toCp1250(shortDate(when.date())), toCp1250(longTime(when.time()))};
}

}  // namespace hovorix::desktop
