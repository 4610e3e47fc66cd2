#pragma once

#include <QValidator>

#include <functional>

class QLineEdit;

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::editor {

// Keeps a text field to what one line of the tariff file can hold: characters
// of the Windows-1250 code page, without line breaks or Ctrl+Z. Anything else
// is dropped, typed or pasted alike, and each refusal is reported.
class FileTextValidator : public QValidator {
    Q_OBJECT
public:
    FileTextValidator(std::function<void()> onRefused, QObject* parent);

    State validate(QString& input, int& pos) const override;

    static bool fits(QChar c);

private:
    std::function<void()> onRefused_;
};

// Texts longer than this are cut by the reader, so the fields take no more.
inline constexpr int MaxFileTextLength = 255;

// Puts the validator and the length limit on a field; refusals beep.
void keepToFileText(QLineEdit& field, desktop::Prompter& prompter);

}  // namespace hovorix::editor
