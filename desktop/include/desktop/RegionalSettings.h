// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "tariffs/TariffWriter.h"

namespace hovorix::desktop {

// The user's regional settings as both programs use them: the decimal
// separator for every number, and the short date and long time of the
// tariff file's header line. QLocale::system() follows LC_ALL, LC_NUMERIC,
// LC_TIME and LANG.
class RegionalSettings {
public:
    explicit RegionalSettings(QLocale locale = QLocale::system());

    const QLocale& locale() const { return locale_; }

    // The separator as one byte of the tariff file; a locale whose separator
    // is not plain ASCII reads and writes a point.
    char decimalSeparator() const;

    QString shortDate(const QDate& date) const;
    // Hours, minutes and seconds in the locale's order, with its AM/PM
    // designator where it uses one, but no time zone.
    QString longTime(const QTime& time) const;

    // The date and time texts of a file written at that moment, in Windows-1250.
    tariffs::WriteStamp stamp(const QDateTime& when = QDateTime::currentDateTime()) const;

private:
    QLocale locale_;
};

}  // namespace hovorix::desktop
