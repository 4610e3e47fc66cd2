// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

namespace hovorix::chart {

struct AxisRange {
    double min = 0;
    double max = 1;

    double span() const { return max - min; }
    bool operator==(const AxisRange&) const = default;
};

// What the plot shows: costs along the horizontal axis, bar positions along
// the vertical one (position 0, the first tariff, at the top).
struct ViewRanges {
    AxisRange value;
    AxisRange category;

    bool operator==(const ViewRanges&) const = default;
};

// Turns pixels of the plot's front face into costs and positions and back.
class PlotMapping {
public:
    PlotMapping() = default;
    PlotMapping(const QRectF& front, const ViewRanges& ranges);

    const QRectF& front() const { return front_; }
    const ViewRanges& ranges() const { return ranges_; }

    double x(double value) const;
    double y(double position) const;  // inverted: lower positions higher up
    double value(double x) const;
    double position(double y) const;
    // Pixels between neighbouring positions.
    double slot() const;

    // The view in which the given part of the front face fills the plot.
    ViewRanges rangesShowing(const QRectF& pixels) const;
    // The view moved so that what lay under the pointer follows it by delta.
    ViewRanges scrolledBy(const QPointF& delta) const;

private:
    QRectF front_{0, 0, 1, 1};
    ViewRanges ranges_;
};

// A drag with the left button, judged on release: larger than this many
// pixels both ways or it does nothing.
inline constexpr int ZoomDragThreshold = 16;
enum class ZoomDrag { Nothing, ZoomIn, Restore };
// Down and to the right zooms in; any other direction restores.
ZoomDrag judgeZoomDrag(const QPointF& from, const QPointF& to);

// The views an animated zoom passes through: seven in between, each moving
// every axis limit a third of the way that remains, then the target itself.
inline constexpr int ZoomIntermediateViews = 7;
std::vector<ViewRanges> zoomFrames(const ViewRanges& from, const ViewRanges& to);

// A view zoomed so far that its ticks and marks would collapse is widened
// around its middle to these spans.
inline constexpr double MinimumValueSpan = 1e-6;
inline constexpr double MinimumCategorySpan = 1e-3;
ViewRanges withMinimumSpans(ViewRanges ranges);

// The view with half the cost span of the one given, from the same lowest
// cost: the "+" key's zoom, along the cost axis only.
ViewRanges halvedCosts(const ViewRanges& ranges);

// Whether the axes follow the bars or keep what the user zoomed or scrolled
// to. The choice belongs to the chart, not to the bars, so it survives fee
// runs until a restoring drag. Each zoom remembers the view it started from,
// so the user can go back one zoom at a time.
class ViewState {
public:
    bool followsBars() const { return !fixed_; }
    // The ranges to show, given those that would follow the bars.
    ViewRanges current(const ViewRanges& following) const { return fixed_ ? *fixed_ : following; }
    void fix(const ViewRanges& ranges) { fixed_ = ranges; }
    // Back to following the bars, every zoom forgotten.
    void follow() {
        fixed_.reset();
        zooms_.clear();
    }
    // A zoom starts from the view as it is now.
    void startZoom() { zooms_.push_back(fixed_); }
    // The view before the latest zoom; false when there was none to undo.
    bool undoZoom() {
        if (zooms_.empty()) return false;
        fixed_ = zooms_.back();
        zooms_.pop_back();
        return true;
    }

private:
    std::optional<ViewRanges> fixed_;
    std::vector<std::optional<ViewRanges>> zooms_;
};

}  // namespace hovorix::chart
