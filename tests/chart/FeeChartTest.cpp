// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>
#include <vector>

#include "GuiTesting.h"
#include "chart/ChartText.h"
#include "chart/FeeChart.h"
#include "fees/ComputeFees.h"
#include "fees/MonthlyCost.h"

using namespace hovorix;
using namespace hovorix::chart;

namespace {

const QLocale Czech(QStringLiteral("cs_CZ"));
const QLocale English(QStringLiteral("en_US"));

struct NewTariff {
    const char* provider;
    const char* name;
    double telephoneFee;
};

tariffs::TariffList tariffList(std::initializer_list<NewTariff> entries) {
    tariffs::TariffList list(tariffs::CalculatorDefaults);
    for (const NewTariff& entry : entries) {
        tariffs::Tarifs& t = list.append();
        t.provider = entry.provider;
        t.name = entry.name;
        t.telephoneFee = entry.telephoneFee;
        t.zone(tariffs::Zone::JTS) = {5, 0};
    }
    return list;
}

// A chart of the results page's size on screen, with the given locale's separators.
struct ShownChart {
    explicit ShownChart(const QLocale& locale = English) {
        chart.setRegionalSettings(desktop::RegionalSettings(locale));
        chart.resize(393, 353);
        chart.show();
    }
    FeeChart chart;
};

QImage render(FeeChart& chart, qreal ratio) {
    QImage image(chart.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    chart.render(&image);
    return image;
}

// The pixel at a point in widget coordinates.
QColor pixel(const QImage& image, QPointF point) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(point.x() * ratio), static_cast<int>(point.y() * ratio));
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QColor& c) { return c.name(); }

// The zoom animation's frames, each at once as if its time had come; false
// when it does not end within the frames it has.
bool finishZoom(FeeChart& chart) {
    auto* frames = chart.findChild<QTimer*>(QStringLiteral("zoomTimer"));
    for (int frame = 0; frames && frame <= ZoomIntermediateViews && chart.isZoomAnimating(); ++frame) {
        guitest::expire(*frames);
    }
    return !chart.isZoomAnimating();
}

void leftDrag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

}  // namespace

class FeeChartTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QToolTip::hideText(); }

    void barsStandInFileOrderWithTheirColoursFromWhite_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ordinary screen") << qreal(1);
        QTest::newRow("HiDPI screen") << qreal(2);
    }
    void barsStandInFileOrderWithTheirColoursFromWhite() {
        QFETCH(qreal, ratio);
        ShownChart shown;
        FeeChart& chart = shown.chart;
        // Costs deliberately unsorted: the bars must not follow them.
        const std::vector<double> costs = {300, 100, 200, 250, 50, 120, 90,  310, 60,
                                           150, 220, 80,  170, 40, 260, 130, 280};
        for (std::size_t i = 0; i < costs.size(); ++i)
            chart.Series1().AddBar(costs[i], "T-" + std::to_string(i), fees::AutomaticColour);
        const QImage image = render(chart, ratio);

        const std::vector<std::pair<int, QColor>> expected = {{0, QColor::fromRgb(0xFF0000)},
                                                              {1, QColor::fromRgb(0x008000)},
                                                              {2, QColor::fromRgb(0xFFFF00)},
                                                              {3, QColor::fromRgb(0x0000FF)},
                                                              {16, QColor::fromRgb(0xFF0000)}};
        for (const auto& [index, colour] : expected) {
            const QRectF bar = chart.barRect(index);
            const QColor end = pixel(image, {bar.right() - 2, bar.center().y()});
            QVERIFY2(near(end, colour, 40),
                     qPrintable(QStringLiteral("bar %1 ends in %2").arg(index).arg(describe(end))));
            const QColor base = pixel(image, {bar.left() + 1.5, bar.center().y()});
            QVERIFY2(near(base, Qt::white, 24),
                     qPrintable(QStringLiteral("bar %1 starts in %2").arg(index).arg(describe(base))));
        }
        for (std::size_t i = 1; i < costs.size(); ++i) {
            const QRectF above = chart.barRect(static_cast<int>(i - 1));
            const QRectF bar = chart.barRect(static_cast<int>(i));
            QVERIFY(bar.top() > above.bottom());
            QVERIFY(std::abs(bar.width() / chart.barRect(0).width() - costs[i] / costs[0]) < 0.01);
        }
    }

    void anEndlessCostRunsToThePlotsEdgeInItsColour() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        chart.Series1().AddBar(300, "T-0", fees::AutomaticColour);
        chart.Series1().AddBar(qInf(), "T-1", fees::AutomaticColour);
        chart.Series1().AddBar(1e300, "T-2", fees::AutomaticColour);
        const QImage image = render(chart, 1);
        const QRectF bar = chart.barRect(1);
        QCOMPARE(bar.right(), chart.plotArea().right());
        const QColor end = pixel(image, {bar.right() - 2, bar.center().y()});
        QVERIFY2(near(end, QColor::fromRgb(0x008000), 40), qPrintable(describe(end)));
        QCOMPARE(chart.barText(1), QString::fromUtf8("T-1: ∞"));
        QCOMPARE(chart.barText(2), QStringLiteral("T-2: 1E300"));
    }

    void anEmptyChartShowsItsWallsOnThePanelColour() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        chart.Series1().ClearBars();
        const QImage image = render(chart, 1);
        const QRectF plot = chart.plotArea();
        const double depth = plot.top();  // the back wall reaches the top edge
        QCOMPARE(pixel(image, {plot.left() + depth / 2, plot.center().y()}), QColor::fromRgb(0xFFFF80));
        QCOMPARE(pixel(image, {plot.center().x() + 3, plot.bottom() - depth / 2}), QColor::fromRgb(0xFFFFFF));
        QCOMPARE(pixel(image, {1, 1}), chart.palette().color(QPalette::Window));
        QCOMPARE(pixel(image, {chart.width() - 2.0, plot.center().y()}), chart.palette().color(QPalette::Window));
    }

    void aFeeRunReplacesAllBars() {
        ShownChart shown(Czech);
        FeeChart& chart = shown.chart;
        const tariffs::TariffList first =
            tariffList({{"A", "1", 10}, {"B", "2", 20}, {"C", "3", 30}, {"D", "4", 40}, {"E", "5", 50}});
        const tariffs::TariffList second = tariffList({{"EUROTEL", "Ekonom", 1225}, {"PAEGAS", "Start", 0}});
        fees::UsageProfile usage;
        fees::ComputeFees(usage, first, chart.Series1());
        usage.count(tariffs::Zone::JTS) = 3;
        fees::ComputeFees(usage, second, chart.Series1());
        QCOMPARE(chart.series().count(), 2);
        QCOMPARE(chart.series().bars()[0].label, QStringLiteral("EUROTEL-Ekonom"));
        QCOMPARE(chart.series().bars()[1].position, 1.0);
        QCOMPARE(chart.series().bars()[1].value, 15.0);
        QCOMPARE(chart.series().bars()[1].colour, QColor::fromRgb(0x008000));
        QVERIFY(chart.barRect(2).isNull());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
        QCOMPARE(accessible->childCount(), 2);
    }

    void marksFollowTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("name");
        QTest::newRow("Czech") << Czech
                               << QStringLiteral("EUROTEL-Ekonom: 1") + Czech.groupSeparator() +
                                      QStringLiteral("225,00");
        QTest::newRow("English") << English << QStringLiteral("EUROTEL-Ekonom: 1,225.00");
    }
    void marksFollowTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, name);
        ShownChart shown(English);
        FeeChart& chart = shown.chart;
        chart.Series1().AddBar(1225, "EUROTEL-Ekonom", fees::AutomaticColour);
        chart.setRegionalSettings(desktop::RegionalSettings(locale));  // after the bars: they follow
        QCOMPARE(chart.barText(0), name);
    }

    void accessibleChildrenReadEveryBar() {
        ShownChart shown(Czech);
        FeeChart& chart = shown.chart;
        fees::ComputeFees(fees::UsageProfile{},
                          tariffList({{"PAEGAS", "Start", 290}, {"EUROTEL", "Ekonom", 1225}, {"OSKAR", "Go", 290}}),
                          chart.Series1());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Chart);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Poplatky"));
        QCOMPARE(accessible->text(QAccessible::Description),
                 QString::fromUtf8("Nejlevnější: PAEGAS-Start, OSKAR-Go (290,00)"));
        QCOMPARE(accessible->childCount(), 3);
        const QString group = Czech.groupSeparator();
        const QStringList names = {QStringLiteral("PAEGAS-Start: 290,00"),
                                   QStringLiteral("EUROTEL-Ekonom: 1") + group + QStringLiteral("225,00"),
                                   QStringLiteral("OSKAR-Go: 290,00")};
        for (int i = 0; i < 3; ++i) {
            QAccessibleInterface* bar = accessible->child(i);
            QVERIFY(bar && bar->isValid());
            QCOMPARE(bar->text(QAccessible::Name), names[i]);
            QCOMPARE(bar->parent(), accessible);
            QCOMPARE(accessible->indexOfChild(bar), i);
            QCOMPARE(accessible->child(i), bar);  // made once, not per question
        }
        QAccessibleInterface* last = accessible->child(2);
        chart.Series1().ClearBars();
        QCOMPARE(accessible->childCount(), 0);
        QVERIFY(!last->isValid());
        QCOMPARE(accessible->text(QAccessible::Description), QString::fromUtf8("Žádné tarify"));
    }

    // The tariff the user has now: a mark beside its cost, inside the chart
    // also on the costliest bar or an endless one, said in its description;
    // the bars keep their order, colours and labels.
    void theCurrentTariffIsMarkedBesideItsCost_data() {
        QTest::addColumn<int>("marked");
        QTest::newRow("a bar in the middle") << 1;
        QTest::newRow("the costliest bar") << 2;
        QTest::newRow("an endless cost") << 3;
    }
    void theCurrentTariffIsMarkedBesideItsCost() {
        QFETCH(int, marked);
        ShownChart shown(Czech);
        FeeChart& chart = shown.chart;
        for (const double cost : {300.0, 1200.0, 1500.0, qInf()}) {
            chart.Series1().AddBar(cost, "T-" + std::to_string(chart.series().count()), fees::AutomaticColour);
        }
        const std::vector<Bar> before = chart.series().bars();
        QVERIFY(chart.markerRect().isEmpty());
        chart.setMarkedBar(marked);
        const QImage image = render(chart, 1);
        const QRectF marker = chart.markerRect();
        QVERIFY(QRectF(chart.rect()).contains(marker));
        // Within its bar's row.
        QVERIFY(marker.top() >= chart.barRect(marked - 1).bottom());
        if (marked + 1 < chart.series().count()) QVERIFY(marker.bottom() <= chart.barRect(marked + 1).top());
        // Drawn: dark pixels of the triangle and the word.
        const QImage drawn = image.copy(marker.toAlignedRect());
        int dark = 0;
        for (int p = 0; p < drawn.width() * drawn.height(); ++p)
            dark += drawn.pixelColor(p % drawn.width(), p / drawn.width()).value() < 80;
        QVERIFY2(dark > 10, qPrintable(QString::number(dark)));
        for (std::size_t i = 0; i < before.size(); ++i) {
            QCOMPARE(chart.series().bars()[i].label, before[i].label);
            QCOMPARE(chart.series().bars()[i].colour, before[i].colour);
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
        for (int i = 0; i < chart.series().count(); ++i) {
            QCOMPARE(
                accessible->child(i)->text(QAccessible::Description).contains(QString::fromUtf8("váš současný tarif")),
                i == marked);
        }
        chart.Series1().ClearBars();
        QVERIFY(chart.markerRect().isEmpty());
    }

    void ctrlCCopiesTheResultsForASpreadsheet() {
        ShownChart shown(Czech);
        FeeChart& chart = shown.chart;
        chart.Series1().AddBar(1225, "EUROTEL-Ekonom", fees::AutomaticColour);
        chart.Series1().AddBar(0.5, "PAEGAS-Bus\xECness", fees::AutomaticColour);
        chart.Series1().AddBar(7, "Tab\tand\nline", fees::AutomaticColour);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        chart.setFocus();
        QTest::keyClick(&chart, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromUtf8("EUROTEL-Ekonom\t1225,00\nPAEGAS-Busěness\t0,50\nTab and line\t7,00\n"));
    }

    void keysZoomTheCostAxisAndGoBackOneZoomAtATime() {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        };
        const Key plus{Qt::Key_Plus};
        const Key minus{Qt::Key_Minus};
        const Key zero{Qt::Key_0};
        const struct {
            const char* name;
            bool dragFirst;  // a mouse zoom before the keys
            std::vector<Key> keys;
            double span;  // of the costs shown, as a share of the span before the keys; 0: following the bars
        } cases[] = {
            {"+ halves", false, {plus}, 0.5},
            {"+ + quarters", false, {plus, plus}, 0.25},
            {"the keypad's +", false, {{Qt::Key_Plus, Qt::KeypadModifier}}, 0.5},
            {"+ typed with Shift", false, {{Qt::Key_Plus, Qt::ShiftModifier}}, 0.5},
            {"Ctrl++ is no zoom key", false, {{Qt::Key_Plus, Qt::ControlModifier}}, 0},
            {"+ - goes back", false, {plus, minus}, 0},
            {"+ + - goes back one", false, {plus, plus, minus}, 0.5},
            {"- with nothing to undo", false, {minus}, 0},
            {"0 shows it all", false, {plus, plus, zero}, 0},
            {"the keypad's 0", false, {plus, {Qt::Key_0, Qt::KeypadModifier}}, 0},
            {"+ after the mouse's zoom", true, {plus}, 0.5},
            {"- back to the mouse's zoom", true, {plus, minus}, 1},
            {"- back from the mouse's zoom", true, {plus, minus, minus}, 0},
        };
        for (const auto& c : cases) {
            ShownChart shown;
            FeeChart& chart = shown.chart;
            for (int i = 0; i < 10; ++i) chart.Series1().AddBar(100.0 * (i + 1), "T", fees::AutomaticColour);
            chart.activateWindow();
            chart.setFocus();
            QVERIFY(QTest::qWaitForWindowActive(&chart));
            const ViewRanges following = chart.visibleRanges();
            if (c.dragFirst) {
                const QPoint from = chart.plotArea().topLeft().toPoint() + QPoint(40, 20);
                leftDrag(&chart, from, from + QPoint(150, 120));
                QVERIFY(finishZoom(chart));
            }
            const ViewRanges before = chart.visibleRanges();
            for (const Key& key : c.keys) QTest::keyClick(&chart, key.key, key.modifiers);
            QVERIFY2(!chart.isZoomAnimating(), c.name);
            const ViewRanges now = chart.visibleRanges();
            if (c.span == 0) {
                QVERIFY2(chart.followsBars(), c.name);
                QVERIFY2(now == following, c.name);
                continue;
            }
            QVERIFY2(!chart.followsBars(), c.name);
            // The cost axis only, from the same lowest cost.
            QVERIFY2(std::abs(now.value.span() - c.span * before.value.span()) < 1e-9 * before.value.span(), c.name);
            QVERIFY2(std::abs(now.value.min - before.value.min) < 1e-9 * before.value.span(), c.name);
            QVERIFY2(now.category == before.category, c.name);
        }
    }

    void theDescriptionNamesAtMostFiveOfTheCheapest() {
        const struct {
            std::vector<double> costs;
            const char* description;
        } cases[] = {
            {{300, 100, 200}, "Nejlevnější: T-1 (100,00)"},
            {{100, 100.004, 100.001, 100.01}, "Nejlevnější: T-0, T-1, T-2 (100,00)"},
            {std::vector<double>(6, 50), "Nejlevnější: T-0, T-1, T-2, T-3, T-4 a 1 další (50,00)"},
            {std::vector<double>(9, 50), "Nejlevnější: T-0, T-1, T-2, T-3, T-4 a 4 další (50,00)"},
            {std::vector<double>(300, 50), "Nejlevnější: T-0, T-1, T-2, T-3, T-4 a 295 dalších (50,00)"},
        };
        for (const auto& c : cases) {
            ShownChart shown(Czech);
            FeeChart& chart = shown.chart;
            for (std::size_t i = 0; i < c.costs.size(); ++i) {
                chart.Series1().AddBar(c.costs[i], "T-" + std::to_string(i), fees::AutomaticColour);
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
            QCOMPARE(accessible->text(QAccessible::Description), QString::fromUtf8(c.description));
        }
    }

    void aTariffFileWithoutTariffsIsSaidInsteadOfAnEmptyGrid() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        const QString said = QString::fromUtf8("Soubor tarif.ini neobsahuje žádné tarify.");
        chart.setEmptyText(said);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
        QCOMPARE(accessible->text(QAccessible::Description), said);
        const auto wallAndText = [&chart] {
            const QImage image = render(chart, 1);
            bool wall = false;
            bool text = false;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor colour = image.pixelColor(x, y);
                    wall = wall || colour == QColor::fromRgb(0xFFFF80);
                    text = text || (y > image.height() / 3 && y < 2 * image.height() / 3 && colour.value() < 80);
                }
            }
            return std::pair{wall, text};
        };
        QCOMPARE(wallAndText(), std::pair(false, true));

        // Bars once there are tariffs: the chart as always.
        chart.setEmptyText({});
        chart.Series1().AddBar(100, "A-One", fees::AutomaticColour);
        QCOMPARE(wallAndText().first, true);
        QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Nejlevnější: A-One (100.00)"));
    }

    void zoomAndRestoreFollowTheDrag_data() {
        QTest::addColumn<bool>("zoomedBefore");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("zoom") << false << QPoint(120, 90) << "zoom";
        QTest::newRow("10 by 50 does nothing") << false << QPoint(10, 50) << "same";
        QTest::newRow("50 by 10 does nothing") << false << QPoint(50, 10) << "same";
        QTest::newRow("16 by 16 does nothing") << false << QPoint(16, 16) << "same";
        QTest::newRow("zoom again") << true << QPoint(60, 60) << "zoom";
        QTest::newRow("up left restores") << true << QPoint(-50, -50) << "restore";
        QTest::newRow("up right restores") << true << QPoint(50, -50) << "restore";
        QTest::newRow("small up left after zoom does nothing") << true << QPoint(-50, -16) << "same";
        QTest::newRow("up left before any zoom") << false << QPoint(-50, -50) << "restore";
    }
    void zoomAndRestoreFollowTheDrag() {
        QFETCH(bool, zoomedBefore);
        QFETCH(QPoint, delta);
        QFETCH(QString, outcome);
        ShownChart shown;
        FeeChart& chart = shown.chart;
        for (int i = 0; i < 10; ++i)
            chart.Series1().AddBar(100.0 * (i + 1), "T-" + std::to_string(i), fees::AutomaticColour);
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const ViewRanges following = chart.visibleRanges();
        const QPoint centre = chart.plotArea().center().toPoint();
        if (zoomedBefore) {
            leftDrag(&chart, centre - QPoint(100, 100), centre + QPoint(40, 40));
            QVERIFY(finishZoom(chart));
            QVERIFY(!chart.followsBars());
        }
        const ViewRanges before = chart.visibleRanges();
        const QRectF plot = chart.plotArea();
        const QPoint from = centre - QPoint(40, 40);
        leftDrag(&chart, from, from + delta);
        if (outcome == "zoom") {
            QVERIFY(chart.isZoomAnimating());
            QVERIFY(finishZoom(chart));
            auto value = [&](double x) {
                return before.value.min + (x - plot.left()) / plot.width() * before.value.span();
            };
            auto position = [&](double y) {
                return before.category.min + (y - plot.top()) / plot.height() * before.category.span();
            };
            const ViewRanges now = chart.visibleRanges();
            QVERIFY(std::abs(now.value.min - value(from.x())) < 1e-9 * before.value.span());
            QVERIFY(std::abs(now.value.max - value(from.x() + delta.x())) < 1e-9 * before.value.span());
            QVERIFY(std::abs(now.category.min - position(from.y())) < 1e-9);
            QVERIFY(std::abs(now.category.max - position(from.y() + delta.y())) < 1e-9);
            QVERIFY(!chart.followsBars());
        } else if (outcome == "restore") {
            QVERIFY(chart.followsBars());
            QCOMPARE(chart.visibleRanges(), following);
        } else {
            QCOMPARE(chart.visibleRanges(), before);
            QCOMPARE(chart.followsBars(), !zoomedBefore);
        }
    }

    void zoomPassesThroughSevenViewsBeforeTheTarget() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        for (int i = 0; i < 10; ++i) chart.Series1().AddBar(100.0 * (i + 1), "T", fees::AutomaticColour);
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QPoint from = chart.plotArea().topLeft().toPoint() + QPoint(20, 20);
        const ViewRanges before = chart.visibleRanges();
        leftDrag(&chart, from, from + QPoint(100, 100));
        QCOMPARE(chart.visibleRanges(), before);  // nothing moves before the first frame
        auto* frames = chart.findChild<QTimer*>(QStringLiteral("zoomTimer"));
        QVERIFY(frames);
        std::vector<ViewRanges> seen;
        while (seen.size() <= ZoomIntermediateViews && guitest::expire(*frames)) seen.push_back(chart.visibleRanges());
        QCOMPARE(seen.size(), std::size_t{ZoomIntermediateViews + 1});
        QVERIFY(!chart.isZoomAnimating());
        // Each view moves the lower cost limit a third of what remains.
        const double target = seen.back().value.min;
        double expected = before.value.min;
        for (std::size_t i = 0; i + 1 < seen.size(); ++i) {
            expected += (target - expected) / 3;
            QVERIFY(std::abs(seen[i].value.min - expected) < 1e-9);
        }
    }

    void rightDragScrollsUntilThePointerLeavesThePlot() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        for (int i = 0; i < 10; ++i) chart.Series1().AddBar(100.0 * (i + 1), "T", fees::AutomaticColour);
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QRectF plot = chart.plotArea();
        const ViewRanges before = chart.visibleRanges();
        const QPoint start = plot.center().toPoint();
        QTest::mousePress(&chart, Qt::RightButton, Qt::NoModifier, start);
        QTest::mouseMove(&chart, start + QPoint(30, 20));
        const ViewRanges moved = chart.visibleRanges();
        QVERIFY(std::abs(moved.value.min - (before.value.min - 30 / plot.width() * before.value.span())) < 1e-9);
        QVERIFY(std::abs(moved.category.min - (before.category.min - 20 / plot.height() * before.category.span())) <
                1e-9);
        QCOMPARE(moved.value.span(), before.value.span());
        QVERIFY(!chart.followsBars());
        QTest::mouseMove(&chart, QPoint(static_cast<int>(plot.right()) + 5, start.y()));
        QTest::mouseMove(&chart, start);
        QTest::mouseRelease(&chart, Qt::RightButton, Qt::NoModifier, start);
        QCOMPARE(chart.visibleRanges(), moved);
    }

    void theViewSurvivesFeeRunsUntilRestored() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        const tariffs::TariffList list = tariffList({{"A", "1", 100}, {"B", "2", 900}, {"C", "3", 400}});
        fees::ComputeFees(fees::UsageProfile{}, list, chart.Series1());
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const ViewRanges following = chart.visibleRanges();
        const QPoint from = chart.plotArea().topLeft().toPoint() + QPoint(30, 30);
        leftDrag(&chart, from, from + QPoint(80, 80));
        QVERIFY(finishZoom(chart));
        const ViewRanges zoomed = chart.visibleRanges();
        fees::UsageProfile usage;
        usage.count(tariffs::Zone::JTS) = 500;
        fees::ComputeFees(usage, list, chart.Series1());
        QCOMPARE(chart.visibleRanges(), zoomed);
        leftDrag(&chart, from + QPoint(80, 80), from);
        QVERIFY(chart.followsBars());
        QVERIFY(chart.visibleRanges().value.max > following.value.max);  // follows the new, dearer bars
    }

    void hoveringABarShowsItsBreakdownAndElsewhereTheHint() {
        ShownChart shown(Czech);
        FeeChart& chart = shown.chart;
        tariffs::TariffList list = tariffList({{"EUROTEL", "Ekonom", 400}, {"PAEGAS", "Start", 290}});
        list.seek(1).minimumCharge = 800;
        fees::UsageProfile usage;
        usage.count(tariffs::Zone::JTS) = 10;
        fees::ComputeFees(usage, list, chart.Series1());
        chart.setBarDetails([&](int index) -> std::optional<fees::CostBreakdown> {
            return fees::costBreakdown(list.seek(static_cast<std::size_t>(index)), usage);
        });
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        auto hover = [&](QPointF at) {
            QHelpEvent help(QEvent::ToolTip, at.toPoint(), chart.mapToGlobal(at.toPoint()));
            QApplication::sendEvent(&chart, &help);
            return QToolTip::text();
        };
        const QString first = hover(chart.barRect(0).center());
        QVERIFY2(first.contains(QStringLiteral("EUROTEL-Ekonom")), qPrintable(first));
        QVERIFY(first.contains(QString::fromUtf8("Paušál za telefon")));
        QVERIFY(first.contains(QString::fromUtf8("Volání do pevné sítě")));
        QVERIFY(first.contains(QStringLiteral("450,00")));
        QVERIFY(!first.contains(QString::fromUtf8("minimální")));
        const QString second = hover(chart.barRect(1).center());
        QVERIFY(second.contains(QString::fromUtf8("Uplatněno minimální měsíční plnění")));
        QVERIFY(second.contains(QStringLiteral("800,00")));
        QToolTip::hideText();
        const QPointF empty(chart.plotArea().right() - 5, chart.plotArea().bottom() - 5);
        QCOMPARE(hover(empty), FeeChart::hint());
    }

    void upAndDownWalkThroughTheBars() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        for (int i = 0; i < 5; ++i) chart.Series1().AddBar(10.0 * i, "T-" + std::to_string(i), fees::AutomaticColour);
        chart.activateWindow();
        chart.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&chart));
        struct Step {
            Qt::Key key;
            int current;
        };
        const Step steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1},
                              {Qt::Key_End, 4},  {Qt::Key_Down, 4}, {Qt::Key_Home, 0}, {Qt::Key_Up, 0}};
        for (const Step& step : steps) {
            QTest::keyClick(&chart, step.key);
            QCOMPARE(chart.currentBar(), step.current);
            QVERIFY(QToolTip::text().contains(QStringLiteral("T-%1").arg(step.current)));
        }
        chart.Series1().ClearBars();
        QCOMPARE(chart.currentBar(), -1);
    }

    void walkingOutOfAZoomedViewScrollsTheBarIn() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        for (int i = 0; i < 30; ++i) chart.Series1().AddBar(10.0 * i, "T", fees::AutomaticColour);
        chart.activateWindow();
        chart.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&chart));
        const QPoint from = chart.plotArea().topLeft().toPoint() + QPoint(10, 2);
        leftDrag(&chart, from, from + QPoint(200, 60));
        QVERIFY(finishZoom(chart));
        QTest::keyClick(&chart, Qt::Key_End);
        const ViewRanges view = chart.visibleRanges();
        QVERIFY(view.category.min <= 29 && view.category.max >= 29);
    }

    void barsThatDoNotFitALineApartScrollUnderTheCostAxis() {
        ShownChart shown;
        FeeChart& chart = shown.chart;
        for (int i = 0; i < 40; ++i)
            chart.Series1().AddBar(10.0 * (i + 1), "T-" + std::to_string(i), fees::AutomaticColour);
        chart.activateWindow();
        chart.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&chart));
        QCoreApplication::processEvents();
        const QRectF plot = chart.plotArea();
        auto inView = [&](int index) { return plot.contains(chart.barRect(index)); };
        QVERIFY(chart.barRect(1).center().y() - chart.barRect(0).center().y() > chart.fontMetrics().height());
        QVERIFY(inView(0) && !inView(39));
        const auto* scrollBar = chart.findChild<QScrollBar*>();
        QVERIFY(scrollBar && scrollBar->isVisible() && scrollBar->maximum() > 0);
        const double span = chart.visibleRanges().category.span();

        // The wheel scrolls by a list's lines, the keyboard walk to the bar.
        QWheelEvent wheel(plot.center(), chart.mapToGlobal(plot.center()), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &wheel);
        QCOMPARE(chart.visibleRanges().category.min, QApplication::wheelScrollLines() - 0.5);
        QTest::keyClick(&chart, Qt::Key_End);
        QVERIFY(inView(39) && !inView(0));
        QCOMPARE(scrollBar->value(), scrollBar->maximum());

        // Zooming in there and back out stays with the bars scrolled to.
        const QPoint from = plot.topLeft().toPoint() + QPoint(10, 2);
        leftDrag(&chart, from, from + QPoint(200, 60));
        QVERIFY(finishZoom(chart));
        leftDrag(&chart, from + QPoint(200, 60), from);
        QVERIFY(chart.followsBars());
        QVERIFY(inView(39));
        QCOMPARE(chart.visibleRanges().category.span(), span);
    }
};

QTEST_MAIN(FeeChartTest)
#include "FeeChartTest.moc"
