// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>

#include <exception>
#include <utility>

#include "desktop/ErrorMessage.h"
#include "desktop/Prompter.h"

class QWidget;

namespace hovorix::desktop {

// The program's title: the caption of its error boxes. Set once by main.
void setApplicationTitle(const QString& title);
QString applicationTitle();

// A message as the general error handler shows it: a full stop is added when
// the last character's code is above that of "." (so "!" and "." get none).
QString withFullStop(const QString& message);

// The message for an error met while reading a tariff file, for the general
// error handler. A malformed number that reads with the other decimal
// separator gets a second line that says why it fails: the file, as the
// program names it, was most likely saved under other regional settings.
// Every line of it ends in a full stop.
QString messageOfReading(const std::exception& error, const QString& file, char decimalSeparator);

// The conversion message for a text that is not a number; as the core does,
// it quotes at most 255 characters of the text.
QString conversionMessage(const QString& text);

// The general error handler: the message, with the full-stop rule, in an
// error box titled with the application title. The program goes on.
void showGeneralError(Prompter& prompter, QWidget* parent, const QString& message);

// A fatal error: an error box with OK, then the program ends with a failure
// status, saving nothing.
[[noreturn]] void fatalError(Prompter& prompter, QWidget* parent, const QString& message);

// Runs one event handler; an error it raises ends the handler and goes to the
// general error handler. Returns false when that happened.
template <typename Handler>
bool runHandler(Prompter& prompter, QWidget* parent, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        showGeneralError(prompter, parent, messageOf(error));
        return false;
    }
}

// One of a window's event handlers as a connection calls it, through
// runHandler with the window as the error box's parent. Each window connects
// every handler through this, so the handlers themselves catch nothing and
// one handler may call another without a second error box.
template <typename Window, typename... Args>
auto guarded(Prompter& prompter, Window* window, void (Window::*handler)(Args...)) {
    return [&prompter, window, handler](Args... args) {
        runHandler(prompter, window, [&] { (window->*handler)(args...); });
    };
}

}  // namespace hovorix::desktop
