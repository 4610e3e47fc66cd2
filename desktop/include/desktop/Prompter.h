// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace hovorix::desktop {

// Every modal interaction of the programs goes through here: message boxes,
// dialogs, opening links, the beep and ending the program. The programs use
// the Qt implementation; tests hand in a scripted double that records what
// was asked and answers from a queue, so nothing blocks and nothing needs a
// display.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel, Other };

    virtual ~Prompter() = default;

    // Confirmation: Yes and No, defaultAnswer on Enter. Dismissing the box
    // answers No.
    virtual Answer confirm(QWidget* parent, const QString& title, const QString& text, Answer defaultAnswer) = 0;
    // Information: Yes, No and Cancel. Dismissing the box answers Cancel.
    virtual Answer inform(QWidget* parent, const QString& title, const QString& text) = 0;
    // Confirmation with a third way out: Yes, No and a button of the
    // program's own (otherButton), which answers Other; defaultAnswer on
    // Enter. Dismissing the box answers No.
    virtual Answer choose(QWidget* parent, const QString& title, const QString& text, const QString& otherButton,
                          Answer defaultAnswer) = 0;
    // Error: an error icon and OK.
    virtual void error(QWidget* parent, const QString& title, const QString& text) = 0;
    // Warning: a warning icon and OK; the program goes on as the text says.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;

    // Shows a dialog modally (a file dialog, the print dialog, the tariff
    // dialog) and returns its result code (QDialog::Accepted or
    // QDialog::Rejected).
    virtual int exec(QDialog& dialog) = 0;

    // Hands a link to the desktop without waiting for or reporting anything.
    virtual void openUrl(const QUrl& url) = 0;

    // The system's default beep.
    virtual void beep() = 0;

    // Ends the program at once with a failure status, saving nothing.
    [[noreturn]] virtual void exitProgram(int status) = 0;
};

// The text as a message box shows it. A box breaks lines only between words,
// so a word that runs on (a quoted number of 255 digits from a file) would
// stretch it past the screen's edge and cut it off; such words get a
// possible line break every so many characters, which shows as nothing.
QString messageBoxText(const QString& text);

// Message boxes, dialogs and the desktop as they really are.
class QtPrompter : public Prompter {
public:
    Answer confirm(QWidget* parent, const QString& title, const QString& text, Answer defaultAnswer) override;
    Answer inform(QWidget* parent, const QString& title, const QString& text) override;
    Answer choose(QWidget* parent, const QString& title, const QString& text, const QString& otherButton,
                  Answer defaultAnswer) override;
    void error(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    int exec(QDialog& dialog) override;
    void openUrl(const QUrl& url) override;
    void beep() override;
    [[noreturn]] void exitProgram(int status) override;
};

}  // namespace hovorix::desktop
