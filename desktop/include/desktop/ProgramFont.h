#pragma once

#include <QFont>

namespace hovorix::desktop {

// The windows are laid out in fixed pixel geometry for an 8-point sans-serif
// font; these families have the metrics that fit it, in order of preference.
QFont programFont();
// The serif face of the calculator's product title.
QFont titleFont(int pixelSize);

}  // namespace hovorix::desktop
