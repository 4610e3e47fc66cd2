// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QFont>
#include <QTest>

#include <cmath>

#include "chart/ChartLayout.h"
#include "chart/ChartText.h"
#include "chart/ChartView.h"
#include "desktop/ProgramFont.h"

using namespace hovorix;
using namespace hovorix::chart;

Q_DECLARE_METATYPE(hovorix::chart::ZoomDrag)

namespace {

const QLocale Czech(QStringLiteral("cs_CZ"));
const QLocale English(QStringLiteral("en_US"));

// The Czech text with the locale's own separators in place of "_" (group) and "," (decimal).
QString czech(const char* pattern) {
    QString text = QString::fromUtf8(pattern);
    text.replace(u',', Czech.decimalPoint());
    text.replace(u'_', Czech.groupSeparator());
    return text;
}

BarSeries seriesOf(std::initializer_list<double> values, const QLocale& locale = English) {
    BarSeries series;
    series.setLocale(locale);
    int i = 0;
    for (double value : values) series.AddBar(value, "PAEGAS-Tarif " + std::to_string(i++), fees::AutomaticColour);
    return series;
}

}  // namespace

class ChartModelTest : public QObject {
    Q_OBJECT

private slots:
    void czechGroupsWithItsNoBreakSpace() { QCOMPARE(Czech.groupSeparator(), QString(QChar(0x00A0))); }

