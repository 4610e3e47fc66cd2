#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "desktop/Prompter.h"

namespace hovorix::desktop {

// Thrown where the program would have ended, so a test can watch it happen.
struct ProgramExit : std::runtime_error {
    explicit ProgramExit(int code) : std::runtime_error("program ended"), status(code) {}
    int status;
};

// The test double of Prompter: records every interaction and answers from
// queues the test fills beforehand. A prompt with no scripted answer is
// recorded as unexpected and answered as if dismissed; tests check both
// unexpected() and that every scripted answer was used.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Confirm, Inform, Error, Dialog, Url, Beep, Exit };
    struct Interaction {
        Kind kind;
        QString title;
        QString text;  // message text, dialog window title, or the URL
    };

    // Answers for confirm() and inform(), in order.
    void answer(Answer answer) { answers_.push_back(answer); }
    // Handles the next dialog: may fill it in, and returns its result code.
    void onDialog(std::function<int(QDialog&)> handler) { dialogs_.push_back(std::move(handler)); }
    // What the user does while the next error box is up (the box takes
    // the mouse release that ends a click, say).
    void whileErrorShows(std::function<void()> action) { duringErrors_.push_back(std::move(action)); }

    Answer confirm(QWidget* parent, const QString& title, const QString& text) override;
    Answer inform(QWidget* parent, const QString& title, const QString& text) override;
    void error(QWidget* parent, const QString& title, const QString& text) override;
    int exec(QDialog& dialog) override;
    void openUrl(const QUrl& url) override;
    void beep() override;
    [[noreturn]] void exitProgram(int status) override;

    const std::vector<Interaction>& interactions() const { return interactions_; }
    // Interactions of one kind, their texts in order.
    QStringList texts(Kind kind) const;
    int count(Kind kind) const;
    int beeps() const { return count(Kind::Beep); }
    QStringList errors() const { return texts(Kind::Error); }

    // Prompts that came without a scripted answer.
    const QStringList& unexpected() const { return unexpected_; }
    bool allAnswersUsed() const { return answers_.empty() && dialogs_.empty() && duringErrors_.empty(); }

    void clear();

private:
    Answer next(Kind kind, const QString& title, const QString& text, Answer dismissed);

    std::deque<Answer> answers_;
    std::deque<std::function<int(QDialog&)>> dialogs_;
    std::deque<std::function<void()>> duringErrors_;
    std::vector<Interaction> interactions_;
    QStringList unexpected_;
};

}  // namespace hovorix::desktop
