// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/MinuteSpinEdit.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QStylePainter>

#include <algorithm>
#include <limits>

#include "desktop/Prompter.h"

namespace hovorix::calculator {

MinuteSpinEdit::MinuteSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setText(QStringLiteral("0"));
    // A child by name, so a test can drive the repeat instead of waiting.
    repeat_.setParent(this);
    repeat_.setObjectName(QStringLiteral("repeatTimer"));
    repeat_.setTimerType(Qt::PreciseTimer);
    connect(&repeat_, &QTimer::timeout, this, &MinuteSpinEdit::repeatStep);
}

void MinuteSpinEdit::setText(const QString& text) { lineEdit()->setText(text); }

std::int32_t MinuteSpinEdit::readValue(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n) return 0;
    constexpr std::int64_t Lowest = -std::int64_t{std::numeric_limits<std::int32_t>::min()};
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return 0;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > Lowest) return 0;
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(number);
}

void MinuteSpinEdit::stepBy(int steps) {
    const std::int64_t next =
        std::clamp<std::int64_t>(std::int64_t{value()} + steps, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
    setText(QString::number(next));
    selectAll();
}

QAbstractSpinBox::StepEnabled MinuteSpinEdit::stepEnabled() const { return StepUpEnabled | StepDownEnabled; }

bool MinuteSpinEdit::acceptsTyped(const QString& text) const {
    return std::all_of(text.begin(), text.end(), [this](QChar c) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || u == 0x7f;
        return control || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || c == decimalSeparator_;
    });
}

// With Ctrl, Alt or the Super key held a key is a command, never typing: the
// window's shortcuts (Alt+F, Ctrl+Tab) take theirs before the field sees
// them, the editing commands go on to the field, and whatever else would
// type a character is refused. Shift, AltGr and the keypad type as they are,
// since the Czech layout types its digits with Shift.
bool MinuteSpinEdit::isCommand(const QKeyEvent& event) {
    return event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

bool MinuteSpinEdit::typesText(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

bool MinuteSpinEdit::isEditingCommand(const QKeyEvent& event) {
    for (const QKeySequence::StandardKey key :
         {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
          QKeySequence::SelectAll, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine}) {
        if (event.matches(key)) return true;
    }
    return false;
}

void MinuteSpinEdit::refuseKey() {
    if (prompter_ != nullptr) prompter_->beep();
}

bool MinuteSpinEdit::event(QEvent* event) {
    // Composed characters (dead keys, input methods) pass the same filter as
    // typed ones.
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->commitString().isEmpty() && !acceptsTyped(input->commitString())) {
            refuseKey();
            event->accept();
            return true;
        }
    }
    return QAbstractSpinBox::event(event);
}

void MinuteSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Every key press steps once, the keyboard's own repeat included.
        stepBy(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The field steps by one only.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        refuseKey();
        event->accept();
        return;
    default: break;
    }
    if (isCommand(*event) ? typesText(event->text()) && !isEditingCommand(*event)
                          : !event->text().isEmpty() && !acceptsTyped(event->text())) {
        refuseKey();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void MinuteSpinEdit::focusInEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason: selectAll(); break;
    default: break;
    }
}

void MinuteSpinEdit::focusOutEvent(QFocusEvent* event) {
    stopStepping();
    // Switching to another program or opening the context menu leaves the
    // focus where it is as far as the window is concerned.
    const bool leftTheField = event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (leftTheField) emit exited();
    // A message box from the exit rule takes the activation while the focus
    // is on its way, and the field it goes to then gets it back as the
    // window's, not from the keyboard: select its text for the keyboard now.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
        auto* next = qobject_cast<MinuteSpinEdit*>(window()->focusWidget());
        if (next != nullptr && next != this) next->selectAll();
    }
    QAbstractSpinBox::focusOutEvent(event);
}

QStyle::SubControl MinuteSpinEdit::buttonAt(const QPoint& position) const {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QStyle::SubControl control = style()->hitTestComplexControl(QStyle::CC_SpinBox, &option, position, this);
    return control == QStyle::SC_SpinBoxUp || control == QStyle::SC_SpinBoxDown ? control : QStyle::SC_None;
}

void MinuteSpinEdit::mousePressEvent(QMouseEvent* event) {
    const QStyle::SubControl button =
        event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : QStyle::SC_None;
    if (button == QStyle::SC_None) {
        QAbstractSpinBox::mousePressEvent(event);
        return;
    }
    event->accept();
    pressed_ = button;
    overPressed_ = true;
    // Taking the focus (which the press has given already, before the field
    // sees it) may run another field's exit rule, whose message box then
    // takes the rest of the click, its release included.
    setFocus(Qt::MouseFocusReason);
    if (pressed_ == QStyle::SC_None || !leftButtonHeld()) {
        stopStepping();
        return;
    }
    repeat_.start(InitialRepeatDelay);
    update();
}

bool MinuteSpinEdit::leftButtonHeld() { return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton); }

void MinuteSpinEdit::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ != QStyle::SC_None) {
        const bool over = buttonAt(event->position().toPoint()) == pressed_;
        if (over != overPressed_) {
            overPressed_ = over;
            update();
        }
    }
    QAbstractSpinBox::mouseMoveEvent(event);
}

void MinuteSpinEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ == QStyle::SC_None || event->button() != Qt::LeftButton) {
        QAbstractSpinBox::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const bool over = buttonAt(event->position().toPoint()) == pressed_;
    const int direction = pressedDirection();
    stopStepping();
    if (over) stepBy(direction);
}

void MinuteSpinEdit::repeatStep() {
    // The release may have gone elsewhere: to a message box, to another
    // window, or nowhere while a box held the mouse.
    if (!leftButtonHeld()) {
        stopStepping();
        return;
    }
    repeat_.setInterval(RepeatInterval);
    if (overPressed_) stepBy(pressedDirection());
}

void MinuteSpinEdit::stopStepping() {
    repeat_.stop();
    if (pressed_ != QStyle::SC_None) {
        pressed_ = QStyle::SC_None;
        overPressed_ = false;
        update();
    }
}

void MinuteSpinEdit::wheelEvent(QWheelEvent* event) {
    // The wheel scrolls past the field; it never changes a count by accident.
    event->ignore();
}

void MinuteSpinEdit::changeEvent(QEvent* event) {
    // A message box or another program took over: the held button is gone.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) stopStepping();
    QAbstractSpinBox::changeEvent(event);
}

void MinuteSpinEdit::hideEvent(QHideEvent* event) {
    stopStepping();
    QAbstractSpinBox::hideEvent(event);
}

void MinuteSpinEdit::paintEvent(QPaintEvent*) {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    if (pressed_ != QStyle::SC_None && overPressed_) {
        option.activeSubControls = pressed_;
        option.state |= QStyle::State_Sunken;
    }
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_SpinBox, option);
}

}  // namespace hovorix::calculator
