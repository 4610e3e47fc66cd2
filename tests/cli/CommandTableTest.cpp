// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// The dispatch of tarif-cli on a table of commands of its own: a command
// runs because its entry is in the table, and only when it is named.
#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandTable.h"

using namespace hovorix;

namespace {

// What the commands of the table below did, in order.
std::vector<std::string> ran;

class First : public cli::Command {
public:
    explicit First(CLI::App&) {}
    int run() override {
        ran.emplace_back("first");
        return 41;
    }
};

class Extra : public cli::Command {
public:
    explicit Extra(CLI::App& options) { options.add_flag("--twice", twice_, "Say so twice"); }
    int run() override {
        ran.emplace_back(twice_ ? "extra --twice" : "extra");
        return 42;
    }

private:
    bool twice_ = false;
};

constexpr cli::CommandEntry Commands[] = {
    {"first", "The command of the first entry", cli::setUpBy<First>},
    {"extra", "A command added by its entry alone", cli::setUpBy<Extra>},
};

struct Outcome {
    int status = -1;
    std::vector<std::string> ran;
    std::string out;
    std::string err;
};

Outcome dispatch(std::span<const cli::CommandEntry> table, std::vector<const char*> arguments) {
    ran.clear();
    arguments.insert(arguments.begin(), "tarif-cli");
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.status = cli::runCommandLine(table, static_cast<int>(arguments.size()), arguments.data(), out, err);
    outcome.ran = ran;
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

const std::string Hint = "\nRun 'tarif-cli --help' for more information.\n";

}  // namespace

// The command named runs, with its own options, and no other; a name the
// table does not hold (one the program has elsewhere, too, or one whose entry
// is left out) and a command line without a name run nothing.
TEST(CommandTable, OnlyTheCommandNamedRuns) {
    const std::span<const cli::CommandEntry> all = Commands;
    const std::span<const cli::CommandEntry> extraOnly = all.last(1);
    struct Case {
        std::span<const cli::CommandEntry> table;
        std::vector<const char*> arguments;
        int status;
        std::vector<std::string> ran;
        std::string err;  // what it starts with
    };
    const Case cases[] = {
        {all, {"extra", "--twice"}, 42, {"extra --twice"}, ""},
        {all, {"first"}, 41, {"first"}, ""},
        {all, {"first", "--twice"}, 2, {}, "tarif-cli: "},
        {all, {"costs"}, 2, {}, "tarif-cli: 'costs' is not a command; use first or extra" + Hint},
        {extraOnly, {"first"}, 2, {}, "tarif-cli: 'first' is not a command; use extra" + Hint},
        {all, {}, 2, {}, "tarif-cli: a command is required: first or extra" + Hint},
    };
    for (const Case& c : cases) {
        const Outcome outcome = dispatch(c.table, c.arguments);
        SCOPED_TRACE(testing::Message() << c.table.size() << " entries: " << testing::PrintToString(c.arguments));
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.ran, c.ran);
        EXPECT_TRUE(outcome.err.starts_with(c.err)) << outcome.err;
        if (c.err.empty()) {
            EXPECT_EQ(outcome.err, "");
        }
        EXPECT_EQ(outcome.out, "");
    }
}

// --help lists every entry with its summary, in table order, and runs none.
TEST(CommandTable, HelpListsTheEntries) {
    const Outcome outcome = dispatch(Commands, {"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.ran, std::vector<std::string>());
    std::size_t at = 0;
    for (const char* part :
         {"\n  first ", "The command of the first entry", "\n  extra ", "A command added by its entry alone"}) {
        at = outcome.out.find(part, at);
        ASSERT_NE(at, std::string::npos) << part << " in order in\n" << outcome.out;
    }
}
