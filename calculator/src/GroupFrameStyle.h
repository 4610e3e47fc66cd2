// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QProxyStyle>

namespace hovorix::calculator {

// Group boxes drawn the classic way: the frame line runs through the middle
// of the caption, which interrupts it a little in from the left edge. The
// window's fixed layout puts the first row of controls just below the
// caption; with the frame below the caption, as Fusion draws it, those
// controls would sit on the line.
class GroupFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    GroupFrameStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

}  // namespace hovorix::calculator
