// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QFont>

namespace hovorix::desktop {

// The windows are laid out in fixed pixel geometry for an 8-point sans-serif
// font; the first installed of a few families with the metrics that fit it.
QFont programFont();
// The serif face of the calculator's product title, chosen the same way.
QFont titleFont(int pixelSize);

}  // namespace hovorix::desktop
