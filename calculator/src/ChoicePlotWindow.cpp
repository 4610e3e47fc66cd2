// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "ChoicePlotWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace hovorix::calculator {

ChoicePlotWindow::ChoicePlotWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), view_(new ChoicePlotView(this)), legend_(new ChoiceLegend(this)) {
    setObjectName(QStringLiteral("GrafVolbyOkno"));
    view_->setObjectName(QStringLiteral("GrafVolbyVelky"));
    setWindowTitle(QStringLiteral("Volba tarifu – graf"));
    // The calculator ends when its own window closes, whatever else is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(view_, 1);
    layout->addWidget(legend_);
    layout->setAlignment(legend_, Qt::AlignHCenter);
    // Room for the lines to part: most of the screen, up to a comfortable size.
    QSize size(900, 600);
    if (const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
        resize(size);
        move(screen->availableGeometry().center() - rect().center());
    } else {
        resize(size);
    }
    setMinimumSize(320, 240);
}

void ChoicePlotWindow::setPlot(const ChoicePlot& plot, const QLocale& locale) {
    view_->setPlot(plot, locale);
    legend_->setPlot(plot);
}

void ChoicePlotWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace hovorix::calculator
