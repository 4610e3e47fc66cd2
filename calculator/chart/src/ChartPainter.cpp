// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "ChartPainter.h"

#include <QLinearGradient>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace hovorix::chart {

namespace {

const QColor WallEdge(0x80, 0x80, 0x80);
const QColor GridLine(0xA0, 0xA0, 0xA0);
const QColor MarkBox(0xFF, 0xFF, 0xE1);
const QColor MarkFrame(0x90, 0x90, 0x90);

// Bars thinner than this have no outline, which would hide their colour.
constexpr double OutlinedThickness = 4;
constexpr double SmoothedThickness = 2;

QColor mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// One-pixel lines land on whole pixels and stay crisp.
double crisp(double coordinate) { return std::floor(coordinate) + 0.5; }

QPolygonF parallelogram(QPointF a, QPointF b, double depth) {
    const QPointF back(depth, -depth);
    return QPolygonF({a, b, b + back, a + back});
}

void paintWalls(QPainter& p, const ChartLayout& layout) {
    const QRectF f = layout.front();
    const double d = layout.depth();
    p.setPen(QPen(WallEdge, 1));
    p.setBrush(Qt::NoBrush);
    const QRectF back = layout.back();
    p.drawRect(
        QRectF(QPointF(crisp(back.left()), crisp(back.top())), QPointF(crisp(back.right()), crisp(back.bottom()))));
    p.setBrush(QColor::fromRgb(LeftWallColour));
    p.drawPolygon(parallelogram({crisp(f.left()), f.bottom()}, {crisp(f.left()), f.top()}, d));
    p.setBrush(QColor::fromRgb(BottomWallColour));
    p.drawPolygon(parallelogram({f.left(), crisp(f.bottom())}, {f.right(), crisp(f.bottom())}, d));
}

void paintCostAxis(QPainter& p, const ChartLayout& layout, const QPalette& palette) {
    const QRectF f = layout.front();
    const double d = layout.depth();
    const PlotMapping& map = layout.mapping();
    const double line = layout.metrics().height();
    for (const Tick& tick : layout.ticks().ticks) {
        const double x = crisp(map.x(tick.value));
        if (x < f.left() - 0.5 || x > f.right() + 0.5) continue;
        p.setPen(QPen(GridLine, 1));
        p.drawLine(QPointF(x + d, f.top() - d), QPointF(x + d, f.bottom() - d));
        p.drawLine(QPointF(x, f.bottom()), QPointF(x + d, f.bottom() - d));
        p.setPen(QPen(palette.color(QPalette::WindowText), 1));
        p.drawLine(QPointF(x, f.bottom()), QPointF(x, f.bottom() + ChartLayout::TickLength));
        // Centred under its tick; the layout leaves room for the end labels,
        // and a label is moved in rather than dropped should it still not fit.
        const double width = layout.metrics().horizontalAdvance(tick.text);
        const double left = std::clamp(x - width / 2, 0.0, std::max(0.0, layout.size().width() - width));
        p.drawText(QRectF(left, f.bottom() + ChartLayout::TickLength + 1, width, line),
                   Qt::AlignCenter | Qt::TextSingleLine, tick.text);
    }
}

void paintBar(QPainter& p, const ChartLayout& layout, const Bar& bar, const QRectF& face) {
    const QRectF f = layout.front();
    const double d = layout.depth();
    const PlotMapping& map = layout.mapping();
    const double left = std::max(face.left(), f.left());
    const double right = std::min(face.right(), f.right());
    const double top = std::max(face.top(), f.top());
    const double bottom = std::min(face.bottom(), f.bottom());
    if (right < left || bottom <= top) return;

    // An endless cost's bar ends at the plot's edge in its full colour.
    const double base = map.x(0);
    const double end = bar.value < 0 ? face.left() : face.right();
    const QColor white(Qt::white);
    auto gradient = [&](const QColor& colour) {
        QLinearGradient g(QPointF(std::clamp(base, -1e6, 1e6), 0), QPointF(std::clamp(end, -1e6, 1e6), 0));
        g.setColorAt(0, white);
        g.setColorAt(1, colour);
        return QBrush(g);
    };
    const bool outlined = face.height() >= OutlinedThickness;
    p.setPen(outlined ? QPen(mix(bar.colour, Qt::black, 0.45), 1) : QPen(Qt::NoPen));

    // The end face stands at the right: the cost's end for a cost, the base
    // for a negative one. Where the plot cuts a bar, the cut shows as the
    // bar's end or top, so it still reads as a solid box.
    const double share = std::abs(end - base) < 1e-9 ? 1.0 : std::clamp((right - base) / (end - base), 0.0, 1.0);
    p.setBrush(mix(mix(white, bar.colour, share), Qt::black, 0.25));
    p.drawPolygon(parallelogram({right, bottom}, {right, top}, d));
    p.setBrush(gradient(mix(bar.colour, white, 0.35)));
    p.drawPolygon(parallelogram({right, top}, {left, top}, d));
    p.setBrush(gradient(bar.colour));
    p.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
}

void paintBars(QPainter& p, const ChartLayout& layout, const BarSeries& series) {
    // Bars thinner than a couple of pixels are a band of colour whatever the
    // smoothing; without it a thousand of them paint in a fraction of the time.
    p.setRenderHint(QPainter::Antialiasing, layout.barThickness() >= SmoothedThickness);
    // From the bottom up: each bar hides the top face of the one below it.
    for (int i = layout.lastVisible(); i >= layout.firstVisible(); --i) {
        const Bar& bar = series.bars()[static_cast<std::size_t>(i)];
        if (std::isnan(bar.value)) continue;
        paintBar(p, layout, bar, layout.barFront(i));
    }
}

// The user's current tariff: a triangle pointing at its cost, then "váš".
void paintMarker(QPainter& p, const ChartLayout& layout, int index) {
    const QRectF marker = layout.markerRect(index);
    const QRectF box = layout.markRect(index);
    const bool right = marker.left() >= box.right();
    const double pad = ChartLayout::MarkPadding;
    const double half = layout.metrics().height() / 4;
    const double y = marker.center().y();
    // The point touches the mark's side; the word stands beyond the base.
    const double tip = right ? marker.left() + pad : marker.right() - pad;
    const double base = right ? tip + 2 * half : tip - 2 * half;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(tip, y), QPointF(base, y - half), QPointF(base, y + half)}));
    p.setPen(Qt::black);
    const QRectF word = right ? QRectF(QPointF(base + pad, marker.top()), marker.bottomRight())
                              : QRectF(marker.topLeft(), QPointF(base - pad, marker.bottom()));
    p.drawText(word, (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter | Qt::TextSingleLine,
               ChartLayout::markerText());
}

