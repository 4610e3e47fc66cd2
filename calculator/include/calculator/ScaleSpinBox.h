// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QDoubleSpinBox>

#include <optional>

namespace hovorix::calculator {

// "od" and "do" of the page "Volba tarifu": a multiple of the usage with up
// to four decimals, typed with a decimal comma or point. The value changes
// when a number is entered (Enter, leaving the field, a step), not at every
// key. A number outside the field's range (which the page keeps so that
// 0 <= od < do <= 100) is never cut to it: when it is entered, the field
// shows its value before again and says refused(). While another window or
// a menu has the focus for a while, the number stays as typed.
class ScaleSpinBox : public QDoubleSpinBox {
    Q_OBJECT

public:
    static constexpr int Decimals = 4;

    explicit ScaleSpinBox(QWidget* parent = nullptr);

    // Digits with at most one comma or point and at most four decimals, a
    // minus sign allowed in front; a number within the range is acceptable,
    // one beyond it is kept for the user to finish or enter.
    QValidator::State validate(QString& text, int& position) const override;
    double valueFromText(const QString& text) const override;
    // Two decimals at least, four at most, without trailing zeros beyond two.
    QString textFromValue(double value) const override;
    void stepBy(int steps) override;

    // Whether the user selected text in the field (with the mouse or a
    // selection key), rather than Tab, Enter or a step selecting it all.
    bool userSelectedText() const;

signals:
    // A number outside the range was entered and put back.
    void refused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString withoutSuffix(const QString& text) const;
    // The number the text gives; none while it is not yet one.
    std::optional<double> numberIn(const QString& text) const;
    // A whole number is typed that the range does not hold.
    bool holdsRefusedNumber() const;

    bool userSelected_ = false;
};

}  // namespace hovorix::calculator
