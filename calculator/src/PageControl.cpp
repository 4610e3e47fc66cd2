// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/PageControl.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QShortcut>
#include <QTabBar>
#include <QWheelEvent>

#include <utility>

#include "desktop/AccessibleFocus.h"

namespace hovorix::calculator {

namespace {

// The tabs of a PageControl; only the wheel is taken from them. The tab
// shown is what has the focus while the tabs have it.
class PageTabs : public QTabBar {
    Q_OBJECT

public:
    using QTabBar::QTabBar;

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
    void focusInEvent(QFocusEvent* event) override {
        QTabBar::focusInEvent(event);
        desktop::reportFocusOnPart(*this, [this]() -> QAccessibleInterface* {
            QAccessibleInterface* row = QAccessible::queryAccessibleInterface(this);
            return row ? row->child(currentIndex()) : nullptr;
        });
    }
};

}  // namespace

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    // Every change of page, whatever starts it, is a change of the tab bar's
    // current index. Connected before the tab widget connects its own page
    // switch, so changing() goes out while the page being left still shows.
    auto* tabs = new PageTabs(this);
    pageChange_ = connect(tabs, &QTabBar::currentChanged, this, [this](int index) {
        const int left = std::exchange(shown_, index);
        if (left >= 0 && index >= 0) emit changing();
    });
    setTabBar(tabs);

    // Shortcuts rather than key handling, so no control inside can keep the
    // keys to itself. One key sequence each: a key that two registrations
    // match (X11 reports Ctrl+Shift+Tab as Ctrl+Shift+Backtab and as
    // Ctrl+Backtab) is ambiguous and does nothing. Qt tries Ctrl+Shift+Tab
    // for a Backtab that nothing else takes.
    const std::pair<QKeySequence, int> keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1}};
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            if (count() > 1) setCurrentIndex((currentIndex() + step + count()) % count());
        });
    }
}

PageControl::~PageControl() {
    // Taking the pages down changes the current tab; that is no change of
    // page for anybody to act on.
    disconnect(pageChange_);
}

void PageControl::keyPressEvent(QKeyEvent* event) {
    // The window's page keys are the two shortcuts above; Qt's own
    // (Ctrl+Page Up and Down, from some controls only) stay unused.
    event->ignore();
}

}  // namespace hovorix::calculator

#include "PageControl.moc"
