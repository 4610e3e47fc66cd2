// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QColor>
#include <QWidget>

namespace hovorix::calculator {

// A filled circle (part of a logo). It takes the clicks that land on it, so
// nothing underneath reacts to them.
class Shape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)

public:
    using QWidget::QWidget;

    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_ = Qt::white;
};

}  // namespace hovorix::calculator
