// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "ArrowGlyph.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace hovorix::editor {

namespace {

// An upward arrow on a 16 x 16 grid: a broad head over a shaft.
QPolygonF arrowShape(ArrowDirection direction) {
    QPolygonF shape{{8, 1}, {15, 8}, {11, 8}, {11, 15}, {5, 15}, {5, 8}, {1, 8}};
    if (direction == ArrowDirection::Down) {
        for (QPointF& point : shape) point.setY(ArrowGlyphSize - point.y());
    }
    return shape;
}

void drawShape(QPainter& painter, const QPolygonF& shape, const QColor& fill, const QColor& outline) {
    painter.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
}

QPixmap render(ArrowDirection direction, QIcon::Mode mode, int scale) {
    QPixmap pixmap(ArrowGlyphSize * scale, ArrowGlyphSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, scale > 1);
    // Half-pixel offset keeps the one-pixel outline on whole pixels.
    painter.translate(0.5, 0.5);
    const QPolygonF shape = arrowShape(direction);
    if (mode == QIcon::Disabled) {
        // Embossed: a white copy one pixel down and right under a grey one.
        drawShape(painter, shape.translated(1, 1), Qt::white, Qt::white);
        drawShape(painter, shape, QColor(0xa0, 0xa0, 0xa0), QColor(0x80, 0x80, 0x80));
    } else {
        drawShape(painter, shape, QColor(0xff, 0x00, 0x00), QColor(0x80, 0x00, 0x00));
    }
    return pixmap;
}

}  // namespace

QIcon arrowGlyph(ArrowDirection direction) {
    QIcon icon;
    for (int scale : {1, 2}) {
        icon.addPixmap(render(direction, QIcon::Normal, scale), QIcon::Normal);
        icon.addPixmap(render(direction, QIcon::Disabled, scale), QIcon::Disabled);
    }
    return icon;
}

}  // namespace hovorix::editor
