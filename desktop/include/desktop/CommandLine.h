// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace hovorix::desktop {

class Prompter;

// What the command line asks of a program before its first window.
struct CommandLine {
    // Set when the program should end at once with this status: after
    // --help or --version, or on a command line it does not understand.
    std::optional<int> exitStatus;
    bool userData = false;
    // --calls: the call list to take the minutes from, as an absolute path
    // against the folder the program was started in (--user-data moves away
    // from it). Empty without the option.
    QString callList;
};

struct ProgramInfo {
    QString name;         // as the user types it: "tarif", "Cenikar"
    QString description;  // one line for the help text
    // The program takes --calls CALLS.csv (the calculator).
    bool takesCallList = false;
};

// Parses the arguments both programs take, in Czech as the programs are:
// --help, --version and --user-data, and --calls where the program takes it.
// What to print goes to out (help, version) and err (a command line not
// understood).
CommandLine parseCommandLine(const QStringList& arguments, const ProgramInfo& program, QString& out, QString& err);

// Answers --help and --version before the program connects to a display,
// so they work on a terminal without one. Anything else, including
// arguments not understood (the windowing system takes some of its own),
// is left for applyCommandLine.
std::optional<int> answerWithoutDisplay(int argc, const char* const* argv, const ProgramInfo& program);

// Runs what the command line asks, once the application exists: reports
// arguments not understood and, with --user-data, prepares the per-user
// folder and makes it the current one; a folder that cannot be prepared is
// a fatal error. The result's exitStatus is set when the program should not
// go on.
CommandLine applyCommandLine(const QStringList& arguments, const ProgramInfo& program, Prompter& prompter);

}  // namespace hovorix::desktop
