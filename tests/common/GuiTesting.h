// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// What the window tests share: the Czech regional settings, tariff files as
// the programs read them, typing and pasting, timers driven by hand, and the
// check that no caption is cut off by its control.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStringList>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "desktop/Cp1250.h"
#include "desktop/PastedText.h"

// Failure messages show texts as texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}
QT_END_NAMESPACE

namespace guitest {

// Regional settings with a decimal comma.
inline QLocale czech() { return QLocale(QLocale::Czech, QLocale::Czechia); }

// A tariff file of these lines, written here in UTF-8: Windows-1250, each
// line ended with CR LF.
inline std::string tariffFile(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (std::string_view line : lines) {
        bytes += hovorix::desktop::toCp1250(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        bytes += "\r\n";
    }
    return bytes;
}

// Types the text key by key, letters beyond ASCII as a keyboard layout sends them.
inline void typeKeys(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80 && c.unicode() >= 0x20) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        const QString typed = c.isHighSurrogate() && i + 1 < text.size() ? text.mid(i++, 2) : QString(c);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, typed, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, typed, Qt::NoModifier);
    }
}

// The ways of pasting from the clipboard into a text field.
enum class PasteRoute { CtrlV, ShiftInsert, Menu };
inline constexpr PasteRoute PasteRoutes[] = {PasteRoute::CtrlV, PasteRoute::ShiftInsert, PasteRoute::Menu};

// Puts the text on the clipboard and pastes it into the field by the route:
// its keys, or the paste of the context menu that the menu key opens. False
// when that menu showed no paste to choose.
inline bool pasteBy(PasteRoute route, QWidget* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    switch (route) {
    case PasteRoute::CtrlV: QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); return true;
    case PasteRoute::ShiftInsert: QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier); return true;
    case PasteRoute::Menu: break;
    }
    const auto chosen = std::make_shared<bool>(false);
    QTimer::singleShot(0, [chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        // Closed whatever happens, so the test never hangs on it.
        const auto close = qScopeGuard([menu] { menu->close(); });
        if (QAction* paste = hovorix::desktop::pasteAction(*menu)) {
            paste->trigger();
            *chosen = true;
        }
    });
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(field, &menu);
    return *chosen;
}

// The timer's interval has passed: it fires now, as the event loop would
// fire it then. What a timer paces is tested so, never by waiting, so a slow
// or loaded machine cannot change what a test sees. False when the timer was
// not running.
inline bool expire(QTimer& timer) {
    if (!timer.isActive()) return false;
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
    return true;
}

struct CaptionFit {
    int checked = 0;      // the controls with a caption
    QStringList clipped;  // those whose caption does not fit, with the room each needs
};

// Whether every caption of the window fits inside its control: labels (a
// wrapped label word by word), buttons, check boxes, group boxes and lists.
// Controls of the window's own dialogs are theirs to check.
inline CaptionFit captionFit(const QWidget& window) {
    CaptionFit fit;
    auto check = [&fit, &window](const QWidget& control, QSize needed) {
        if (control.window() != &window) return;
        ++fit.checked;
        if (needed.width() > control.width() || needed.height() > control.height()) {
            fit.clipped << QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                               .arg(control.objectName())
                               .arg(needed.width())
                               .arg(needed.height())
                               .arg(control.width())
                               .arg(control.height());
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        if (!label->wordWrap()) {
            check(*label, label->sizeHint());
            continue;
        }
        check(*label, {label->width(), label->heightForWidth(label->width())});
        // No single word may be wider than the label.
        for (const QString& word : label->text().split(u' ')) {
            if (label->fontMetrics().horizontalAdvance(word) > label->width()) {
                fit.clipped << QStringLiteral("%1: the word %2").arg(label->objectName(), word);
            }
        }
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        // The caption and the frame, without the least width a style gives
        // a button.
        const QStyle* style = button->style();
        const int frame =
            2 * (style->pixelMetric(QStyle::PM_ButtonMargin) + style->pixelMetric(QStyle::PM_DefaultFrameWidth));
        const QFontMetrics metrics(button->font());
        check(*button, {metrics.size(Qt::TextShowMnemonic, button->text()).width() + frame, metrics.height()});
    }
    // The box, the gap and the caption across; the caption's line down.
    for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
        check(*box, {box->sizeHint().width(), box->fontMetrics().height()});
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        check(*group, {group->minimumSizeHint().width(), 0});
    }
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        if (!list->isEditable()) check(*list, {list->sizeHint().width(), 0});
    }
    return fit;
}

}  // namespace guitest
