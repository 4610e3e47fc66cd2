#pragma once

#include <QPixmap>

namespace hovorix::calculator {

// The 32 x 32 picture left of the product title in the about box, a bar chart
// of tariffs. The one on the right is the program's icon.
QPixmap chartPicture(qreal devicePixelRatio = 1.0);

}  // namespace hovorix::calculator
