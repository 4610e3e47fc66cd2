// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>

#include "desktop/Prompter.h"

namespace hovorix::desktop {

QString messageBoxText(const QString& text) {
    constexpr int LongestUnbroken = 40;
    constexpr QChar ZeroWidthSpace(0x200B);
    QString shown;
    shown.reserve(text.size() + text.size() / LongestUnbroken);
    int run = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > LongestUnbroken && !c.isLowSurrogate()) {
            shown += ZeroWidthSpace;
            run = 1;
        }
        shown += c;
    }
    return shown;
}

namespace {

// A window manager hands the activation back to the window a box came from
// once the box closes; without one (a kiosk, a bare X server) that window
// stays inactive, and neither the keyboard's focus nor a screen reader
// would find the control the user was on.
void giveActivationBack(QWidget* parent) {
    if (parent != nullptr && parent->window()->isVisible()) parent->window()->activateWindow();
}

QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape,
                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    QMessageBox box(icon, title, messageBoxText(text), buttons, parent);
    box.setEscapeButton(escape);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    giveActivationBack(parent);
    return answer;
}

}  // namespace

Prompter::Answer QtPrompter::confirm(QWidget* parent, const QString& title, const QString& text, Answer defaultAnswer) {
    const auto defaultButton = defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes;
    return ask(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               defaultButton) == QMessageBox::Yes
               ? Answer::Yes
               : Answer::No;
}

Prompter::Answer QtPrompter::inform(QWidget* parent, const QString& title, const QString& text) {
    switch (ask(parent, QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

Prompter::Answer QtPrompter::choose(QWidget* parent, const QString& title, const QString& text,
                                    const QString& otherButton, Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Question, title, messageBoxText(text), QMessageBox::Yes | QMessageBox::No, parent);
    QPushButton* other = box.addButton(otherButton, QMessageBox::ActionRole);
    box.setEscapeButton(QMessageBox::No);
    switch (defaultAnswer) {
    case Answer::Yes: box.setDefaultButton(QMessageBox::Yes); break;
    case Answer::Other: box.setDefaultButton(other); break;
    default: box.setDefaultButton(QMessageBox::No); break;
    }
    box.exec();
    giveActivationBack(parent);
    if (box.clickedButton() == other) return Answer::Other;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

void QtPrompter::error(QWidget* parent, const QString& title, const QString& text) {
    ask(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPrompter::warning(QWidget* parent, const QString& title, const QString& text) {
    ask(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

int QtPrompter::exec(QDialog& dialog) {
    const int result = dialog.exec();
    giveActivationBack(dialog.parentWidget());
    return result;
}

void QtPrompter::openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

void QtPrompter::beep() { QApplication::beep(); }

void QtPrompter::exitProgram(int status) { std::exit(status); }

}  // namespace hovorix::desktop
