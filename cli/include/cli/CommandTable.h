// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <iosfwd>
#include <memory>
#include <span>
#include <string_view>

namespace CLI {
class App;
}

namespace hovorix::cli {

// A command with its options read, ready to do its work.
class Command {
public:
    virtual ~Command() = default;
    // Returns the exit status.
    virtual int run() = 0;
};

// Everything the command line knows of one tarif-cli command. --help lists
// the entries in table order with their summaries, the message for an
// unknown or a missing command names them, and a command runs only when its
// own name is given: there is no command a command line falls through to.
struct CommandEntry {
    std::string_view name;
    std::string_view summary;
    // Adds the command's options and arguments to its part of the command
    // line, and returns the command that runs once they are read.
    std::unique_ptr<Command> (*setUp)(CLI::App& options);
};

// The set-up of a command whose constructor adds its options.
template <typename C>
std::unique_ptr<Command> setUpBy(CLI::App& options) {
    return std::make_unique<C>(options);
}

// check, costs, usage and choose.
std::span<const CommandEntry> tarifCliCommands();

// Reads the command line as tarif-cli with the commands of the table and
// runs the one named. --help, --version and wrong arguments are answered on
// out and err, with their exit status, and run nothing.
int runCommandLine(std::span<const CommandEntry> commands, int argc, const char* const* argv, std::ostream& out,
                   std::ostream& err);

}  // namespace hovorix::cli
