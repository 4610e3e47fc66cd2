// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/SystemError.h"

#include <cerrno>

namespace hovorix::desktop {

QString systemErrorReason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC: return QStringLiteral("Na disku není místo.");
    case EACCES:
    case EPERM: return QStringLiteral("Přístup odepřen.");
    case EROFS: return QStringLiteral("Systém souborů je jen pro čtení.");
    case EDQUOT: return QStringLiteral("Překročena kvóta.");
    case ENOENT: return QStringLiteral("Soubor neexistuje.");
    case EISDIR: return QStringLiteral("Je to složka, ne soubor.");
    case EIO: return QStringLiteral("Chyba vstupu/výstupu.");
    // Both programs refuse a pipe, a device or the like in the tariff file's
    // place with this code, and never read or replace it.
    case EINVAL: return QStringLiteral("Není to soubor.");
    default: return QStringLiteral("Chyba %1.").arg(errorNumber);
    }
}

QString withSystemErrorReason(const QString& message, int errorNumber) {
    if (errorNumber == 0) return message;
    return message + QLatin1Char('\n') + systemErrorReason(errorNumber);
}

}  // namespace hovorix::desktop
