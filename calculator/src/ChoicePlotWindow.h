// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLocale>
#include <QWidget>

#include "calculator/ChoicePlot.h"

namespace hovorix::calculator {

// "Zvětšit graf": the page's plot in a window of its own that the user can
// resize, maximise and close (also with Escape). It follows the page while
// it is open, and goes when the calculator's window goes.
class ChoicePlotWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChoicePlotWindow(QWidget* owner);

    void setPlot(const ChoicePlot& plot, const QLocale& locale);
    const ChoicePlotView& view() const { return *view_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ChoicePlotView* view_;
    ChoiceLegend* legend_;
};

}  // namespace hovorix::calculator
