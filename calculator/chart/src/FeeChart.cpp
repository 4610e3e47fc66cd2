// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "chart/FeeChart.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "ChartPainter.h"
#include "FeeChartAccessible.h"
#include "chart/ChartText.h"

namespace hovorix::chart {

namespace {

// Eight steps of the zoom animation take a fifth of a second.
constexpr int ZoomFrameMilliseconds = 25;

QString oneLine(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    }
    return text;
}

}  // namespace

FeeChart::FeeChart(QWidget* parent) : QWidget(parent), series_([this] { barsChanged(); }) {
    installFeeChartAccessibility();
    setObjectName(QStringLiteral("Graf"));
    setToolTip(hint());
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    series_.setLocale(desktop::RegionalSettings{}.locale());
    // A child by name, so a test can drive the animation instead of waiting.
    zoomTimer_.setParent(this);
    zoomTimer_.setObjectName(QStringLiteral("zoomTimer"));
    zoomTimer_.setInterval(ZoomFrameMilliseconds);
    connect(&zoomTimer_, &QTimer::timeout, this, &FeeChart::nextZoomFrame);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setFocusPolicy(Qt::NoFocus);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, &FeeChart::scrollTo);
}

FeeChart::~FeeChart() = default;

fees::BarSink& FeeChart::Series1() { return series_; }

QString FeeChart::hint() {
    return QStringLiteral("Zde vidíte přehled poplatků jednotlivých tarifů; tažením myši v grafu můžete zoomovat.");
}

void FeeChart::setBarDetails(BarDetails details) { details_ = std::move(details); }

void FeeChart::setRegionalSettings(const desktop::RegionalSettings& settings) { series_.setLocale(settings.locale()); }

QSize FeeChart::sizeHint() const { return {393, 353}; }

QSize FeeChart::minimumSizeHint() const { return {120, 90}; }

// --- layout and view -------------------------------------------------------

const ChartLayout& FeeChart::layout() const {
    if (!layout_) {
        if (!widths_) widths_ = std::make_unique<TextWidths>(font());
        const double scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollBar_);
        layout_ = std::make_unique<ChartLayout>(QSizeF(size()), *widths_, series_, scrollBarWidth);
        viewDirty_ = true;
    }
    if (viewDirty_) {
        layout_->setView(view_.current(layout_->followingFrom(scrollTop_)));
        viewDirty_ = false;
    }
    return *layout_;
}

void FeeChart::invalidateLayout() {
    layout_.reset();
    update();
    // Once per fee run, not once per bar.
    syncScrollBarLater();
}

void FeeChart::barsChanged() {
    if (series_.isEmpty()) {
        currentBar_ = -1;
    } else {
        currentBar_ = std::min(currentBar_, series_.count() - 1);
    }
    invalidateLayout();
    notifyAccessibility();
}

ViewRanges FeeChart::visibleRanges() const { return layout().mapping().ranges(); }

QRectF FeeChart::plotArea() const { return layout().front(); }

QRectF FeeChart::barRect(int index) const {
    if (index < 0 || index >= series_.count()) return {};
    return layout().barFront(index);
}

int FeeChart::barAt(const QPointF& point) const { return layout().barAt(point); }

void FeeChart::showView(const ViewRanges& ranges) {
    view_.fix(ranges);
    // Wherever the view went, unzooming comes back to the bars it shows.
    const double top = std::round(ranges.category.min + 0.5);
    scrollTop_ = std::isfinite(top) ? static_cast<int>(std::clamp(top, 0.0, layout().lastTop() + 0.0)) : 0;
    viewDirty_ = true;
    update();
    syncScrollBar();
}

void FeeChart::restoreView() {
    zoomFrames_.clear();
    zoomTimer_.stop();
    view_.follow();
    viewDirty_ = true;
    update();
    syncScrollBar();
}

void FeeChart::zoomInCosts() {
    if (series_.isEmpty()) return;
    finishZoomAnimation();
    const ViewRanges from = visibleRanges();
    view_.startZoom();
    showView(halvedCosts(from));
}

bool FeeChart::zoomBack() {
    finishZoomAnimation();
    if (!view_.undoZoom()) return false;
    viewDirty_ = true;
    update();
    syncScrollBar();
    return true;
}

bool FeeChart::zoomByKey(const QKeyEvent& event) {
    // Shift may be needed to type them; with Ctrl, Alt or Super they are
    // other commands.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (event.key()) {
    case Qt::Key_Plus: zoomInCosts(); return true;
    case Qt::Key_Minus: zoomBack(); return true;
    case Qt::Key_0: restoreView(); return true;
    default: return false;
    }
}

