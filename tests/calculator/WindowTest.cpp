// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QUrl>
#include <QWheelEvent>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "CalculatorTesting.h"
#include "ProgramIconChecks.h"

using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;
using Kind = ScriptedPrompter::Kind;

namespace {

std::unique_ptr<TTarifForm> startShown(Workspace& workspace) {
    workspace.write("tarif.ini", tariffFile({"provider A", "tarif One"}));
    auto form = workspace.start();
    EXPECT_NE(form, nullptr);
    if (form) {
        EXPECT_TRUE(showActive(*form));
    }
    return form;
}

// Whether one of Qt's image format plugins (gif, ico, jpeg, ...) is loaded.
bool imageFormatPluginLoaded() {
    std::ifstream maps("/proc/self/maps");
    const std::string loaded((std::istreambuf_iterator<char>(maps)), std::istreambuf_iterator<char>());
    return loaded.find("/imageformats/") != std::string::npos;
}

}  // namespace

TEST(Window, TheTabKeyGoesThroughTheFixedNetworkFirstAndTheCheckBoxesBeforeThePeriod) {
    Workspace workspace;
    const auto form = startShown(workspace);
    ASSERT_NE(form, nullptr);
    QTabBar* tabs = pageTabs(*form);
    ASSERT_EQ(QApplication::focusWidget(), tabs);

    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        visited << (focus == tabs ? QStringLiteral("tabs") : focus->objectName());
    }
    EXPECT_EQ(visited, QStringList({"JTS", "JTSMimo", "JTSNoc", "Pekac", "PekacMimo", "Eurotel", "EurotelMimo", "Fax",
                                    "Data", "Ostatni", "tabs"}));
    EXPECT_TRUE(workspace.prompter.interactions().empty());
}

TEST(Window, NoCaptionIsClippedByItsControl) {
    Workspace workspace;
    const auto form = startShown(workspace);
    ASSERT_NE(form, nullptr);

    // Each page as the user sees it: a page laid out by layouts has its
    // sizes once it has been shown, so "Volba tarifu" comes first.
    for (int page : {2, 0, 1}) {
        SCOPED_TRACE(page);
        clickTab(*form, page);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const guitest::CaptionFit fit = guitest::captionFit(*form);
        EXPECT_EQ(fit.clipped, QStringList{});
        // Every control lies inside its parent, but for content that scrolls.
        for (QWidget* widget : form->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(form.get()) || widget->parentWidget() == nullptr || widget->isWindow()) continue;
            if (qobject_cast<QScrollArea*>(widget->parentWidget()->parentWidget()) != nullptr) continue;
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
                << widget->objectName().toStdString();
        }
        // Labels with text, check boxes, groups, the period list; on "Volba
        // tarifu" the sentence, "Váš současný tarif:", "Jednorázové náklady
        // přechodu (Kč)", "Měnit:", "od", "do", the table's heading,
        // "Zvětšit graf", "Tisk…", "Uložit jako PDF…" and the lists "Váš
        // současný tarif:" and "Měnit:".
        EXPECT_EQ(fit.checked, 18 + 2 + 5 + 1 + 12);
    }
}

TEST(Window, TheAboutBoxLinksOpenTheirTargetsAndTheLogoDotDoesNothing) {
    const struct {
        const char* control;
        const char* target;  // empty: the click opens nothing
    } cases[] = {
        {"Label14", "mailto:hovorix@example.org"},
        {"Label15", "https://www.example.org/hovorix"},
        {"Label17", "https://www.example.org/hovorix/komunita"},
        {"Shape1", ""},
        {"Label11", ""},
    };
    for (const auto& c : cases) {
        Workspace workspace;
        const auto form = startShown(workspace);
        ASSERT_NE(form, nullptr);
        auto* control = child<QWidget>(*form, c.control);
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        const QStringList expected = *c.target ? QStringList{utf8(c.target)} : QStringList{};
        EXPECT_EQ(workspace.prompter.texts(Kind::Url), expected) << c.control;
        EXPECT_EQ(workspace.prompter.interactions().size(), static_cast<std::size_t>(expected.size())) << c.control;
        if (*c.target) {
            EXPECT_EQ(control->cursor().shape(), Qt::PointingHandCursor) << c.control;
            // The address the link names, in its caption or else in its
            // hint, is exactly where the click leads.
            const QString caption = qobject_cast<QLabel*>(control)->text();
            const QString shown = caption.contains(u'.') ? caption : control->toolTip();
            const QUrl url(utf8(c.target));
            const QString opened = url.scheme() == QStringLiteral("mailto") ? url.path() : url.host() + url.path();
            EXPECT_EQ(shown.section(u' ', -1), opened) << c.control;
        }
    }
}

TEST(Window, TheAboutBoxShowsItsPictures) {
    Workspace workspace;
    const auto form = startShown(workspace);
    ASSERT_NE(form, nullptr);
    for (const char* name : {"Image1", "Image2"}) {
        const QPixmap picture = child<QLabel>(*form, name)->pixmap();
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(32, 32)) << name;
        // Drawn, not blank: some pixels are opaque and not all alike.
        const QImage image = picture.toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        }
        EXPECT_GT(colours.size(), 4) << name;
    }
}

