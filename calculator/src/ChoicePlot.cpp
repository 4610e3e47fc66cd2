// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/ChoicePlot.h"

#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QStyleOptionFocusRect>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "ChoiceText.h"
#include "desktop/Cp1250.h"
#include "fees/ScaledUsage.h"

namespace hovorix::calculator {

namespace {

// Okabe and Ito's colour-blind-safe set and Tol's, without their pale members.
constexpr std::array<QRgb, PlotColourCount> Palette = {
    0x0072B2, 0xD55E00, 0x117733, 0xAA3377, 0x996600, 0x332288, 0x009988, 0x882255,
};

// The decimals of "od" and "do".
constexpr int RangeDecimals = 4;

// Samples across the range: enough that a line bends smoothly where its
// free minutes run out between two of them.
constexpr int Steps = 200;

// The envelope is a bold band in its tariff's colour, light enough that the
// tariff's own line, dashed or dotted as it may be, shows through it.
constexpr double EnvelopeWidth = 7;
constexpr double EnvelopeOpacity = 0.45;
const QColor EnteredUsageColour(0x55, 0x55, 0x55);

QColor bandColour(const QColor& colour) {
    QColor band = colour;
    band.setAlphaF(EnvelopeOpacity);
    return band;
}

// A legend sample shows at most this many of the envelope's colours.
constexpr std::size_t EnvelopeSampleColours = 4;

// A step of 1, 2, 2.5 or 5 times a power of ten that splits span into
// about count parts.
double roundStep(double span, int count) {
    const double raw = span / count;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double scaled = raw / magnitude;
    const double factor = scaled <= 1 ? 1 : scaled <= 2 ? 2 : scaled <= 2.5 ? 2.5 : scaled <= 5 ? 5 : 10;
    return factor * magnitude;
}

// The fewest decimals that write every multiple of step exactly.
int decimalsOf(double step) {
    int decimals = 0;
    for (double scaled = step; decimals < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9 * scaled; scaled *= 10) {
        ++decimals;
    }
    return decimals;
}

// The scales at which the lines are drawn: evenly over the range, every
// boundary of the cheapest intervals, and just after 0, where a cost may
// jump, so the jump stands upright.
std::vector<double> sampleScales(const fees::ScaleChoice& choice) {
    std::vector<double> scales;
    scales.reserve(Steps + choice.intervals.size() + 2);
    for (int i = 0; i <= Steps; ++i) scales.push_back(choice.from + (choice.to - choice.from) * i / Steps);
    for (const fees::CheapestInterval& interval : choice.intervals) scales.push_back(interval.from);
    if (choice.from == 0) scales.push_back((choice.to - choice.from) * 1e-6);
    scales.push_back(choice.to);
    std::sort(scales.begin(), scales.end());
    scales.erase(std::unique(scales.begin(), scales.end()), scales.end());
    return scales;
}

QString lineLabel(const ChoicePlot& plot, std::size_t tariff) {
    for (const ChoicePlot::Line& line : plot.lines)
        if (line.tariff == tariff) return line.label;
    return {};
}

QString describe(const ChoicePlot& plot, const fees::ScaleChoice& choice, const QLocale& locale) {
    if (plot.lines.empty()) return QStringLiteral("Graf je prázdný, ceník neobsahuje žádné tarify.");
    QStringList labels;
    for (const ChoicePlot::Line& line : plot.lines) labels << line.label;
    QString text = QStringLiteral("Měsíční cena %1 podle násobku zadané spotřeby od %2 do %3.")
                       .arg(labels.size() == 1 ? QStringLiteral("tarifu ") + labels.front()
                                               : QStringLiteral("tarifů ") + labels.join(QStringLiteral(", ")),
                            choicetext::scale(choice.from, locale, RangeDecimals),
                            choicetext::scale(choice.to, locale, RangeDecimals));
    QStringList stretches;
    for (std::size_t k = 0; k < choice.intervals.size(); ++k) {
        const fees::CheapestInterval& interval = choice.intervals[k];
        const QString name = lineLabel(plot, interval.tariff);
        const bool first = k == 0;
        const bool last = k + 1 == choice.intervals.size();
        if (interval.from == interval.to) {
            stretches << QStringLiteral("%1 jen při %2").arg(name, choicetext::scale(interval.from, locale));
        } else if (first && last) {
            stretches << QStringLiteral("v celém rozsahu %1").arg(name);
        } else if (first) {
            stretches << QStringLiteral("%1 do %2").arg(name, choicetext::scale(interval.to, locale));
        } else if (last) {
            stretches << QStringLiteral("%1 od %2").arg(name, choicetext::scale(interval.from, locale));
        } else {
            stretches << QStringLiteral("%1 od %2 do %3")
                             .arg(name, choicetext::scale(interval.from, locale),
                                  choicetext::scale(interval.to, locale));
        }
    }
    text += QStringLiteral(" Nejlevnější (tučná čára) je %1.").arg(stretches.join(QStringLiteral(", ")));
    if (plot.showsEnteredUsage) text += QStringLiteral(" Svislá čára značí zadanou spotřebu.");
    return text;
}

}  // namespace

QColor plotColour(int index) {
    const int entry = ((index % PlotColourCount) + PlotColourCount) % PlotColourCount;
    return QColor::fromRgb(Palette[static_cast<std::size_t>(entry)]);
}

PlotStyle plotStyle(std::size_t tariff) {
    constexpr std::array<Qt::PenStyle, PlotDashCount> Dashes = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    const std::size_t style = tariff % PlotStyleCount;
    return {plotColour(static_cast<int>(style % PlotColourCount)), Dashes[style / PlotColourCount]};
}

ChoicePlot makeChoicePlot(const tariffs::TariffList& list, const fees::UsageProfile& usage,
                          const fees::ScaleChoice& choice, const QLocale& locale) {
    ChoicePlot plot;
    plot.from = choice.from;
    plot.to = choice.to;
    plot.scaleStep = roundStep(choice.to - choice.from, 5);
    plot.showsEnteredUsage = choice.from <= 1 && 1 <= choice.to;
    plot.name = QStringLiteral("Graf ceny podle spotřeby");

    const std::vector<double> scales = sampleScales(choice);
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    const auto point = [&](std::size_t tariff, double scale) {
        const double cost = fees::costAtScale(list.seek(tariff), usage, choice.varied, scale);
        if (std::isfinite(cost)) {
            lowest = std::min(lowest, cost);
            highest = std::max(highest, cost);
        }
        return QPointF(scale, cost);
    };

    const std::vector<std::size_t> plotted = choice.plottedTariffs();
    for (std::size_t k = 0; k < plotted.size(); ++k) {
        ChoicePlot::Line line;
        line.tariff = plotted[k];
        line.label = desktop::fromCp1250(tariffs::tariffLabel(list.seek(plotted[k])));
        const PlotStyle style = plotStyle(plotted[k]);
        line.colour = style.colour;
        line.style = style.dash;
        line.points.reserve(static_cast<qsizetype>(scales.size()));
        for (double scale : scales) line.points.append(point(plotted[k], scale));
        plot.lines.push_back(std::move(line));
    }

    for (std::size_t k = 0; k < choice.intervals.size(); ++k) {
        const fees::CheapestInterval& interval = choice.intervals[k];
        ChoicePlot::Stretch stretch;
        stretch.tariff = interval.tariff;
        stretch.colour = plotStyle(interval.tariff).colour;
        // A stretch that follows the point 0 of another tariff starts just
        // above 0, where its cost may have jumped.
        const bool afterPoint = k > 0 && choice.intervals[k - 1].from == choice.intervals[k - 1].to;
        auto first = afterPoint ? std::upper_bound(scales.begin(), scales.end(), interval.from)
                                : std::lower_bound(scales.begin(), scales.end(), interval.from);
        for (auto s = first; s != scales.end() && *s <= interval.to; ++s)
            stretch.points.append(point(interval.tariff, *s));
        plot.envelope.push_back(std::move(stretch));
        // Where the lines cross; not where a cost jumps at 0.
        if (k > 0 && !afterPoint) {
            plot.crossings.push_back(
                {QPointF(interval.from, interval.costFrom), choicetext::scale(interval.from, locale)});
        }
    }

    if (!std::isfinite(lowest)) lowest = highest = 0;
    double span = highest - lowest;
    if (span <= 1e-9 * std::max(1.0, std::fabs(highest))) span = std::max(1.0, std::fabs(highest) * 0.1);
    plot.costStep = roundStep(span, 5);
    plot.costFrom = std::floor(lowest / plot.costStep) * plot.costStep;
    plot.costTo = std::ceil(highest / plot.costStep) * plot.costStep;
    if (plot.costTo <= plot.costFrom) plot.costTo = plot.costFrom + plot.costStep;

    plot.description = describe(plot, choice, locale);
    return plot;
}

ChoicePlotView::ChoicePlotView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    // White to the edges, as the chart itself.
    setBackgroundBrush(Qt::white);
    QChart* c = chart();
    c->setBackgroundRoundness(0);
    // Room on the right for the last scale's label.
    c->setMargins(QMargins(2, 2, 10, 2));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    // The names stand in a ChoiceLegend, which wraps them rather than cut them short.
    c->legend()->hide();
    c->setLocalizeNumbers(true);
    setAccessibleName(QStringLiteral("Graf ceny podle spotřeby"));
}

