// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLabel>

namespace hovorix::calculator {

// A label that reacts to a click: the links of the about box.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Follows the link as a click does: a screen reader's press.
    void activate() { emit clicked(); }

signals:
    // The left button was pressed and released over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace hovorix::calculator
