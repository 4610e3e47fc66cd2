// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "FeeChartAccessible.h"

#include <QTextDocumentFragment>

#include <mutex>

#include "chart/FeeChart.h"

namespace hovorix::chart {

FeeChartAccessible::FeeChartAccessible(FeeChart* chart)
    : QAccessibleWidget(chart, QAccessible::Chart, BarSeries::title()) {}

FeeChartAccessible::~FeeChartAccessible() = default;

FeeChart* FeeChartAccessible::chart() const { return static_cast<FeeChart*>(widget()); }

int FeeChartAccessible::childCount() const { return chart()->series().count(); }

QAccessibleInterface* FeeChartAccessible::child(int index) const {
    return bars_.at(index, childCount(), [this](int i) { return new BarAccessible(chart(), i); });
}

int FeeChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return bars_.indexOf(child, childCount());
}

QAccessibleInterface* FeeChartAccessible::childAt(int x, int y) const {
    const int index = chart()->barAt(chart()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface* FeeChartAccessible::focusChild() const {
    const int current = chart()->currentBar();
    return chart()->hasFocus() && current >= 0 ? child(current) : nullptr;
}

QString FeeChartAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: return chart()->accessibleName().isEmpty() ? BarSeries::title() : chart()->accessibleName();
    case QAccessible::Description: return chart()->resultsSummary();
    case QAccessible::Help: return FeeChart::hint();
    default: return QAccessibleWidget::text(t);
    }
}

BarAccessible::BarAccessible(FeeChart* chart, int index) : AccessiblePart(chart, index) {}

bool BarAccessible::isValid() const { return widget_ && index_ < widget_->series().count(); }

QString BarAccessible::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    switch (t) {
    case QAccessible::Name: return widget_->barText(index_);
    case QAccessible::Description: return QTextDocumentFragment::fromHtml(widget_->barToolTip(index_)).toPlainText();
    default: return {};
    }
}

QRect BarAccessible::rect() const {
    if (!isValid()) return {};
    // A bar scrolled out of the plot tells where it lies, as a list's
    // hidden rows do; its state says it is off screen.
    const QRectF bar = widget_->barRect(index_);
    const QRectF shown = bar.intersected(widget_->plotArea());
    const QRect local = (shown.isEmpty() ? bar : shown).toAlignedRect();
    return QRect(widget_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role BarAccessible::role() const { return QAccessible::ListItem; }

QAccessible::State BarAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.selectable = true;
    state.readOnly = true;
    const bool current = widget_->currentBar() == index_;
    state.selected = current;
    state.focused = current && widget_->hasFocus();
    const QRectF bar = widget_->barRect(index_);
    const QRectF plot = widget_->plotArea();
    state.invisible = bar.bottom() < plot.top() || bar.top() > plot.bottom();
    state.offscreen = state.invisible;
    return state;
}

namespace {

QAccessibleInterface* feeChartFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(FeeChart::staticMetaObject.className()) && object && object->isWidgetType()) {
        return new FeeChartAccessible(static_cast<FeeChart*>(object));
    }
    return nullptr;
}

}  // namespace

void installFeeChartAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(feeChartFactory); });
}

}  // namespace hovorix::chart
