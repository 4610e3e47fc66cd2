#include "FileTextValidator.h"

#include <QLineEdit>

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
    qsizetype kept = 0;
    int cursor = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (fits(input[i])) {
            input[kept++] = input[i];
        } else if (i < pos) {
            --cursor;
        }
    }
    if (kept < input.size()) {
        input.truncate(kept);
        pos = cursor;
        if (onRefused_) onRefused_();
    }
    return Acceptable;
}

void keepToFileText(QLineEdit& field, desktop::Prompter& prompter) {
    field.setMaxLength(MaxFileTextLength);
    field.setValidator(new FileTextValidator([&prompter] { prompter.beep(); }, &field));
    // Typing past the limit.
    QObject::connect(&field, &QLineEdit::inputRejected, &field, [&prompter] { prompter.beep(); });
}

}  // namespace hovorix::editor
