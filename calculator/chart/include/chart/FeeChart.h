// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "chart/BarSeries.h"
#include "chart/ChartLayout.h"
#include "chart/ChartView.h"
#include "desktop/RegionalSettings.h"
#include "fees/ComputeFees.h"
#include "fees/MonthlyCost.h"

class QScrollBar;

namespace hovorix::chart {

// The fee chart `Graf` of the calculator's results page: one horizontal bar
// per tariff in file order, each marked with its monthly cost, drawn in three
// dimensions. Bars stand at least a line of text apart; when they do not all
// fit so, the plot scrolls through them (scroll bar, wheel) under a cost
// axis that stays in sight. A left drag down and to the right zooms, one in
// any other direction restores the view at the bars scrolled to; a right drag
// scrolls. With the focus, Up and Down walk through the bars showing each
// tariff's cost breakdown, "+" halves the cost span shown, "-" goes back one
// zoom (the mouse's or the key's), "0" shows the whole chart again, and
// Ctrl+C copies the results for a spreadsheet.
class FeeChart : public QWidget {
    Q_OBJECT

public:
    explicit FeeChart(QWidget* parent = nullptr);
    ~FeeChart() override;

    // The chart's only series, "Poplatky", which the fee run fills.
    fees::BarSink& Series1();
    const BarSeries& series() const { return series_; }

    // Where the cost breakdown of a bar comes from, asked for the bar's index
    // whenever its tooltip is shown; nullopt (or no source) shows the label
    // and the cost alone.
    using BarDetails = std::function<std::optional<fees::CostBreakdown>(int index)>;
    void setBarDetails(BarDetails details);

    // Marks, axis and copied costs use this locale's separators; the user's
    // regional settings unless set.
    void setRegionalSettings(const desktop::RegionalSettings& settings);

    // The view: following the bars, or fixed where the user zoomed or
    // scrolled to, in costs and bar positions.
    ViewRanges visibleRanges() const;
    bool followsBars() const { return view_.followsBars(); }
    bool isZoomAnimating() const { return !zoomFrames_.empty(); }
    // Back to the axes that follow the bars, from the bar scrolled to.
    void restoreView();
    // Half the cost span shown, from the same lowest cost.
    void zoomInCosts();
    // The view before the latest zoom; false when there is none.
    bool zoomBack();
    // "+", "-" and "0" (the keypad's too) as the chart takes them; false for
    // any other key.
    bool zoomByKey(const QKeyEvent& event);

    // What the plot says instead of an empty grid while there are no bars
    // (a tariff file without tariffs); none when empty.
    void setEmptyText(const QString& text);
    const QString& emptyText() const { return emptyText_; }

    // Geometry in widget coordinates, for hit tests and for the accessibility tree.
    QRectF plotArea() const;
    QRectF barRect(int index) const;
    // The bar whose row holds the point (over its label, bar or mark), -1 for none.
    int barAt(const QPointF& point) const;

    // The bar chosen with the keyboard, -1 for none.
    int currentBar() const { return currentBar_; }
    void setCurrentBar(int index);

    // The bar of the tariff the user has now, marked beside its cost and
    // said in its description; -1 for none.
    void setMarkedBar(int index);
    int markedBar() const { return series_.marked(); }
    // Where that mark stands, in widget coordinates; empty without one.
    QRectF markerRect() const;

    // "label: mark", as a screen reader reads a bar.
    QString barText(int index) const;
    // The breakdown shown when the bar is hovered, rich text.
    QString barToolTip(int index) const;
    // Names the cheapest tariffs (the first few of those equal to the cent)
    // and their cost; without bars, the empty text.
    QString resultsSummary() const;
    // One line per bar: label, a tab, the cost with the locale's decimal separator.
    QString resultsText() const;
    void copyResults() const;

    // The hint shown over the chart where no bar is.
    static QString hint();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class Drag { None, Zoom, Scroll };

    const ChartLayout& layout() const;
    void barsChanged();
    void invalidateLayout();
    void showView(const ViewRanges& ranges);
    void scrollTo(int top);
    // The scroll bar shows where the view stands among the bars.
    void syncScrollBar();
    void syncScrollBarLater();
    void nextZoomFrame();
    void finishZoomAnimation();
    void bringIntoView(int index);
    void showBarToolTip(int index, const QPoint& globalPos);
    void notifyAccessibility();

    BarSeries series_;
    BarDetails details_;
    QString emptyText_;
    ViewState view_;
    std::deque<ViewRanges> zoomFrames_;
    QTimer zoomTimer_;

    Drag drag_ = Drag::None;
    QPointF dragFrom_;
    QPointF dragTo_;
    int currentBar_ = -1;
    bool accessibilityPending_ = false;
    QScrollBar* scrollBar_ = nullptr;
    int scrollTop_ = 0;
    bool scrollBarPending_ = false;
    int wheelRemainder_ = 0;

    mutable std::unique_ptr<TextWidths> widths_;
    mutable std::unique_ptr<ChartLayout> layout_;
    mutable bool viewDirty_ = true;
};

}  // namespace hovorix::chart
