// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// The command line of tarif-cli: the program's help and messages, and the
// dispatch to the command named, all from the table of commands.

#include "cli/CommandTable.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Alternatives.h"
#include "cli/TariffSource.h"
#include "hovorix/Version.h"

namespace hovorix::cli {

namespace {

// Output that cannot be written (a full disk, a closed pipe) is a failure,
// not a success.
int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "tarif-cli: cannot write the output: %s\n", std::strerror(errno));
        return std::max(status, static_cast<int>(Failure));
    }
    return status;
}

void describeProgram(CLI::App& app) {
    app.failure_message([](const CLI::App*, const CLI::Error& error) {
        std::string message = error.what();
        // "--jts: 1 required N missing" says little to someone who forgot a value.
        if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) && message.find(" missing") != std::string::npos) {
            message = message.substr(0, message.find(':')) + ": a value is missing";
        }
        return "tarif-cli: " + message + "\nRun 'tarif-cli --help' for more information.\n";
    });
    app.set_version_flag("--version", std::string("tarif-cli ") + HOVORIX_VERSION, "Print the version and exit");
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 when all is well; 1 for a malformed number, a call list that cannot be\n"
        "used, a file without tariffs to choose from, a read error or, with --strict, warnings;\n"
        "2 when a file cannot be opened or the arguments are wrong.");
}

// Parses the command line; the status to end with at once (after --help,
// --version or arguments that make no sense), else nullopt. The commands
// named in the messages are those of the table.
std::optional<int> parse(CLI::App& app, const std::string& commands, int argc, const char* const* argv,
                         std::ostream& out, std::ostream& err) {
    try {
        app.parse(argc, argv);
        return std::nullopt;
    } catch (const CLI::Success& done) {
        // --help and --version
        return finish(app.exit(done, out, err));
    } catch (const CLI::ParseError& error) {
        const std::vector<std::string> unknown = app.remaining();
        if (!app.get_subcommands().empty()) {
            app.exit(error, out, err);
        } else if (!unknown.empty() && !unknown.front().starts_with('-')) {
            // "A subcommand is required" would not tell that the command is misspelt.
            app.exit(CLI::ExtrasError("'" + unknown.front() + "' is not a command; use " + commands,
                                      CLI::ExitCodes::ExtrasError),
                     out, err);
        } else if (dynamic_cast<const CLI::RequiredError*>(&error)) {
            app.exit(CLI::RequiredError("a command is required: " + commands, CLI::ExitCodes::RequiredError), out, err);
        } else {
            app.exit(error, out, err);
        }
        return UsageOrOpenFailure;
    }
}

}  // namespace

int runCommandLine(std::span<const CommandEntry> commands, int argc, const char* const* argv, std::ostream& out,
                   std::ostream& err) {
    CLI::App app{
        "Checks tariff files, prints what each tariff costs a month and which is the cheapest, and reads the "
        "minutes of a call list.",
        "tarif-cli"};
    describeProgram(app);
    struct SetUp {
        CLI::App* options;
        std::unique_ptr<Command> command;
    };
    std::vector<SetUp> setUps;
    std::vector<std::string> names;
    for (const CommandEntry& entry : commands) {
        CLI::App* options = app.add_subcommand(std::string(entry.name), std::string(entry.summary));
        setUps.push_back({options, entry.setUp(*options)});
        names.emplace_back(entry.name);
    }
    if (const std::optional<int> status = parse(app, alternatives(names), argc, argv, out, err)) return *status;
    for (const SetUp& setUp : setUps) {
        if (setUp.options->parsed()) return finish(setUp.command->run());
    }
    // A parse that requires one command and succeeds has read one.
    throw std::logic_error("no command was read from the command line");
}

}  // namespace hovorix::cli