void paintMarks(QPainter& p, const ChartLayout& layout, const BarSeries& series) {
    const QRectF bounds = layout.plotBounds();
    for (int i = layout.firstVisible(); i <= layout.lastVisible(); ++i) {
        if (!layout.isLabelled(i)) continue;
        const QRectF box = layout.markRect(i);
        if (!box.intersects(bounds) || !std::isfinite(box.left())) continue;
        p.setPen(QPen(MarkFrame, 1));
        p.setBrush(MarkBox);
        p.drawRect(
            QRectF(QPointF(crisp(box.left()), crisp(box.top())), QPointF(crisp(box.right()), crisp(box.bottom()))));
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, series.bars()[static_cast<std::size_t>(i)].mark);
        if (series.isMarked(i)) paintMarker(p, layout, i);
    }
}

void paintTariffAxis(QPainter& p, const ChartLayout& layout, const BarSeries& series, const PaintState& state) {
    const QRectF f = layout.front();
    const PlotMapping& map = layout.mapping();
    p.setPen(QPen(state.palette.color(QPalette::WindowText), 1));
    p.drawLine(QPointF(crisp(f.left()), f.top()), QPointF(crisp(f.left()), f.bottom()));
    p.drawLine(QPointF(f.left(), crisp(f.bottom())), QPointF(f.right(), crisp(f.bottom())));
    for (int i = layout.firstVisible(); i <= layout.lastVisible(); ++i) {
        const bool current = i == state.currentBar && state.hasFocus;
        if (!layout.isLabelled(i) && !current) continue;
        const Bar& bar = series.bars()[static_cast<std::size_t>(i)];
        const double y = map.y(bar.position);
        if (y < f.top() || y > f.bottom()) continue;
        p.setPen(QPen(state.palette.color(QPalette::WindowText), 1));
        p.drawLine(QPointF(f.left() - ChartLayout::TickLength, crisp(y)), QPointF(f.left(), crisp(y)));
        const QRectF rect = layout.labelRect(i);
        const QString text = layout.labelText(i);
        if (current) {
            const double width = layout.metrics().horizontalAdvance(text) + 2;
            p.fillRect(QRectF(rect.right() - width, rect.top(), width + 1, rect.height()),
                       state.palette.color(QPalette::Highlight));
            p.setPen(state.palette.color(QPalette::HighlightedText));
        }
        p.drawText(rect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
}

void paintCurrentBar(QPainter& p, const ChartLayout& layout, const PaintState& state) {
    if (!state.hasFocus || state.currentBar < layout.firstVisible() || state.currentBar > layout.lastVisible()) return;
    const QRectF face = layout.barFront(state.currentBar).intersected(layout.front());
    if (face.isNull()) return;
    QPen pen(Qt::black, 1, Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(face.adjusted(-2, -2, 2, 2));
}

}  // namespace

void paintChart(QPainter& p, const ChartLayout& layout, const BarSeries& series, const PaintState& state) {
    p.fillRect(QRectF(QPointF(0, 0), layout.size()), state.palette.color(QPalette::Window));
    if (!layout.isUsable()) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(layout.font());

    paintWalls(p, layout);
    paintCostAxis(p, layout, state.palette);

    p.save();
    p.setClipRect(layout.plotBounds());
    paintBars(p, layout, series);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintMarks(p, layout, series);
    p.restore();

    paintTariffAxis(p, layout, series, state);
    paintCurrentBar(p, layout, state);

    if (state.zoomRectangle) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(state.zoomRectangle->normalized());
    }
}

}  // namespace hovorix::chart
