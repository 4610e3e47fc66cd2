#pragma once

#include <QTabWidget>

namespace hovorix::calculator {

// A tab widget that announces a change of page before it happens, while the
// page being left is still the current one, whichever way the user switches:
// a click on a tab, the arrow keys on the tabs, or Ctrl+Tab and Ctrl+Shift+Tab
// from anywhere inside it (these two go round, so with two pages each goes to
// the other one). The mouse wheel does not switch pages.
class PageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit PageControl(QWidget* parent = nullptr);

    // Switches to the page at index as the user does: changing() first.
    void changePage(int index);

signals:
    // The current page is about to change to another one.
    void changing();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace hovorix::calculator
