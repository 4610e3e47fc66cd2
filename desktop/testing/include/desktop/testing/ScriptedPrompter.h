// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>
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
// queues the test fills beforehand. Every message box, question and dialog
// must be scripted: one that comes without a scripted answer or expectation
// is recorded as unexpected and answered as if dismissed. When the double
// goes away at the end of a test, it reports each unexpected prompt and each
// scripted answer the program never asked for; the test programs make that a
// failure of the running test.
class ScriptedPrompter : public Prompter {
public:
    // Receives what went off the script when a double goes away. Without
    // one, the problems are printed and the program aborts.
    using ProblemReporter = void (*)(const QString& problems);
    static void setProblemReporter(ProblemReporter reporter);

    enum class Kind { Confirm, Inform, Error, Warning, Dialog, Url, Beep, Exit };
    struct Interaction {
        Kind kind;
        QString title;
        QString text;  // message text, dialog window title, or the URL
        // The button a question offers as its default (Enter); none for the rest.
        std::optional<Answer> defaultAnswer = std::nullopt;
    };

    ScriptedPrompter() = default;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;
    ~ScriptedPrompter() override;

    // Answers for confirm(), inform() and choose(), in order.
    void answer(Answer answer) { answers_.push_back(answer); }
    // Handles the next dialog: may fill it in, and returns its result code.
    void onDialog(std::function<int(QDialog&)> handler) { dialogs_.push_back(std::move(handler)); }
    // The next error box or warning, in order with each other; a text given
    // must be the box's exact text.
    void expectError(const QString& text = {}) { notices_.push_back({Kind::Error, text}); }
    void expectWarning(const QString& text = {}) { notices_.push_back({Kind::Warning, text}); }
    // What the user does while the next error box is up (the box takes
    // the mouse release that ends a click, say).
    void whileErrorShows(std::function<void()> action) { duringErrors_.push_back(std::move(action)); }

    Answer confirm(QWidget* parent, const QString& title, const QString& text, Answer defaultAnswer) override;
    Answer inform(QWidget* parent, const QString& title, const QString& text) override;
    // Recorded as a confirmation.
    Answer choose(QWidget* parent, const QString& title, const QString& text, const QString& otherButton,
                  Answer defaultAnswer) override;
    void error(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
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
    bool allAnswersUsed() const {
        return answers_.empty() && dialogs_.empty() && notices_.empty() && duringErrors_.empty();
    }
    // What the end-of-test check reports; empty when the script went as written.
    QString problems() const;

    void clear();

private:
    struct Notice {
        Kind kind;
        QString text;
    };
    Answer next(Kind kind, const QString& title, const QString& text, Answer dismissed, Answer defaultAnswer);
    void notice(Kind kind, const QString& title, const QString& text);

    std::deque<Answer> answers_;
    std::deque<std::function<int(QDialog&)>> dialogs_;
    std::deque<Notice> notices_;
    std::deque<std::function<void()>> duringErrors_;
    std::vector<Interaction> interactions_;
    QStringList unexpected_;
};

}  // namespace hovorix::desktop