ChoicePlotView::~ChoicePlotView() = default;

void ChoicePlotView::setPlot(const ChoicePlot& plot, const QLocale& locale) {
    plot_ = plot;
    locale_ = locale;
    setAccessibleName(plot_.name);
    setAccessibleDescription(plot_.description);
    built_ = false;
    if (isVisible()) build();
}

void ChoicePlotView::showEvent(QShowEvent* event) {
    if (!built_) build();
    QChartView::showEvent(event);
}

void ChoicePlotView::build() {
    built_ = true;
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    c->setLocale(locale_);
    const QFont text = font();

    auto* scales = new QValueAxis;
    scales->setRange(plot_.from, plot_.to);
    scales->setTickType(QValueAxis::TicksDynamic);
    scales->setTickAnchor(0);
    scales->setTickInterval(plot_.scaleStep);
    scales->setLabelFormat(QStringLiteral("%.%1f×").arg(decimalsOf(plot_.scaleStep)));
    scales->setLabelsFont(text);
    scales->setTitleText(QStringLiteral("násobek zadané spotřeby"));
    scales->setTitleFont(text);
    auto* costs = new QValueAxis;
    costs->setRange(plot_.costFrom, plot_.costTo);
    costs->setTickType(QValueAxis::TicksDynamic);
    costs->setTickAnchor(0);
    costs->setTickInterval(plot_.costStep);
    costs->setLabelFormat(QStringLiteral("%.%1f").arg(decimalsOf(plot_.costStep)));
    costs->setLabelsFont(text);
    costs->setTitleText(QStringLiteral("Kč měsíčně"));
    costs->setTitleFont(text);
    c->addAxis(scales, Qt::AlignBottom);
    c->addAxis(costs, Qt::AlignLeft);

    const auto add = [&](QAbstractSeries* series) {
        c->addSeries(series);
        series->attachAxis(scales);
        series->attachAxis(costs);
    };
    // Under the tariffs' lines, one series a stretch, each in its tariff's
    // colour; the legend names the envelope once.
    for (const ChoicePlot::Stretch& stretch : plot_.envelope) {
        QXYSeries* series = nullptr;
        if (stretch.points.size() == 1) {
            auto* point = new QScatterSeries;
            point->setMarkerShape(QScatterSeries::MarkerShapeCircle);
            point->setMarkerSize(EnvelopeWidth + 2);
            point->setColor(bandColour(stretch.colour));
            point->setBorderColor(Qt::transparent);
            series = point;
        } else {
            series = new QLineSeries;
            series->setPen(QPen(bandColour(stretch.colour), EnvelopeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        series->setName(QStringLiteral("nejlevnější"));
        series->replace(stretch.points);
        add(series);
        for (QLegendMarker* marker : c->legend()->markers(series)) marker->setVisible(false);
    }
    for (const ChoicePlot::Line& line : plot_.lines) {
        auto* series = new QLineSeries;
        series->setName(line.label);
        series->setPen(QPen(line.colour, 2, line.style, Qt::RoundCap, Qt::RoundJoin));
        series->replace(line.points);
        add(series);
    }
    if (plot_.showsEnteredUsage) {
        auto* entered = new QLineSeries;
        entered->setName(QStringLiteral("vaše spotřeba"));
        entered->setPen(QPen(EnteredUsageColour, 1.5, Qt::DashLine));
        entered->append(1, plot_.costFrom);
        entered->append(1, plot_.costTo);
        add(entered);
    }
    for (const ChoicePlot::Crossing& crossing : plot_.crossings) {
        auto* mark = new QScatterSeries;
        mark->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        mark->setMarkerSize(8);
        mark->setColor(Qt::white);
        mark->setBorderColor(Qt::black);
        mark->append(crossing.at);
        add(mark);
    }
}

std::vector<QRectF> ChoicePlotView::crossingLabels() const {
    std::vector<QRectF> boxes;
    if (!built_) return boxes;
    const QFontMetricsF metrics(font());
    const QRectF area = chart()->plotArea();
    std::vector<QRectF> placed;
    for (const ChoicePlot::Crossing& crossing : plot_.crossings) {
        const QPointF mark = chart()->mapToPosition(crossing.at);
        QRectF box = metrics.boundingRect(crossing.text).adjusted(-2, 0, 2, 0);
        box.moveCenter(QPointF(mark.x(), mark.y() - 6 - box.height() / 2));
        // Inside the plot: beside its edges, below the mark at its top.
        if (box.left() < area.left()) box.moveLeft(area.left());
        if (box.right() > area.right()) box.moveRight(area.right());
        if (box.top() < area.top()) box.moveTop(mark.y() + 6);
        const bool covers =
            std::any_of(placed.begin(), placed.end(), [&](const QRectF& other) { return box.intersects(other); });
        if (covers) {
            boxes.emplace_back();
            continue;
        }
        placed.push_back(box);
        boxes.push_back(box);
    }
    return boxes;
}

void ChoicePlotView::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (!built_ || plot_.crossings.empty()) return;
    const std::vector<QRectF> boxes = crossingLabels();
    painter->save();
    painter->setFont(font());
    painter->setPen(Qt::black);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        if (boxes[k].isEmpty()) continue;
        painter->fillRect(boxes[k], QColor(255, 255, 255, 220));
        painter->drawText(boxes[k], Qt::AlignCenter, plot_.crossings[k].text);
    }
    painter->restore();
}

void ChoicePlotView::paintEvent(QPaintEvent* event) {
    QChartView::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void ChoicePlotView::focusInEvent(QFocusEvent* event) {
    QChartView::focusInEvent(event);
    viewport()->update();
}

void ChoicePlotView::focusOutEvent(QFocusEvent* event) {
    QChartView::focusOutEvent(event);
    viewport()->update();
}

namespace {

constexpr int SampleWidth = 24;
constexpr int SampleGap = 4;
constexpr int EntryGap = 12;
constexpr int RowGap = 2;

}  // namespace

ChoiceLegend::ChoiceLegend(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

ChoiceLegend::~ChoiceLegend() = default;

void ChoiceLegend::setPlot(const ChoicePlot& plot) {
    entries_.clear();
    if (!plot.envelope.empty()) {
        Entry envelope{QStringLiteral("nejlevnější"), {}};
        QList<QRgb> shown;
        for (const ChoicePlot::Stretch& stretch : plot.envelope) {
            if (shown.size() == EnvelopeSampleColours) break;
            if (shown.contains(stretch.colour.rgb())) continue;
            shown << stretch.colour.rgb();
            envelope.pens.emplace_back(bandColour(stretch.colour), EnvelopeWidth, Qt::SolidLine, Qt::FlatCap);
        }
        entries_.push_back(std::move(envelope));
    }
    for (const ChoicePlot::Line& line : plot.lines) {
        entries_.push_back({line.label, {QPen(line.colour, 2, line.style, Qt::RoundCap)}});
    }
    if (plot.showsEnteredUsage) {
        entries_.push_back({QStringLiteral("vaše spotřeba"), {QPen(EnteredUsageColour, 1.5, Qt::DashLine)}});
    }
    setAccessibleName(QStringLiteral("Legenda: ") + names().join(QStringLiteral(", ")));
    updateGeometry();
    update();
}

QStringList ChoiceLegend::names() const {
    QStringList names;
    for (const Entry& entry : entries_) names << entry.name;
    return names;
}

std::vector<QRect> ChoiceLegend::layOut(int width) const {
    const QFontMetrics metrics(font());
    std::vector<QRect> boxes;
    int x = 0;
    int y = 0;
    const int height = metrics.height();
    for (const Entry& entry : entries_) {
        const int entryWidth = SampleWidth + SampleGap + metrics.horizontalAdvance(entry.name);
        if (x > 0 && x + entryWidth > width) {
            x = 0;
            y += height + RowGap;
        }
        boxes.emplace_back(x, y, entryWidth, height);
        x += entryWidth + EntryGap;
    }
    return boxes;
}

int ChoiceLegend::heightForWidth(int width) const {
    const std::vector<QRect> boxes = layOut(width);
    return boxes.empty() ? 0 : boxes.back().bottom() + 1;
}

QSize ChoiceLegend::sizeHint() const {
    const int width = std::max(100, parentWidget() != nullptr ? parentWidget()->width() : 300);
    return {width, heightForWidth(width)};
}

QSize ChoiceLegend::minimumSizeHint() const { return {100, heightForWidth(100)}; }

void ChoiceLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::vector<QRect> boxes = layOut(width());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const QRect& box = boxes[i];
        const double middle = box.center().y();
        const std::vector<QPen>& pens = entries_[i].pens;
        const double length = (SampleWidth - 6.0) / static_cast<double>(pens.size());
        for (std::size_t p = 0; p < pens.size(); ++p) {
            const double start = box.left() + 3 + length * static_cast<double>(p);
            painter.setPen(pens[p]);
            painter.drawLine(QPointF(start, middle), QPointF(start + length, middle));
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box.adjusted(SampleWidth + SampleGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         entries_[i].name);
    }
}

}  // namespace hovorix::calculator
