// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "FileTextValidator.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "desktop/Cp1250.h"
#include "desktop/Prompter.h"

namespace hovorix::editor {

FileTextValidator::FileTextValidator(std::function<void()> onRefused, QObject* parent)
    : QValidator(parent), onRefused_(std::move(onRefused)) {}

bool FileTextValidator::fits(QChar c) {
    // CR and LF would break the line in the file, Ctrl+Z would end the file.
    // Other control characters cannot be typed, and a file may carry them.
    return c != u'\r' && c != u'\n' && c != u'\x1a' && desktop::isCp1250(c);
}

QValidator::State FileTextValidator::validate(QString& input, int& pos) const {
    if (filling_) {
        held_ = input;
        return Acceptable;
    }
    // What the edit brought in lies between the part it kept at the start
    // and the part it kept at the end.
    const qsizetype shorter = std::min(input.size(), held_.size());
    qsizetype head = 0;
    while (head < shorter && input[head] == held_[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && input[input.size() - 1 - tail] == held_[held_.size() - 1 - tail]) ++tail;

    qsizetype kept = head;
    int cursor = pos;
    for (qsizetype i = head; i < input.size() - tail; ++i) {
        if (fits(input[i])) {
            input[kept++] = input[i];
        } else if (i < pos) {
            --cursor;
        }
    }
    if (kept < input.size() - tail) {
        input.remove(kept, input.size() - tail - kept);
        pos = cursor;
        if (onRefused_) onRefused_();
    }
    held_ = input;
    return Acceptable;
}

void FileTextValidator::fillWith(QLineEdit& field, const std::function<void()>& set) {
    auto* validator = field.findChild<FileTextValidator*>(QString(), Qt::FindDirectChildrenOnly);
    if (validator) validator->filling_ = true;
    set();
    if (validator) validator->filling_ = false;
}

void FileTextValidator::fill(QLineEdit& field, const QString& text) {
    fillWith(field, [&] { field.setText(text); });
}

void FileTextValidator::fill(QComboBox& box, const QString& text) {
    fillWith(*box.lineEdit(), [&] {
        box.setCurrentIndex(box.findText(text));
        box.setEditText(text);
    });
}

void keepToFileText(QLineEdit& field, desktop::Prompter& prompter) {
    field.setMaxLength(MaxFileTextLength);
    field.setValidator(new FileTextValidator([&prompter] { prompter.beep(); }, &field));
    // Typing past the limit.
    QObject::connect(&field, &QLineEdit::inputRejected, &field, [&prompter] { prompter.beep(); });
}

}  // namespace hovorix::editor
