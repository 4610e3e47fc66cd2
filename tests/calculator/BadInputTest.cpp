// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "BadInputs.h"
#include "CalculatorTesting.h"
#include "desktop/SystemError.h"

using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;
using badinput::Outcome;
using Kind = ScriptedPrompter::Kind;

// The calculator started on every bad file: the message the catalogue's
// outcome calls for and nothing else, a window with what could be read, and
// fees for all of it once the user asks for them.
TEST(BadInput, TheCalculatorStartsOrEndsAsTheCatalogueSays) {
    for (const badinput::Case& c : badinput::catalogue()) {
        SCOPED_TRACE(c.name);
        Workspace workspace;
        badinput::materialise(c, workspace.path() / "tarif.ini");
        const Outcome& expected = c.outcome;
        const bool malformed = expected.kind == Outcome::Kind::MalformedNumber;
        const QStringList message{QString::fromStdString(expected.message) + u'.'};
        // The fatal message names the file and the system's reason on a line of its own.
        const QString cannotOpen = utf8(CannotOpen) + u'\n' +
                                   QString::fromStdString((workspace.path() / "tarif.ini").string()) +
                                   QStringLiteral(": ") + hovorix::desktop::systemErrorReason(expected.code);
        if (expected.kind == Outcome::Kind::CannotOpen) workspace.prompter.expectError(cannotOpen);
        // Said once, before the window shows, for a file whose bytes hide its tariffs.
        const bool noticed = expected.notice != Outcome::Notice::None;
        if (noticed) workspace.prompter.expectWarning();
        if (malformed) workspace.prompter.expectError(message.front());
        const std::size_t prompts = (malformed ? 1u : 0u) + (noticed ? 1u : 0u);
        const auto form = workspace.start();
        for (const auto& interaction : workspace.prompter.interactions()) {
            EXPECT_LE(interaction.text.size(), 300) << interaction.text.left(300).toStdString();
        }
        if (expected.kind == Outcome::Kind::CannotOpen) {
            EXPECT_EQ(form, nullptr);
            EXPECT_EQ(workspace.prompter.errors(), QStringList{cannotOpen});
            EXPECT_EQ(workspace.prompter.count(Kind::Exit), 1);
            continue;
        }
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(workspace.prompter.errors(), malformed ? message : QStringList{});
        EXPECT_EQ(workspace.prompter.interactions().size(), prompts);
        const QString version = hovorix::desktop::fromCp1250(expected.version.value_or("neud\xE1no"));
        EXPECT_EQ(form->windowTitle(), caption(version));
        EXPECT_EQ(shownBars(*form).size(), malformed ? 0u : expected.tariffs);

        ASSERT_TRUE(showActive(*form));
        clickTab(*form, 1);
        EXPECT_EQ(shownBars(*form).size(), expected.tariffs);
        EXPECT_EQ(workspace.prompter.interactions().size(), prompts);
    }
}
