// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/Shape.h"

#include <QPainter>

namespace hovorix::calculator {

void Shape::setBrushColor(const QColor& colour) {
    brush_ = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush_);
    painter.drawEllipse(rect());
}

}  // namespace hovorix::calculator
