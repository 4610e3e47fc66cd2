// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QValidator>

#include <functional>

class QComboBox;
class QLineEdit;

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::editor {

// Keeps what the user types or pastes into a text field to what one line of
// the tariff file can hold: characters of the Windows-1250 code page,
// without line breaks or Ctrl+Z. Anything else is dropped, and each refusal
// is reported. What the program fills in from a file stays exactly as the
// file has it, control characters included, also while the user edits
// around it: only the characters an edit brings in are looked at.
class FileTextValidator : public QValidator {
    Q_OBJECT
public:
    FileTextValidator(std::function<void()> onRefused, QObject* parent);

    State validate(QString& input, int& pos) const override;

    static bool fits(QChar c);

    // The field shows text as the program has it, unfiltered.
    static void fill(QLineEdit& field, const QString& text);
    static void fill(QComboBox& box, const QString& text);

private:
    // Runs what sets the field's text with the filter off.
    static void fillWith(QLineEdit& field, const std::function<void()>& set);

    std::function<void()> onRefused_;
    // The field's text after the last change, which the next one is compared with.
    mutable QString held_;
    bool filling_ = false;
};

// Texts longer than this are cut by the reader, so the fields take no more.
inline constexpr int MaxFileTextLength = 255;

// Puts the validator and the length limit on a field; refusals beep.
void keepToFileText(QLineEdit& field, desktop::Prompter& prompter);

}  // namespace hovorix::editor
