// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>

namespace hovorix::desktop {

// Why the operating system refused a file, in the user's words: "Na disku
// není místo.", "Přístup odepřen.", ... and "Chyba N." for the rest. Both
// programs give it as the second line of a failed open or save, and with a
// call list that cannot be read.
QString systemErrorReason(int errorNumber);

// The message, then the reason on a line of its own; the message alone when
// there is no error number.
QString withSystemErrorReason(const QString& message, int errorNumber);

}  // namespace hovorix::desktop
