#include "ScriptedPrompter.h"

#include <QDialog>

namespace hovorix::desktop {

Prompter::Answer ScriptedPrompter::next(Kind kind, const QString& title, const QString& text, Answer dismissed) {
    interactions_.push_back({kind, title, text});
    if (answers_.empty()) {
        unexpected_ << text;
        return dismissed;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

Prompter::Answer ScriptedPrompter::confirm(QWidget*, const QString& title, const QString& text) {
    return next(Kind::Confirm, title, text, Answer::No);
}

Prompter::Answer ScriptedPrompter::inform(QWidget*, const QString& title, const QString& text) {
    return next(Kind::Inform, title, text, Answer::Cancel);
}

void ScriptedPrompter::error(QWidget*, const QString& title, const QString& text) {
    interactions_.push_back({Kind::Error, title, text});
    if (duringErrors_.empty()) return;
    const auto action = std::move(duringErrors_.front());
    duringErrors_.pop_front();
    action();
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
    interactions_.clear();
    unexpected_.clear();
}

}  // namespace hovorix::desktop
