// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/MinuteSpinEdit.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionSpinBox>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

#include "desktop/NumberText.h"
#include "desktop/PastedText.h"
#include "desktop/Prompter.h"

namespace hovorix::calculator {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

MinuteSpinEdit::MinuteSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setText(QStringLiteral("0"));
    // A child by name, so a test can drive the repeat instead of waiting.
    repeat_.setParent(this);
    repeat_.setObjectName(QStringLiteral("repeatTimer"));
    repeat_.setTimerType(Qt::PreciseTimer);
    connect(&repeat_, &QTimer::timeout, this, &MinuteSpinEdit::repeatStep);
    // Text dropped on the field is pasted text too (a spin box's edit box
    // takes no drops of its own). Drops and the X selection's middle-button
    // paste reach the edit box directly; the keys and the menu come to the
    // spin box.
    desktop::routePastes(*lineEdit(), [this](const QString& text) { return pasteText(text); });
    // Screen readers hear of every change of the text and of the number.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& now) {
        if (QAccessible::isActive()) {
            QAccessibleTextUpdateEvent text(this, 0, shownBefore_, now);
            QAccessible::updateAccessibility(&text);
            QAccessibleValueChangeEvent value(this, shownNumber());
            QAccessible::updateAccessibility(&value);
        }
        shownBefore_ = now;
    });
    shownBefore_ = text();
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

std::optional<QString> MinuteSpinEdit::cleanPasted(QStringView text, QChar decimalSeparator) {
    QString cleaned = desktop::tidyPastedNumber(text);
    for (const QChar c : cleaned) {
        if (!isDigit(c) && c != u'+' && c != u'-' && c != decimalSeparator) return std::nullopt;
    }
    return cleaned;
}

bool MinuteSpinEdit::pasteText(const QString& text) {
    const std::optional<QString> cleaned = cleanPasted(text, decimalSeparator_);
    if (!cleaned) {
        refuseKey();
        return false;
    }
    // Only blanks or line ends: nothing to paste.
    if (cleaned->isEmpty()) return false;
    lineEdit()->insert(*cleaned);
    return true;
}

bool MinuteSpinEdit::exceedsLargest(QStringView text) {
    // Read as the fee run reads a count: leading blanks, a plus sign, digits.
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') ++i;
    if (i < n && text[i] == u'+') ++i;
    if (i == n) return false;
    std::int64_t magnitude = 0;
    bool above = false;
    for (; i < n; ++i) {
        if (!isDigit(text[i])) return false;
        if (!above) {
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
            above = magnitude > LargestCount;
        }
    }
    return above;
}

bool MinuteSpinEdit::clampToLargest() {
    if (!exceedsLargest(text())) return false;
    setText(QString::number(LargestCount));
    return true;
}

double MinuteSpinEdit::shownNumber() const {
    double number = 0;
    return desktop::tryParseNumber(text(), decimalSeparator_.toLatin1(), number) && std::isfinite(number) ? number : 0;
}

void MinuteSpinEdit::enterNumber(double number) {
    if (!std::isfinite(number)) return;
    // A whole number as digits, as it is typed; a fraction with the locale's separator.
    setText(number == std::trunc(number) ? QString::number(number, 'f', 0)
                                         : desktop::formatNumber(number, decimalSeparator_.toLatin1()));
    emit exited();
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
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
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
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fitLargestCount();
}

void MinuteSpinEdit::resizeEvent(QResizeEvent* event) {
    QAbstractSpinBox::resizeEvent(event);
    fitLargestCount();
}

void MinuteSpinEdit::fitLargestCount() {
    QLineEdit* edit = lineEdit();
    // An edit box keeps two pixels clear at each side of its text, and the
    // text scrolls once it takes more than what is left less one pixel and
    // the cursor's.
    constexpr int Clear = 2 * 2 + 1 + 1;
    const QMargins margins = edit->textMargins();
    const int room = edit->contentsRect().width() - margins.left() - margins.right() - Clear;
    if (room <= 0) return;
    // The seven fields share one size and font, and asking the font system
    // for families and widths is a good part of what the calculator's start
    // costs: the last fitting is kept and taken again for the same font and
    // room. Only its family and size are kept, no font of its own, which would
    // outlive the application's font system at exit.
    static struct {
        QString fontKey;
        int room = -1;
        QString family;  // empty: the field's own
        qreal points = 0;
    } last;
    QFont fitted = font();
    if (last.room == room && last.fontKey == fitted.key()) {
        if (!last.family.isEmpty()) fitted.setFamilies({last.family});
        if (last.points > 0) fitted.setPointSizeF(last.points);
        edit->setFont(fitted);
        return;
    }
    const QString largest = QString::number(LargestCount);
    const auto fits = [&](const QFont& font) {
        return std::ceil(QFontMetricsF(font).horizontalAdvance(largest)) <= room;
    };
    QString narrowFamily;
    if (!fits(fitted)) {
        for (const char* narrow : {"Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans Condensed"}) {
            const QString family = QString::fromLatin1(narrow);
            if (!QFontDatabase::hasFamily(family)) continue;
            fitted.setFamilies({family});
            narrowFamily = family;
            break;
        }
    }
    // Half a point at a time, never below what can still be read.
    constexpr qreal SmallestPoints = 6;
    while (!fits(fitted) && fitted.pointSizeF() - 0.5 >= SmallestPoints)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    last = {font().key(), room, narrowFamily, fitted.pointSizeF()};
    edit->setFont(fitted);
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

void MinuteSpinEdit::contextMenuEvent(QContextMenuEvent* event) {
    // The edit box's own menu with the spin box's two steps, as Qt builds it,
    // but pasting through the same cleaning as every other paste.
    const QPointer<QMenu> menu = lineEdit()->createStandardContextMenu();
    if (!menu) return;
    if (QAction* paste = desktop::pasteAction(*menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteText(QGuiApplication::clipboard()->text()); });
    }
    menu->addSeparator();
    QAction* up = menu->addAction(QCoreApplication::translate("QAbstractSpinBox", "&Step up"));
    QAction* down = menu->addAction(QCoreApplication::translate("QAbstractSpinBox", "Step &down"));
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center());
    const QPointer<MinuteSpinEdit> self(this);
    const QAction* chosen = menu->exec(at);
    if (self && chosen == up) stepBy(1);
    if (self && chosen == down) stepBy(-1);
    delete menu.data();
    event->accept();
}

}  // namespace hovorix::calculator