void FeeChart::setMarkedBar(int index) { series_.setMarked(index); }

QRectF FeeChart::markerRect() const {
    const int marked = series_.marked();
    return series_.isMarked(marked) ? layout().markerRect(marked) : QRectF();
}

void FeeChart::setEmptyText(const QString& text) {
    if (text == emptyText_) return;
    emptyText_ = text;
    update();
    notifyAccessibility();
}

void FeeChart::scrollTo(int top) {
    if (view_.followsBars()) {
        scrollTop_ = std::clamp(top, 0, layout().lastTop());
        viewDirty_ = true;
        update();
        syncScrollBar();
        return;
    }
    // A zoomed or scrolled view moves as a whole, its first bar to top.
    finishZoomAnimation();
    ViewRanges ranges = visibleRanges();
    const double span = ranges.category.span();
    ranges.category = {top - 0.5, top - 0.5 + span};
    showView(ranges);
}

void FeeChart::syncScrollBarLater() {
    if (scrollBarPending_) return;
    scrollBarPending_ = true;
    QTimer::singleShot(0, this, [this] {
        scrollBarPending_ = false;
        syncScrollBar();
    });
}

void FeeChart::syncScrollBar() {
    const ChartLayout& l = layout();
    if (!l.scrolls()) {
        scrollBar_->hide();
        return;
    }
    const QSignalBlocker quiet(scrollBar_);
    scrollTop_ = std::clamp(scrollTop_, 0, l.lastTop());
    if (view_.followsBars()) {
        scrollBar_->setRange(0, l.lastTop());
        scrollBar_->setPageStep(l.shownBars());
        scrollBar_->setValue(scrollTop_);
    } else {
        const AxisRange shown = visibleRanges().category;
        const double last = std::ceil(series_.count() - shown.span());
        const int maximum = std::isfinite(last) ? static_cast<int>(std::clamp(last, 0.0, series_.count() + 0.0)) : 0;
        const double top = std::round(shown.min + 0.5);
        scrollBar_->setRange(0, maximum);
        scrollBar_->setPageStep(std::max(1, static_cast<int>(std::min(shown.span(), series_.count() + 0.0))));
        scrollBar_->setValue(std::isfinite(top) ? static_cast<int>(std::clamp(top, 0.0, maximum + 0.0)) : 0);
    }
    scrollBar_->setGeometry(l.scrollBarRect().toAlignedRect());
    scrollBar_->show();
}

void FeeChart::nextZoomFrame() {
    if (zoomFrames_.empty()) {
        zoomTimer_.stop();
        return;
    }
    showView(zoomFrames_.front());
    zoomFrames_.pop_front();
    if (zoomFrames_.empty()) zoomTimer_.stop();
}

void FeeChart::finishZoomAnimation() {
    if (zoomFrames_.empty()) return;
    showView(zoomFrames_.back());
    zoomFrames_.clear();
    zoomTimer_.stop();
}

// --- texts -----------------------------------------------------------------

QString FeeChart::barText(int index) const {
    if (index < 0 || index >= series_.count()) return {};
    const Bar& bar = series_.bars()[static_cast<std::size_t>(index)];
    return bar.label + QStringLiteral(": ") + bar.mark;
}

QString FeeChart::barToolTip(int index) const {
    if (index < 0 || index >= series_.count()) return {};
    const Bar& bar = series_.bars()[static_cast<std::size_t>(index)];
    QString title = QStringLiteral("<b>%1</b>").arg(oneLine(bar.label).toHtmlEscaped());
    if (series_.isMarked(index)) title += QStringLiteral(" – váš současný tarif");
    const std::optional<fees::CostBreakdown> parts = details_ ? details_(index) : std::nullopt;
    if (!parts) return title + QStringLiteral(": ") + bar.mark.toHtmlEscaped();

    const QLocale& locale = series_.locale();
    QString rows;
    auto row = [&](const QString& name, double amount, bool strong = false) {
        const QString cell = strong ? QStringLiteral("<b>%1</b>") : QStringLiteral("%1");
        rows += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                    .arg(cell.arg(name), cell.arg(markText(amount, locale).toHtmlEscaped()));
    };
    row(QStringLiteral("Paušál za telefon"), parts->telephoneFee);
    row(QStringLiteral("Paušál za fax"), parts->faxFee);
    row(QStringLiteral("Paušál za data"), parts->dataFee);
    constexpr auto NetworkRows = tariffs::enumTable<tariffs::PricedNetwork, const char*>({
        {tariffs::PricedNetwork::Jts, "Volání do pevné sítě"},
        {tariffs::PricedNetwork::Paegas, "Volání do sítě Paegas"},
        {tariffs::PricedNetwork::Eurotel, "Volání do sítě Eurotel"},
    });
    for (const tariffs::PricedNetwork network : tariffs::AllPricedNetworks) {
        row(QString::fromUtf8(NetworkRows[tariffs::indexOf(network)]), parts->network(network));
    }
    if (parts->minimumApplied) {
        rows += QStringLiteral("<tr><td colspan=\"2\"><i>Uplatněno minimální měsíční plnění</i></td></tr>");
    }
    row(QStringLiteral("Celkem za měsíc"), bar.value, true);
    return title + QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">") + rows + QStringLiteral("</table>");
}