TEST(Window, TheWindowAndTheAboutBoxShowTheCalculatorsIcon) {
    using namespace hovorix::iconchecks;
    const QString id = DesktopId;
    Workspace workspace;
    const auto form = startShown(workspace);
    ASSERT_NE(form, nullptr);
    // Its pictures are read as the PNG files they are, without loading a
    // plugin for every other image format to find that out.
    for (const QSize& size : form->windowIcon().availableSizes()) form->windowIcon().pixmap(size, 1.0);
    EXPECT_FALSE(imageFormatPluginLoaded());
    expectProgramIcon(form->windowIcon(), id);
    // Right of the product title: the icon's own 32 px picture, not another size scaled.
    EXPECT_EQ(comparable(child<QLabel>(*form, "Image2")->pixmap().toImage()), themeIcon(id, 32));
}

// A wheel turn over the period list or a minute field that does not have the
// keyboard focus changes nothing.
TEST(Window, TheWheelChangesNoControlWithoutTheFocus) {
    Workspace workspace;
    const auto form = startShown(workspace);
    ASSERT_NE(form, nullptr);
    for (const char* name : {"Ostatni", "JTS"}) {
        SCOPED_TRACE(name);
        auto* control = child<QWidget>(*form, name);
        ASSERT_FALSE(control->hasFocus());
        const QPointF at(control->rect().center());
        QWheelEvent up(at, control->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &up);
    }
    EXPECT_EQ(child<QComboBox>(*form, "Ostatni")->currentIndex(), 2);
    EXPECT_EQ(child(*form, "JTS")->text(), QStringLiteral("0"));
}

// What a screen reader finds: the window as a frame, the period list named
// after its label with its choice as its text, and the about box's links as
// links that its press follows; they stay out of the Tab order.
TEST(Window, AScreenReaderFindsTheWindowThePeriodListAndTheLinks) {
    Workspace workspace;
    const auto form = startShown(workspace);
    ASSERT_NE(form, nullptr);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), form->windowTitle());

    auto* list = child<QComboBox>(*form, "Ostatni");
    QAccessibleInterface* period = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(period->role(), QAccessible::ComboBox);
    ASSERT_NE(period->textInterface(), nullptr);
    for (const int index : {2, 0}) {
        list->setCurrentIndex(index);
        EXPECT_EQ(period->text(QAccessible::Name), utf8("Uvedené hodnoty jsou"));
        QAccessibleTextInterface* text = period->textInterface();
        EXPECT_EQ(text->text(0, text->characterCount()), list->currentText());
    }

    const struct {
        const char* link;
        const char* target;
    } links[] = {
        {"Label14", "mailto:hovorix@example.org"},
        {"Label15", "https://www.example.org/hovorix"},
        {"Label17", "https://www.example.org/hovorix/komunita"},
    };
    for (const auto& c : links) {
        auto* label = child<QLabel>(*form, c.link);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(label);
        EXPECT_EQ(link->role(), QAccessible::Link) << c.link;
        EXPECT_EQ(link->text(QAccessible::Name), label->text()) << c.link;
        ASSERT_NE(link->actionInterface(), nullptr);
        ASSERT_TRUE(link->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(workspace.prompter.texts(Kind::Url).value(0), utf8(c.target)) << c.link;
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << c.link;
        workspace.prompter.clear();
    }
}

// On the results page Ctrl+C copies the results and "+", "-" and "0" zoom
// the chart, whatever on the page has the focus: also the page tabs right
// after the tab was clicked. On the input page Ctrl+C stays the field's.
TEST(Window, OnTheResultsPageCtrlCAndTheZoomKeysWorkWhateverHasTheFocus) {
    for (const char* focus : {"PageControl1", "Graf"}) {
        SCOPED_TRACE(focus);
        Workspace workspace;
        const auto form = startShown(workspace);
        ASSERT_NE(form, nullptr);
        MinuteSpinEdit* jts = child(*form, "JTS");
        jts->setText(QStringLiteral("12"));
        clickTab(*form, 1);
        QWidget* focused = std::string_view(focus) == "Graf" ? child<QWidget>(*form, focus) : pageTabs(*form);
        focused->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(focused->hasFocus());

        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("A-One\t0,00\n"));
        QTest::keyClick(focused, Qt::Key_Plus);
        EXPECT_FALSE(form->feeChart().followsBars());
        QTest::keyClick(focused, Qt::Key_0);
        EXPECT_TRUE(form->feeChart().followsBars());

        clickTab(*form, 0);
        jts->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(jts->hasFocus());
        jts->selectAll();
        QTest::keyClick(jts, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12"));
    }
}

// The page tab shown says it has the focus only while the tabs have it, and
// then neither the row of tabs nor the page control says so, so a screen
// reader finds one focused control; a tab is pressed to show its page.
TEST(Window, APageTabReportsTheFocusOnlyWhileTheTabsHaveIt) {
    Workspace workspace;
    const auto form = startShown(workspace);
    ASSERT_NE(form, nullptr);
    QTabBar* tabs = pageTabs(*form);
    ASSERT_TRUE(tabs->hasFocus());
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs);
    ASSERT_EQ(bar->childCount(), 3);
    const auto focusedTabs = [bar] {
        QStringList focused;
        for (int i = 0; i < bar->childCount(); ++i) {
            if (bar->child(i)->state().focused) focused << bar->child(i)->text(QAccessible::Name);
        }
        return focused;
    };
    EXPECT_EQ(bar->child(0)->role(), QAccessible::PageTab);
    EXPECT_EQ(focusedTabs(), QStringList{utf8("Provolané minuty")});
    EXPECT_FALSE(bar->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(tabs->parentWidget())->state().focused);
    QTest::keyClick(tabs, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("JTS"));
    EXPECT_EQ(focusedTabs(), QStringList{});
    EXPECT_TRUE(bar->child(0)->state().selected);

    bar->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(bar->child(1)->state().selected);
}
