// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

#include "fees/TariffChoice.h"
#include "fees/UsageProfile.h"
#include "tariffs/TariffList.h"

namespace hovorix::calculator {

// The colours of the plot's tariff lines, in turn: dark enough to stand out
// on white (at least 3 : 1), and none of them white, yellow or silver.
inline constexpr int PlotColourCount = 8;
QColor plotColour(int index);

// How a tariff's line looks, by its position in the file, the same in every
// view of the plot whatever else it shows: the colours in turn, solid, then
// dashed, then dotted. The 25th tariff looks as the first again; the legend
// and the table name them.
inline constexpr int PlotDashCount = 3;
inline constexpr int PlotStyleCount = PlotColourCount * PlotDashCount;
struct PlotStyle {
    QColor colour;
    Qt::PenStyle dash = Qt::SolidLine;
};
PlotStyle plotStyle(std::size_t tariff);

// What the plot of a choice shows: the monthly cost of each tariff that is
// the cheapest somewhere in the range (and of the runner-up at the entered
// usage) over the scale, the lower envelope, the entered usage and the
// scales where the cheapest tariff changes.
struct ChoicePlot {
    struct Line {
        std::size_t tariff = 0;
        QString label;
        QColor colour;
        Qt::PenStyle style = Qt::SolidLine;
        QList<QPointF> points;
    };
    // One stretch of the lower envelope, in its tariff's colour; a single
    // point where a tariff is the cheapest at exactly 0 alone.
    struct Stretch {
        std::size_t tariff = 0;
        QColor colour;
        QList<QPointF> points;
    };
    struct Crossing {
        QPointF at;
        QString text;  // "1,38×"
    };

    double from = fees::DefaultScaleFrom;
    double to = fees::DefaultScaleTo;
    // The cost axis, from a little below the lowest cost shown to a little
    // above the highest, in round steps.
    double costFrom = 0;
    double costTo = 1;
    double costStep = 1;
    double scaleStep = 0.5;
    std::vector<Line> lines;        // in file order
    std::vector<Stretch> envelope;  // in increasing scale
    std::vector<Crossing> crossings;
    bool showsEnteredUsage = false;  // 1 lies in the range

    // What a screen reader says of the plot.
    QString name;
    QString description;
};

// The plot of a choice: each line sampled finely enough to look smooth,
// with its corners at the scales where the cheapest tariff changes.
ChoicePlot makeChoicePlot(const tariffs::TariffList& list, const fees::UsageProfile& usage,
                          const fees::ScaleChoice& choice, const QLocale& locale);

// The plot drawn with Qt Charts. Its accessible name and description are
// the plot's; with the keyboard focus it draws a focus frame. The scales of
// the crossings stand above their marks (below, where the plot's top would
// cut them); a label that would cover one already placed is left out, as
// the table lists every crossing. The legend is a ChoiceLegend beside it.
class ChoicePlotView : public QChartView {
    Q_OBJECT

public:
    explicit ChoicePlotView(QWidget* parent = nullptr);
    ~ChoicePlotView() override;

    // Shows the plot; while hidden, the chart is built when it is next shown.
    void setPlot(const ChoicePlot& plot, const QLocale& locale);
    const ChoicePlot& plot() const { return plot_; }
    // Where the crossings' labels stand in the view as it is now, one per
    // crossing, in order; an empty rectangle for a label left out.
    std::vector<QRectF> crossingLabels() const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void build();

    ChoicePlot plot_;
    QLocale locale_;
    bool built_ = true;
};

// The plot's legend: a sample of each line and its name, in rows as wide as
// the legend is, so no name is cut short however narrow the plot.
class ChoiceLegend : public QWidget {
    Q_OBJECT

public:
    explicit ChoiceLegend(QWidget* parent = nullptr);
    ~ChoiceLegend() override;

    void setPlot(const ChoicePlot& plot);
    // The names in the legend's order.
    QStringList names() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Entry {
        QString name;
        // The sample's pens side by side: the envelope's shows the colours
        // of its first stretches.
        std::vector<QPen> pens;
    };
    // Where each entry goes in a legend of that width.
    std::vector<QRect> layOut(int width) const;

    std::vector<Entry> entries_;
};

}  // namespace hovorix::calculator