QString FeeChart::resultsSummary() const {
    if (series_.isEmpty() && !emptyText_.isEmpty()) return emptyText_;
    const int cheapest = series_.cheapest();
    if (cheapest < 0) return QStringLiteral("Žádné tarify");
    // A list of hundreds of equal tariffs would be read out for minutes.
    constexpr qsizetype MostNamed = 5;
    const Bar& best = series_.bars()[static_cast<std::size_t>(cheapest)];
    QStringList names;
    int more = 0;
    for (const Bar& bar : series_.bars()) {
        // Equal to the cent: the same mark.
        if (bar.mark != best.mark) continue;
        if (names.size() < MostNamed) {
            names << bar.label;
        } else {
            ++more;
        }
    }
    QString named = names.join(QStringLiteral(", "));
    if (more > 0) {
        named +=
            QStringLiteral(" a %1 %2").arg(more).arg(more <= 4 ? QStringLiteral("další") : QStringLiteral("dalších"));
    }
    return QStringLiteral("Nejlevnější: %1 (%2)").arg(named, best.mark);
}

QString FeeChart::resultsText() const {
    QString text;
    for (const Bar& bar : series_.bars()) {
        text += oneLine(bar.label) + u'\t' + plainAmount(bar.value, series_.locale()) + u'\n';
    }
    return text;
}

void FeeChart::copyResults() const {
    if (series_.isEmpty()) return;
    QGuiApplication::clipboard()->setText(resultsText());
}

// --- keyboard ----------------------------------------------------------------

void FeeChart::setCurrentBar(int index) {
    index = series_.isEmpty() ? -1 : std::clamp(index, -1, series_.count() - 1);
    currentBar_ = index;
    if (index >= 0) bringIntoView(index);
    update();
    if (index >= 0 && hasFocus() && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}

void FeeChart::bringIntoView(int index) {
    if (view_.followsBars()) {
        const int shown = layout().shownBars();
        if (index < scrollTop_) {
            scrollTo(index);
        } else if (index >= scrollTop_ + shown) {
            scrollTo(index - shown + 1);
        }
        return;
    }
    ViewRanges ranges = visibleRanges();
    const double position = series_.bars()[static_cast<std::size_t>(index)].position;
    const double span = ranges.category.span();
    if (position - 0.5 < ranges.category.min) {
        ranges.category = {position - 0.5, position - 0.5 + span};
    } else if (position + 0.5 > ranges.category.max) {
        ranges.category = {position + 0.5 - span, position + 0.5};
    } else {
        return;
    }
    finishZoomAnimation();
    showView(ranges);
}

void FeeChart::showBarToolTip(int index, const QPoint& globalPos) {
    const ChartLayout& l = layout();
    const QRectF row = l.barFront(index).united(l.markRect(index)).united(l.labelRect(index));
    QToolTip::showText(globalPos, barToolTip(index), this, row.toAlignedRect());
}

void FeeChart::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copyResults();
        return;
    }
    if (zoomByKey(*event)) return;
    if (series_.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int last = series_.count() - 1;
    const int page = std::max(1, static_cast<int>(visibleRanges().category.span()) - 1);
    int index = currentBar_;
    switch (event->key()) {
    case Qt::Key_Up: index = currentBar_ < 0 ? 0 : currentBar_ - 1; break;
    case Qt::Key_Down: index = currentBar_ < 0 ? 0 : currentBar_ + 1; break;
    case Qt::Key_PageUp: index = std::max(0, currentBar_ - page); break;
    case Qt::Key_PageDown: index = currentBar_ < 0 ? 0 : currentBar_ + page; break;
    case Qt::Key_Home: index = 0; break;
    case Qt::Key_End: index = last; break;
    case Qt::Key_Escape: QToolTip::hideText(); return;
    default: QWidget::keyPressEvent(event); return;
    }
    setCurrentBar(std::clamp(index, 0, last));
    const QRectF bar = barRect(currentBar_).intersected(plotArea());
    const QPointF anchor = bar.isEmpty() ? QPointF(plotArea().left(), barRect(currentBar_).center().y()) : bar.center();
    showBarToolTip(currentBar_, mapToGlobal(anchor.toPoint()));
}

