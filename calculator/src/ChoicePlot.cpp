// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/ChoicePlot.h"

#include <QGraphicsLayout>
#include <QLegend>
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

// Samples across the range: enough that a line bends smoothly where its
// free minutes run out between two of them.
constexpr int Steps = 200;

const QColor EnvelopeColour(Qt::black);
const QColor EnteredUsageColour(0x55, 0x55, 0x55);

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
                            choicetext::scale(choice.from, locale), choicetext::scale(choice.to, locale));
    QStringList stretches;
    for (std::size_t k = 0; k < choice.intervals.size(); ++k) {
        const fees::CheapestInterval& interval = choice.intervals[k];
        const QString name = lineLabel(plot, interval.tariff);
        const bool first = k == 0;
        const bool last = k + 1 == choice.intervals.size();
        if (first && last) {
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
        line.colour = plotColour(static_cast<int>(k));
        // Beyond the colours, dashes and dots tell lines of one colour apart.
        const int round = static_cast<int>(k) / PlotColourCount;
        line.style = round == 0 ? Qt::SolidLine : round == 1 ? Qt::DashLine : Qt::DotLine;
        line.points.reserve(static_cast<qsizetype>(scales.size()));
        for (double scale : scales) line.points.append(point(plotted[k], scale));
        plot.lines.push_back(std::move(line));
    }

    for (std::size_t k = 0; k < choice.intervals.size(); ++k) {
        const fees::CheapestInterval& interval = choice.intervals[k];
        auto first = std::lower_bound(scales.begin(), scales.end(), interval.from);
        for (auto s = first; s != scales.end() && *s <= interval.to; ++s)
            plot.envelope.append(point(interval.tariff, *s));
        if (k > 0) {
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
    // Under the tariffs' lines, so each stretch shows in its tariff's colour
    // within the bold black.
    if (!plot_.envelope.isEmpty()) {
        auto* envelope = new QLineSeries;
        envelope->setName(QStringLiteral("nejlevnější"));
        envelope->setPen(QPen(EnvelopeColour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        envelope->replace(plot_.envelope);
        add(envelope);
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

void ChoicePlotView::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (!built_ || plot_.crossings.empty()) return;
    const QFontMetricsF metrics(font());
    const QRectF area = chart()->plotArea();
    std::vector<QRectF> placed;
    painter->save();
    painter->setFont(font());
    for (const ChoicePlot::Crossing& crossing : plot_.crossings) {
        const QPointF mark = chart()->mapToPosition(crossing.at);
        QRectF box = metrics.boundingRect(crossing.text).adjusted(-2, 0, 2, 0);
        box.moveCenter(QPointF(mark.x(), mark.y() - 6 - box.height() / 2));
        // Kept inside the plot, and above the labels already placed where
        // they would overlap.
        if (box.left() < area.left()) box.moveLeft(area.left());
        if (box.right() > area.right()) box.moveRight(area.right());
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRectF& other : placed) {
                if (box.intersects(other)) {
                    box.moveBottom(other.top() - 1);
                    moved = true;
                }
            }
        }
        if (box.top() < area.top()) box.moveTop(area.top());
        placed.push_back(box);
        if (box.bottom() < mark.y() - 8) {
            painter->setPen(QPen(Qt::black, 0.8));
            painter->drawLine(QPointF(mark.x(), mark.y() - 4), QPointF(mark.x(), box.bottom()));
        }
        painter->fillRect(box, QColor(255, 255, 255, 220));
        painter->setPen(Qt::black);
        painter->drawText(box, Qt::AlignCenter, crossing.text);
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
    if (!plot.envelope.isEmpty()) {
        entries_.push_back({QStringLiteral("nejlevnější"), QPen(EnvelopeColour, 5, Qt::SolidLine, Qt::RoundCap)});
    }
    for (const ChoicePlot::Line& line : plot.lines) {
        entries_.push_back({line.label, QPen(line.colour, 2, line.style, Qt::RoundCap)});
    }
    if (plot.showsEnteredUsage) {
        entries_.push_back({QStringLiteral("vaše spotřeba"), QPen(EnteredUsageColour, 1.5, Qt::DashLine)});
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
        const int middle = box.center().y();
        painter.setPen(entries_[i].pen);
        painter.drawLine(box.left() + 3, middle, box.left() + SampleWidth - 3, middle);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box.adjusted(SampleWidth + SampleGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         entries_[i].name);
    }
}

}  // namespace hovorix::calculator
