// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QAbstractSpinBox>
#include <QStyle>
#include <QTimer>

#include <cstdint>
#include <limits>
#include <optional>

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::calculator {

// A minute field: free text with two step buttons and no range at all. What
// the field holds is whatever the user typed or pasted; only its reading as a
// minute count is strict (a whole decimal number within 32 bits, else 0), so
// a half-typed entry never jumps to another value under the user's hands.
// Pasted text (the keys, the context menu, a dropped text, the X selection)
// is cleaned of what a spreadsheet cell or a web page brings along, and
// refused with the beep when it is still not something typing could give.
class MinuteSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    // A held step button first repeats after this long, then at this pace.
    static constexpr int InitialRepeatDelay = 400;  // ms
    static constexpr int RepeatInterval = 100;      // ms
    // The largest count a field can price.
    static constexpr std::int32_t LargestCount = std::numeric_limits<std::int32_t>::max();

    explicit MinuteSpinEdit(QWidget* parent = nullptr);

    // The beep for a refused key goes through the window's prompter; until one
    // is set, refused keys are dropped silently.
    void setPrompter(desktop::Prompter* prompter) { prompter_ = prompter; }
    // The one decimal separator that typing may give, that of the user's
    // regional settings.
    void setDecimalSeparator(QChar separator) { decimalSeparator_ = separator; }
    QChar decimalSeparator() const { return decimalSeparator_; }

    void setText(const QString& text);

    // The minute count the field holds, as the fee run reads it.
    std::int32_t value() const { return readValue(text()); }

    // Leading blanks, at most one sign, then decimal digits only, within the
    // signed 32-bit range; any other text (empty, a fraction, a lone sign, a
    // number beyond the range) reads as 0.
    static std::int32_t readValue(QStringView text);

    // Adds steps to the value as read and writes a plain whole number. At the
    // ends of the 32-bit range it stays put rather than wrapping around.
    void stepBy(int steps) override;

    // Pasted text as the field takes it: blanks, tabs and line ends around it
    // dropped, blanks between two digits removed ("1 200" gives "1200");
    // nullopt when what remains holds a character that typing would refuse.
    static std::optional<QString> cleanPasted(QStringView text, QChar decimalSeparator);
    // Inserts pasted text as the clipboard's paste would, cleaned; text that
    // cannot be cleaned is refused with the beep and the field stays as it was.
    // Returns whether anything was inserted.
    bool pasteText(const QString& text);

    // A whole number above LargestCount, which the field shows but the fee run
    // could not price.
    static bool exceedsLargest(QStringView text);
    // Puts LargestCount in place of such a number; true when it did.
    bool clampToLargest();

    // The number the field shows, a fraction or one beyond the range as it
    // is; 0 when it holds none. What a screen reader reads as its value.
    double shownNumber() const;

    // The field set as typing the number and leaving the field would set it:
    // a screen reader's way to enter a count.
    void enterNumber(double number);

signals:
    // The input focus went from this field to another control of the window
    // (not to another window or a popup menu).
    void exited();

protected:
    StepEnabled stepEnabled() const override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool acceptsTyped(const QString& text) const;
    // The largest count shows whole once the field is left, at any scale:
    // where the program font is too wide for it, a narrow face or a smaller
    // size of it is used for the text.
    void fitLargestCount();
    static bool isCommand(const QKeyEvent& event);
    static bool typesText(const QString& text);
    static bool isEditingCommand(const QKeyEvent& event);
    void refuseKey();
    QStyle::SubControl buttonAt(const QPoint& position) const;
    int pressedDirection() const { return pressed_ == QStyle::SC_SpinBoxUp ? 1 : -1; }
    static bool leftButtonHeld();
    void repeatStep();
    void stopStepping();

    desktop::Prompter* prompter_ = nullptr;
    QChar decimalSeparator_ = u',';
    // The text as screen readers last heard it.
    QString shownBefore_;
    // The step button held down with the mouse, and whether the pointer is
    // still over it.
    QStyle::SubControl pressed_ = QStyle::SC_None;
    bool overPressed_ = false;
    QTimer repeat_;
};

}  // namespace hovorix::calculator
