// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/ScaleSpinBox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace hovorix::calculator {

namespace {

// The keys that select text in an edit box.
bool selects(const QKeyEvent& event) {
    static constexpr std::array Selections = {
        QKeySequence::SelectAll,           QKeySequence::SelectNextChar,
        QKeySequence::SelectPreviousChar,  QKeySequence::SelectNextWord,
        QKeySequence::SelectPreviousWord,  QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine,     QKeySequence::SelectStartOfBlock,
        QKeySequence::SelectEndOfBlock,    QKeySequence::SelectStartOfDocument,
        QKeySequence::SelectEndOfDocument,
    };
    for (const QKeySequence::StandardKey key : Selections)
        if (event.matches(key)) return true;
    return false;
}

// What typing may give: a minus sign, digits, one comma or point and at
// most four decimals.
bool typable(const QString& number) {
    static const QRegularExpression Shape(QStringLiteral("^-?[0-9]*([.,][0-9]{0,4})?$"));
    return Shape.match(number).hasMatch();
}

bool isModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

}  // namespace

ScaleSpinBox::ScaleSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(Decimals);
    // A number half typed ("0" on the way to "0,8") is not a range to show.
    setKeyboardTracking(false);
    lineEdit()->installEventFilter(this);
}

QString ScaleSpinBox::withoutSuffix(const QString& text) const {
    QString number = text;
    if (!suffix().isEmpty() && number.endsWith(suffix())) number.chop(suffix().size());
    return number.trimmed();
}

std::optional<double> ScaleSpinBox::numberIn(const QString& text) const {
    QString number = withoutSuffix(text);
    if (!typable(number) || !std::any_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); })) {
        return std::nullopt;
    }
    number.replace(u',', u'.');
    if (number.endsWith(u'.')) number.chop(1);
    if (number.startsWith(u'.') || number.startsWith(QStringLiteral("-."))) number.insert(number.indexOf(u'.'), u'0');
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok) return std::nullopt;
    // As setValue keeps it, so a bound typed in full equals the bound.
    return QString::number(value, 'f', Decimals).toDouble();
}

QValidator::State ScaleSpinBox::validate(QString& text, int&) const {
    if (!typable(withoutSuffix(text))) return QValidator::Invalid;
    const std::optional<double> value = numberIn(text);
    if (!value) return QValidator::Intermediate;
    return *value >= minimum() && *value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

double ScaleSpinBox::valueFromText(const QString& text) const { return numberIn(text).value_or(value()); }

QString ScaleSpinBox::textFromValue(double value) const {
    QString text = locale().toString(value, 'f', Decimals);
    text.remove(locale().groupSeparator());
    const QString point = locale().decimalPoint();
    const qsizetype kept = text.indexOf(point) + point.size() + 2;
    while (text.size() > kept && text.endsWith(u'0')) text.chop(1);
    return text;
}

bool ScaleSpinBox::holdsRefusedNumber() const {
    const std::optional<double> typed = numberIn(lineEdit()->displayText());
    return typed && (*typed < minimum() || *typed > maximum());
}

bool ScaleSpinBox::userSelectedText() const { return userSelected_ && lineEdit()->hasSelectedText(); }

void ScaleSpinBox::stepBy(int steps) {
    // With a refused number typed, the step only puts back the value before.
    const bool refusing = holdsRefusedNumber();
    QDoubleSpinBox::stepBy(steps);
    userSelected_ = false;
    if (refusing) emit refused();
}

void ScaleSpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const bool refusing = holdsRefusedNumber();
        QDoubleSpinBox::keyPressEvent(event);
        userSelected_ = false;
        if (refusing) emit refused();
        return;
    }
    if (selects(*event)) {
        userSelected_ = true;
    } else if (!isModifier(event->key()) && !event->matches(QKeySequence::Copy)) {
        userSelected_ = false;
    }
    QDoubleSpinBox::keyPressEvent(event);
}

void ScaleSpinBox::focusInEvent(QFocusEvent* event) {
    // Tab selects the whole text, which is not the user's selection.
    userSelected_ = false;
    QDoubleSpinBox::focusInEvent(event);
}

void ScaleSpinBox::focusOutEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool refusing = holdsRefusedNumber();
    if (refusing && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)) {
        // Another window or the field's menu takes the focus for a while:
        // the number stays as typed until it is entered. Only the edit box
        // learns that it lost the focus.
        QCoreApplication::sendEvent(lineEdit(), event);
        QWidget::focusOutEvent(event);
        return;
    }
    QDoubleSpinBox::focusOutEvent(event);
    if (refusing) emit refused();
}

bool ScaleSpinBox::eventFilter(QObject* watched, QEvent* event) {
    // A click, a drag or a double click in the text selects as the user
    // means; so does the menu's "Select All".
    if (watched == lineEdit() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        userSelected_ = true;
    }
    return QDoubleSpinBox::eventFilter(watched, event);
}

}  // namespace hovorix::calculator
