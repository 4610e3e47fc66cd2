// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QTabWidget>

namespace hovorix::calculator {

// A tab widget that announces a change of page before it happens, while the
// page being left is still the one shown, whichever way the page changes: a
// click on a tab, the arrow keys on the tabs, Ctrl+Tab and Ctrl+Shift+Tab from
// anywhere inside it (these two go round, so with two pages each goes to the
// other one), a screen reader pressing a tab, or setCurrentIndex from code.
// The mouse wheel does not switch pages.
class PageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit PageControl(QWidget* parent = nullptr);
    ~PageControl() override;

signals:
    // The current page is about to change to another one.
    void changing();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The page shown, -1 before the first; the tab bar's index runs ahead of
    // it for as long as changing() is out.
    int shown_ = -1;
    QMetaObject::Connection pageChange_;
};

}  // namespace hovorix::calculator
