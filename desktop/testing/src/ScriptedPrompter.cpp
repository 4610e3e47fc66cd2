// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/testing/ScriptedPrompter.h"

#include <QDialog>

#include <cstdio>
#include <cstdlib>

namespace hovorix::desktop {

namespace {
ScriptedPrompter::ProblemReporter reporter = nullptr;
}  // namespace

void ScriptedPrompter::setProblemReporter(ProblemReporter r) { reporter = r; }

ScriptedPrompter::~ScriptedPrompter() {
    const QString wrong = problems();
    if (wrong.isEmpty()) return;
    if (reporter) {
        reporter(wrong);
        return;
    }
    std::fprintf(stderr, "the prompts went off the script: %s\n", qUtf8Printable(wrong));
    std::abort();
}

QString ScriptedPrompter::problems() const {
    QStringList wrong;
    for (const QString& text : unexpected_) wrong << QStringLiteral("unscripted \"%1\"").arg(text);
    if (!answers_.empty()) wrong << QStringLiteral("%1 answers never asked for").arg(answers_.size());
    if (!dialogs_.empty()) wrong << QStringLiteral("%1 dialogs never shown").arg(dialogs_.size());
    for (const Notice& n : notices_) wrong << QStringLiteral("message box never shown: \"%1\"").arg(n.text);
    if (!duringErrors_.empty())
        wrong << QStringLiteral("%1 actions for error boxes never shown").arg(duringErrors_.size());
    return wrong.join(QStringLiteral("; "));
}

Prompter::Answer ScriptedPrompter::next(Kind kind, const QString& title, const QString& text, Answer dismissed,
                                        Answer defaultAnswer) {
    interactions_.push_back({kind, title, text, defaultAnswer});
    if (answers_.empty()) {
        unexpected_ << text;
        return dismissed;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedPrompter::notice(Kind kind, const QString& title, const QString& text) {
    interactions_.push_back({kind, title, text});
    if (notices_.empty() || notices_.front().kind != kind ||
        (!notices_.front().text.isEmpty() && notices_.front().text != text)) {
        unexpected_ << text;
        return;
    }
    notices_.pop_front();
}

Prompter::Answer ScriptedPrompter::confirm(QWidget*, const QString& title, const QString& text, Answer defaultAnswer) {
    return next(Kind::Confirm, title, text, Answer::No, defaultAnswer);
}

Prompter::Answer ScriptedPrompter::inform(QWidget*, const QString& title, const QString& text) {
    return next(Kind::Inform, title, text, Answer::Cancel, Answer::Yes);
}

Prompter::Answer ScriptedPrompter::choose(QWidget*, const QString& title, const QString& text, const QString&,
                                          Answer defaultAnswer) {
    return next(Kind::Confirm, title, text, Answer::No, defaultAnswer);
}

void ScriptedPrompter::error(QWidget*, const QString& title, const QString& text) {
    notice(Kind::Error, title, text);
    if (duringErrors_.empty()) return;
    const auto action = std::move(duringErrors_.front());
    duringErrors_.pop_front();
    action();
}

void ScriptedPrompter::warning(QWidget*, const QString& title, const QString& text) {
    notice(Kind::Warning, title, text);
}

int ScriptedPrompter::exec(QDialog& dialog) {
    interactions_.push_back({Kind::Dialog, dialog.windowTitle(), dialog.windowTitle()});
    if (dialogs_.empty()) {
        unexpected_ << dialog.windowTitle();
        return QDialog::Rejected;
    }
    auto handler = std::move(dialogs_.front());
    dialogs_.pop_front();
    const int result = handler(dialog);
    dialog.setResult(result);
    return result;
}

void ScriptedPrompter::openUrl(const QUrl& url) { interactions_.push_back({Kind::Url, {}, url.toString()}); }

void ScriptedPrompter::beep() { interactions_.push_back({Kind::Beep, {}, {}}); }

void ScriptedPrompter::exitProgram(int status) {
    interactions_.push_back({Kind::Exit, {}, QString::number(status)});
    throw ProgramExit(status);
}

QStringList ScriptedPrompter::texts(Kind kind) const {
    QStringList result;
    for (const Interaction& i : interactions_) {
        if (i.kind == kind) result << i.text;
    }
    return result;
}

int ScriptedPrompter::count(Kind kind) const { return static_cast<int>(texts(kind).size()); }

void ScriptedPrompter::clear() {
    answers_.clear();
    dialogs_.clear();
    duringErrors_.clear();
    notices_.clear();
    interactions_.clear();
    unexpected_.clear();
}

}  // namespace hovorix::desktop
