// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QDialog>

#include <memory>

#include "tariffs/Tarifs.h"

class QLineEdit;

namespace Ui {
class TPoplatky;
}

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::editor {

// The tariff dialog: every field of one tariff, for adding and editing. The
// editor fills it, shows it modally and writes it back on OK; the dialog
// itself keeps its numeric fields numeric, and OK leaves it only when every
// one of them holds a number.
class TPoplatky : public QDialog {
    Q_OBJECT
public:
    TPoplatky(desktop::Prompter& prompter, char decimalSeparator, QWidget* parent);
    ~TPoplatky() override;

    void fill(const tariffs::Tarifs& tariff);
    // Every field into the tariff, texts as typed. Throws ConversionError for
    // a field that holds no number (OK lets no such field through).
    void writeBack(tariffs::Tarifs& tariff) const;

    // The key filter of the numeric fields: the character the field receives
    // for a typed one, or a null character when it receives nothing. A field
    // takes digits and one decimal separator, typed as "," or ".".
    QChar PhoneKeyPress(const QLineEdit& field, QChar key) const;
    // The same for a field that holds this text.
    QChar PhoneKeyPress(const QString& text, QChar key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Button1Click();
    // Pasted text goes into a numeric field as if it were typed where the
    // paste goes, once tidied as the calculator's minute fields tidy it; a
    // character the key filter would not pass as it is refuses the whole
    // paste, with the beep. Returns whether anything was inserted.
    bool pasteNumber(QLineEdit& field, const QString& pasted);

    std::unique_ptr<Ui::TPoplatky> ui;
    desktop::Prompter& prompter_;
    char decimalSeparator_;
};

}  // namespace hovorix::editor
