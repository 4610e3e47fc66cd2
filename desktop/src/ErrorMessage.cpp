// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/ErrorMessage.h"

#include <new>

namespace hovorix::desktop {

QString messageOf(const std::exception& error) {
    // The library's own text says nothing to a user.
    if (dynamic_cast<const std::bad_alloc*>(&error)) return QStringLiteral("Nedostatek paměti");
    return QString::fromUtf8(error.what());
}

}  // namespace hovorix::desktop