    void marks_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mark");
        QTest::newRow("cs 1225") << Czech << 1225.0 << czech("1_225,00");
        QTest::newRow("cs rounds") << Czech << 1190.909 << czech("1_190,91");
        QTest::newRow("cs zero") << Czech << 0.0 << czech("0,00");
        QTest::newRow("cs millions") << Czech << 1234567.891 << czech("1_234_567,89");
        QTest::newRow("cs negative") << Czech << -1225.0 << Czech.negativeSign() + czech("1_225,00");
        QTest::newRow("en 1225") << English << 1225.0 << QStringLiteral("1,225.00");
        QTest::newRow("en zero") << English << 0.0 << QStringLiteral("0.00");
        QTest::newRow("en rounds") << English << 1190.909 << QStringLiteral("1,190.91");
        QTest::newRow("en carries") << English << 999.999 << QStringLiteral("1,000.00");
        QTest::newRow("en small") << English << 0.5 << QStringLiteral("0.50");
        QTest::newRow("negative zero") << English << -0.0 << QStringLiteral("0.00");
        QTest::newRow("rounds to zero") << English << -0.004 << QStringLiteral("0.00");
        QLocale ungrouped = English;
        ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
        QTest::newRow("grouped anyway") << ungrouped << 1225.0 << QStringLiteral("1,225.00");
    }
    void marks() {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(QString, mark);
        QCOMPARE(markText(value, locale), mark);
    }

    void amountsForASpreadsheetAreNotGrouped() {
        QCOMPARE(plainAmount(1225, Czech), czech("1225,00"));
        QCOMPARE(plainAmount(1234567.891, English), QStringLiteral("1234567.89"));
        QCOMPARE(plainAmount(-0.001, English), QStringLiteral("0.00"));
    }

    void colourCycle_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("first red") << 0 << QColor::fromRgb(0xFF0000);
        QTest::newRow("second green") << 1 << QColor::fromRgb(0x008000);
        QTest::newRow("third yellow") << 2 << QColor::fromRgb(0xFFFF00);
        QTest::newRow("fifth white") << 4 << QColor::fromRgb(0xFFFFFF);
        QTest::newRow("tenth maroon") << 9 << QColor::fromRgb(0x800000);
        QTest::newRow("sixteenth black") << 15 << QColor::fromRgb(0x000000);
        QTest::newRow("seventeenth red again") << 16 << QColor::fromRgb(0xFF0000);
        QTest::newRow("thirty-fourth green") << 33 << QColor::fromRgb(0x008000);
    }
    void colourCycle() {
        QFETCH(int, index);
        QFETCH(QColor, colour);
        QCOMPARE(cycleColour(index), colour);
    }

    void seriesKeepsOrderPositionsAndColours() {
        BarSeries series;
        series.AddBar(5, "A", fees::AutomaticColour);
        series.ClearBars();
        QCOMPARE(series.AddBar(300, "EUROTEL-Ekonom", fees::AutomaticColour), 0);
        QCOMPARE(series.AddBar(100, "PAEGAS-Bus\xECness", fees::AutomaticColour), 1);
        QCOMPARE(series.AddBar(200, "X-Y", fees::BarColour{0x123456}), 2);
        QCOMPARE(series.count(), 3);
        const auto& bars = series.bars();
        QCOMPARE(bars[0].position, 0.0);
        QCOMPARE(bars[2].position, 2.0);
        QCOMPARE(bars[1].label, QString::fromUtf8("PAEGAS-Busěness"));
        QCOMPARE(bars[1].colour, QColor::fromRgb(0x008000));
        QCOMPARE(bars[2].colour, QColor::fromRgb(0x123456));
        QCOMPARE(series.cheapest(), 1);
        QCOMPARE(BarSeries::title(), QStringLiteral("Poplatky"));
    }

    void tickTexts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("thousands") << 1000.0 << 500.0 << QStringLiteral("1,000");
        QTest::newRow("two and a half") << 2.5 << 2.5 << QStringLiteral("2.5");
        QTest::newRow("tenths") << 0.1 * 3 << 0.1 << QStringLiteral("0.3");
        QTest::newRow("noise around zero") << -1e-17 << 0.1 << QStringLiteral("0.0");
        QTest::newRow("hundredths") << 0.05 << 0.05 << QStringLiteral("0.05");
    }
    void tickTexts() {
        QFETCH(double, value);
        QFETCH(double, step);
        QFETCH(QString, text);
        QCOMPARE(tickText(value, step, English), text);
    }

    void ticksAreRoundAndDoNotCrowd_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("pixels");
        QTest::newRow("costs") << 0.0 << 1705.0 << 230.0;
        QTest::newRow("narrow plot") << 0.0 << 1705.0 << 60.0;
        QTest::newRow("negative too") << -350.0 << 1200.0 << 300.0;
        QTest::newRow("zoomed deep") << 1225.1234 << 1225.1298 << 300.0;
        QTest::newRow("huge") << 0.0 << 1e300 << 300.0;
        QTest::newRow("wide") << 0.0 << 3.0 << 2000.0;
    }
    void ticksAreRoundAndDoNotCrowd() {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, pixels);
        const QFontMetricsF metrics{QFont()};
        const TickSet set = costTicks({min, max}, pixels, metrics, English);
        QVERIFY(!set.ticks.empty());
        const double mantissa = set.step / std::pow(10.0, std::floor(std::log10(set.step)));
        QVERIFY2(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9,
                 qPrintable(QString::number(set.step)));
        for (std::size_t i = 0; i < set.ticks.size(); ++i) {
            const Tick& tick = set.ticks[i];
            QVERIFY(tick.value >= min - set.step * 1e-6 && tick.value <= max + set.step * 1e-6);
            if (i == 0) continue;
            const double apart = (tick.value - set.ticks[i - 1].value) / (max - min) * pixels;
            const double halves =
                (metrics.horizontalAdvance(tick.text) + metrics.horizontalAdvance(set.ticks[i - 1].text)) / 2;
            QVERIFY2(apart > halves, qPrintable(tick.text));
        }
    }

    void degenerateRangesHaveNoTicks() {
        const QFontMetricsF metrics{QFont()};
        QVERIFY(costTicks({5, 5}, 300, metrics, English).ticks.empty());
        QVERIFY(costTicks({0, qInf()}, 300, metrics, English).ticks.empty());
        QVERIFY(costTicks({0, 100}, 0, metrics, English).ticks.empty());
    }

    void zoomDrags_data() {
        QTest::addColumn<QPointF>("delta");
        QTest::addColumn<ZoomDrag>("judged");
        QTest::newRow("down right") << QPointF(50, 50) << ZoomDrag::ZoomIn;
        QTest::newRow("just over the threshold") << QPointF(17, 17) << ZoomDrag::ZoomIn;
        QTest::newRow("16 across") << QPointF(16, 50) << ZoomDrag::Nothing;
        QTest::newRow("16 down") << QPointF(50, 16) << ZoomDrag::Nothing;
        QTest::newRow("10 by 50") << QPointF(10, 50) << ZoomDrag::Nothing;
        QTest::newRow("up left") << QPointF(-50, -50) << ZoomDrag::Restore;
        QTest::newRow("up right") << QPointF(50, -50) << ZoomDrag::Restore;
        QTest::newRow("down left") << QPointF(-50, 50) << ZoomDrag::Restore;
        QTest::newRow("small up left") << QPointF(-10, -50) << ZoomDrag::Nothing;
    }
    void zoomDrags() {
        QFETCH(QPointF, delta);
        QFETCH(ZoomDrag, judged);
        const QPointF from(100, 80);
        QCOMPARE(judgeZoomDrag(from, from + delta), judged);
    }

    void zoomAnimatesAThirdOfTheRemainingWayEachStep() {
        const ViewRanges from{{0, 90}, {-0.5, 8.5}};
        const ViewRanges to{{30, 60}, {2, 5}};
        const auto frames = zoomFrames(from, to);
        QCOMPARE(frames.size(), std::size_t{8});
        ViewRanges previous = from;
        for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
            const ViewRanges& frame = frames[i];
            QCOMPARE(frame.value.min, previous.value.min + (to.value.min - previous.value.min) / 3);
            QCOMPARE(frame.value.max, previous.value.max + (to.value.max - previous.value.max) / 3);
            QCOMPARE(frame.category.min, previous.category.min + (to.category.min - previous.category.min) / 3);
            QCOMPARE(frame.category.max, previous.category.max + (to.category.max - previous.category.max) / 3);
            QVERIFY(!(frame == to));
            previous = frame;
        }
        QCOMPARE(frames.back(), to);
    }

    void mappingZoomsAndScrolls() {
        const PlotMapping map(QRectF(100, 20, 200, 300), {{0, 1000}, {-0.5, 9.5}});
        QCOMPARE(map.x(500), 200.0);
        QCOMPARE(map.y(-0.5), 20.0);  // the first position at the top
        QCOMPARE(map.y(9.5), 320.0);
        const ViewRanges shown = map.rangesShowing(QRectF(QPointF(150, 50), QPointF(250, 110)));
        QCOMPARE(shown.value, (AxisRange{250, 750}));
        QCOMPARE(shown.category, (AxisRange{0.5, 2.5}));
        const ViewRanges moved = map.scrolledBy(QPointF(20, -30));
        QCOMPARE(moved.value, (AxisRange{-100, 900}));
        QCOMPARE(moved.category, (AxisRange{0.5, 10.5}));
    }

    void zoomingStopsShortOfNothing() {
        const PlotMapping map(QRectF(0, 0, 200, 200), {{1000, 1000 + 1e-7}, {3, 3 + 1e-5}});
        const ViewRanges shown = map.rangesShowing(QRectF(10, 10, 50, 50));
        QVERIFY(shown.value.span() >= MinimumValueSpan * 0.999);
        QVERIFY(shown.category.span() >= MinimumCategorySpan * 0.999);
        QVERIFY(shown.value.min < 1000 + 1e-7 && shown.value.max > 1000);
    }

    void theCostAxisCoversEveryBarAndItsMark_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QSize>("size");
        QTest::newRow("sample") << QList<double>{1315, 914, 990, 1585, 1358, 1705} << QSize(393, 353);
        QTest::newRow("negative") << QList<double>{-350, 200, 1200} << QSize(393, 353);
        QTest::newRow("all zero") << QList<double>{0, 0} << QSize(393, 353);
        QTest::newRow("one huge") << QList<double>{1e9, 1} << QSize(393, 353);
        QTest::newRow("small window") << QList<double>{1225, 40} << QSize(200, 150);
        QTest::newRow("not numbers") << QList<double>{qQNaN(), qInf(), 300} << QSize(393, 353);
    }
    void theCostAxisCoversEveryBarAndItsMark() {
        QFETCH(QList<double>, values);
        QFETCH(QSize, size);
        BarSeries series;
        series.setLocale(Czech);
        for (double v : values) series.AddBar(v, "EUROTEL-Ekonom", fees::AutomaticColour);
        TextWidths widths{QFont()};
        const ChartLayout layout(size, widths, series);
        const ViewRanges& following = layout.following();
        QCOMPARE(following.category, (AxisRange{-0.5, values.size() - 0.5}));
        QVERIFY(layout.front().right() + layout.depth() <= size.width());
        for (int i = 0; i < series.count(); ++i) {
            const double v = values[i];
            if (!std::isfinite(v)) continue;
            QVERIFY(following.value.min <= std::min(0.0, v));
            QVERIFY(following.value.max >= v);
            const QRectF mark = layout.markRect(i);
            QVERIFY2(mark.left() >= layout.front().left() - 0.5 && mark.right() <= layout.front().right() + 0.5,
                     qPrintable(QStringLiteral("mark %1 at %2..%3").arg(i).arg(mark.left()).arg(mark.right())));
            QVERIFY(!mark.intersects(layout.barFront(i)));
        }
    }

    void theCostAxisLabelsBothEndsWithinTheChart_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("sample, 100 minutes at peak")
            << QList<double>{1080, 751, 990, 1190, 1280, 1150, 796, 1290, 1300, 1250};
        QTest::newRow("no tariffs") << QList<double>{};
        QTest::newRow("huge") << QList<double>{1e300, 2.5e299};
    }
    void theCostAxisLabelsBothEndsWithinTheChart() {
        QFETCH(QList<double>, values);
        BarSeries series;
        series.setLocale(Czech);
        for (double v : values) series.AddBar(v, "EUROTEL-Pøedplaený Kredit", fees::AutomaticColour);
        TextWidths widths(desktop::programFont());
        const QSizeF size(393, 353);
        const ChartLayout layout(size, widths, series);
        const std::vector<Tick>& ticks = layout.ticks().ticks;
        QVERIFY(ticks.size() >= 2);
        QCOMPARE(ticks.front().value, layout.following().value.min);
        QCOMPARE(ticks.back().value, layout.following().value.max);
        for (const Tick& tick : ticks) {
            const double x = layout.mapping().x(tick.value);
            const double half = widths.metrics().horizontalAdvance(tick.text) / 2;
            // A pixel to spare: the tick line lands on a whole pixel.
            QVERIFY2(x - half >= 1 && x + half <= size.width() - 1, qPrintable(tick.text));
        }
    }

    void longLabelsAreElidedWithinTheirColumn() {
        BarSeries series;
        series.AddBar(100, "EUROTEL-Ekonom", fees::AutomaticColour);
        series.AddBar(200, "EUROTEL-" + std::string(120, 'W'), fees::AutomaticColour);
        TextWidths widths{QFont()};
        const ChartLayout layout(QSizeF(393, 353), widths, series);
        QVERIFY(layout.labelColumnWidth() <= 393 * ChartLayout::LabelColumnShare);
        QCOMPARE(layout.labelText(0), QStringLiteral("EUROTEL-Ekonom"));
        const QString elided = layout.labelText(1);
        QVERIFY2(elided.endsWith(QChar(0x2026)) && elided.startsWith(QStringLiteral("EUROTEL-W")), qPrintable(elided));
        QVERIFY(widths.metrics().horizontalAdvance(elided) <= layout.labelColumnWidth());
        QVERIFY(layout.labelRect(1).right() < layout.front().left());
    }

    void crowdedBarsScrollAndEveryOneKeepsItsLabel_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("ten") << 10 << false;
        QTest::newRow("forty") << 40 << true;
        QTest::newRow("thousand") << 1000 << true;
    }
    void crowdedBarsScrollAndEveryOneKeepsItsLabel() {
        QFETCH(int, count);
        QFETCH(bool, scrolls);
        BarSeries series;
        for (int i = 0; i < count; ++i) series.AddBar(i, "P-T", fees::AutomaticColour);
        TextWidths widths{QFont()};
        constexpr double ScrollBar = 15;
        ChartLayout layout(QSizeF(393, 353), widths, series, ScrollBar);
        QCOMPARE(layout.scrolls(), scrolls);
        QCOMPARE(layout.labelEvery(), 1);
        QVERIFY(layout.labelRect(1).top() - layout.labelRect(0).top() >= widths.metrics().height() + 1);
        QCOMPARE(layout.firstVisible(), 0);
        QVERIFY(layout.lastVisible() < std::min(count, layout.shownBars() + 1));
        if (scrolls) {
            QVERIFY(layout.scrollBarRect().left() >= layout.front().right() + layout.depth());
            QCOMPARE(layout.scrollBarRect().right(), 393.0);
            QVERIFY(layout.scrollBarRect().bottom() <= layout.front().bottom() + 1);
        }
        // Scrolled to the end, the last bar stands at the bottom of the plot.
        layout.setView(layout.followingFrom(count));
        QCOMPARE(layout.lastVisible(), count - 1);
        QVERIFY(layout.barFront(count - 1).bottom() <= layout.front().bottom());
        // Zoomed in on ten bars, only those near the view are painted.
        layout.setView({layout.following().value, {99.5, 109.5}});
        if (count == 1000) {
            QCOMPARE(layout.labelEvery(), 1);
            QVERIFY(layout.firstVisible() >= 99 && layout.lastVisible() <= 110);
        }
    }

    void hitTestsFindTheRowUnderThePointer() {
        BarSeries series = seriesOf({1000, 500});
        TextWidths widths{QFont()};
        const ChartLayout layout(QSizeF(393, 353), widths, series);
        const QRectF first = layout.barFront(0);
        const QRectF second = layout.barFront(1);
        QCOMPARE(layout.barAt(first.center()), 0);
        QCOMPARE(layout.barAt(second.center()), 1);
        QCOMPARE(layout.barAt(layout.markRect(1).center()), 1);
        QCOMPARE(layout.barAt(layout.labelRect(0).center()), 0);
        QCOMPARE(layout.barAt(QPointF(second.right() + layout.markRect(1).width() + 20, second.center().y())), -1);
        QCOMPARE(layout.barAt(QPointF(first.center().x(), (first.bottom() + second.top()) / 2)), -1);
    }
};

QTEST_MAIN(ChartModelTest)
#include "ChartModelTest.moc"
