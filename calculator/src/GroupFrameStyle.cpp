// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "GroupFrameStyle.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace hovorix::calculator {

namespace {

// How far in from the left edge the caption starts, and the blank on each
// side of it that keeps the frame line off the letters.
constexpr int CaptionIndent = 6;
constexpr int CaptionGap = 2;

}  // namespace

GroupFrameStyle::GroupFrameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect GroupFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                      const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) return QProxyStyle::subControlRect(control, option, part, widget);

    const QFontMetrics& metrics = box->fontMetrics;
    const int captionWidth =
        box->text.isEmpty() ? 0 : metrics.size(Qt::TextShowMnemonic, box->text).width() + 2 * CaptionGap;
    const QRect caption(box->rect.left() + CaptionIndent, box->rect.top(), captionWidth, metrics.height());
    QRect frame = box->rect;
    frame.setTop(caption.center().y());
    switch (part) {
    case SC_GroupBoxLabel: return caption;
    case SC_GroupBoxFrame: return frame;
    case SC_GroupBoxContents: return frame.adjusted(2, caption.height() - caption.height() / 2, -2, -2);
    default: return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

void GroupFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                         const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget);

    // An etched line: Fusion's own group frame keeps below the caption
    // whatever rectangle it is given.
    painter->save();
    painter->setClipRegion(QRegion(box->rect).subtracted(caption));
    qDrawShadeRect(painter, subControlRect(CC_GroupBox, option, SC_GroupBoxFrame, widget), box->palette, true, 1, 0);
    painter->restore();

    drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette, box->state & State_Enabled,
                 box->text, QPalette::WindowText);
}

}  // namespace hovorix::calculator
