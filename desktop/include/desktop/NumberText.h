// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>

namespace hovorix::desktop {

// The core's number text for widgets: the same format and the same grammar,
// under the given decimal separator.
QString formatNumber(double value, char decimalSeparator);

// False when the text is not a number; value is then left untouched.
bool tryParseNumber(const QString& text, char decimalSeparator, double& value);

}  // namespace hovorix::desktop
