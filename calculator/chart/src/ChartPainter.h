// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QPainter>
#include <QPalette>

#include <optional>

#include "chart/ChartLayout.h"

namespace hovorix::chart {

struct PaintState {
    QPalette palette;
    int currentBar = -1;  // the bar chosen with Up and Down
    bool hasFocus = false;
    std::optional<QRectF> zoomRectangle;  // while the left button drags
};

// Paints the whole chart: walls, grid and cost axis, bars back to front,
// marks, tariff labels, and the keyboard and zoom feedback.
void paintChart(QPainter& painter, const ChartLayout& layout, const BarSeries& series, const PaintState& state);

// The colour of the left wall and of the bottom wall.
inline constexpr QRgb LeftWallColour = 0xFFFF80;
inline constexpr QRgb BottomWallColour = 0xFFFFFF;

}  // namespace hovorix::chart
