// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "ChartPicture.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace hovorix::calculator {

namespace {

constexpr int Side = 32;

QPixmap blankPicture(qreal devicePixelRatio) {
    QPixmap picture(QSize(Side, Side) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    return picture;
}

}  // namespace

QPixmap chartPicture(qreal devicePixelRatio) {
    QPixmap picture = blankPicture(devicePixelRatio);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The chart's light yellow wall, its axis, and three bars in the chart's
    // first colours, each fading from white at its base.
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(QColor(0xFF, 0xFF, 0x80));
    painter.drawRect(QRectF(2.5, 2.5, 27, 27));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(5, 4), QPointF(5, 28));

    struct Bar {
        qreal length;
        QColor colour;
    };
    const std::array<Bar, 3> bars = {
        {{22, QColor(0xFF, 0x00, 0x00)}, {14, QColor(0x00, 0x80, 0x00)}, {18, QColor(0xE0, 0xC0, 0x00)}}};
    qreal top = 6;
    for (const Bar& bar : bars) {
        const QRectF rect(5.5, top, bar.length, 6);
        QLinearGradient fill(rect.topLeft(), rect.topRight());
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, bar.colour);
        painter.setPen(QPen(bar.colour.darker(140), 0.8));
        painter.setBrush(fill);
        painter.drawRect(rect);
        top += 7.5;
    }
    return picture;
}

}  // namespace hovorix::calculator
