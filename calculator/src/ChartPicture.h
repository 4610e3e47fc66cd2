// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QPixmap>

namespace hovorix::calculator {

// The 32 x 32 picture left of the product title in the about box, a bar chart
// of tariffs. The one on the right is the program's icon.
QPixmap chartPicture(qreal devicePixelRatio = 1.0);

}  // namespace hovorix::calculator