void FeeChart::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void FeeChart::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

// --- mouse -------------------------------------------------------------------

void FeeChart::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    if (drag_ != Drag::None || !plotArea().contains(pos)) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) {
        finishZoomAnimation();
        drag_ = Drag::Zoom;
        dragFrom_ = dragTo_ = pos;
    } else if (event->button() == Qt::RightButton) {
        finishZoomAnimation();
        drag_ = Drag::Scroll;
        dragFrom_ = pos;
    } else {
        QWidget::mousePressEvent(event);
        return;
    }
    QToolTip::hideText();
}

void FeeChart::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    if (drag_ == Drag::Zoom) {
        dragTo_ = pos;
        update();
    } else if (drag_ == Drag::Scroll) {
        // Scrolling ends for good once the pointer leaves the plot.
        if (!plotArea().contains(pos)) {
            drag_ = Drag::None;
            return;
        }
        const QPointF delta = pos - dragFrom_;
        dragFrom_ = pos;
        if (!delta.isNull()) showView(layout().mapping().scrolledBy(delta));
    } else {
        QWidget::mouseMoveEvent(event);
    }
}

void FeeChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    if (drag_ == Drag::Zoom && event->button() == Qt::LeftButton) {
        drag_ = Drag::None;
        update();
        switch (judgeZoomDrag(dragFrom_, pos)) {
        case ZoomDrag::ZoomIn: {
            const QRectF rectangle = QRectF(dragFrom_, pos).normalized().intersected(plotArea());
            const ViewRanges target = layout().mapping().rangesShowing(rectangle);
            const std::vector<ViewRanges> frames = zoomFrames(visibleRanges(), target);
            view_.startZoom();
            zoomFrames_.assign(frames.begin(), frames.end());
            zoomTimer_.start();
            break;
        }
        case ZoomDrag::Restore: restoreView(); break;
        case ZoomDrag::Nothing: break;
        }
    } else if (drag_ == Drag::Scroll && event->button() == Qt::RightButton) {
        drag_ = Drag::None;
    } else {
        QWidget::mouseReleaseEvent(event);
    }
}

void FeeChart::wheelEvent(QWheelEvent* event) {
    if (!layout().scrolls()) {
        QWidget::wheelEvent(event);
        return;
    }
    // A notch of the wheel scrolls as many bars as a list scrolls lines;
    // fine-grained wheels add up to notches.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ %= QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) scrollBar_->setValue(scrollBar_->value() - notches * QApplication::wheelScrollLines());
    event->accept();
}

// --- painting and events ---------------------------------------------------------

void FeeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (series_.isEmpty() && !emptyText_.isEmpty()) {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        const int margin = fontMetrics().averageCharWidth() * 2;
        painter.drawText(rect().adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap,
                         emptyText_);
        return;
    }
    PaintState state;
    state.palette = palette();
    state.currentBar = currentBar_;
    state.hasFocus = hasFocus();
    if (drag_ == Drag::Zoom) state.zoomRectangle = QRectF(dragFrom_, dragTo_);
    paintChart(painter, layout(), series_, state);
}

void FeeChart::showEvent(QShowEvent* event) {
    syncScrollBar();
    QWidget::showEvent(event);
}

void FeeChart::resizeEvent(QResizeEvent* event) {
    invalidateLayout();
    QWidget::resizeEvent(event);
}

void FeeChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        widths_.reset();
        invalidateLayout();
    }
    if (event->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(event);
}

bool FeeChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && drag_ == Drag::None) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = barAt(help->pos());
        if (index >= 0) {
            showBarToolTip(index, help->globalPos());
            return true;
        }
    }
    return QWidget::event(event);
}

void FeeChart::notifyAccessibility() {
    if (accessibilityPending_ || !QAccessible::isActive()) return;
    accessibilityPending_ = true;
    // One notice after a whole fee run rather than one per bar.
    QTimer::singleShot(0, this, [this] {
        accessibilityPending_ = false;
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
        QAccessibleEvent description(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
    });
}

}  // namespace hovorix::chart
