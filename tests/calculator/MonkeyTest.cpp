// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <cmath>

#include "CalculatorTesting.h"
#include "Monkey.h"

using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;

// Thousands of random keys, clicks, drags and wheel turns on the calculator
// with the sample tariffs: it never crashes, nothing comes up past the
// prompter, and the chart always holds one bar with a cost for each tariff.
TEST(Monkey, TheCalculatorTakesWhateverTheUserDoes) {
    monkey::Dice dice(20001105);
    monkey::Prompter prompter(dice, [](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    monkey::Hand hand(dice);
    const monkey::QtMessages qtMessages;

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(HOVORIX_SAMPLE), folder.filePath(QStringLiteral("tarif.ini"))));
    TTarifForm form(prompter, folder.path().toStdString(), hovorix::desktop::RegionalSettings(czech()));
    ASSERT_TRUE(showActive(form));
    const std::size_t tariffs = form.feeChart().series().bars().size();
    ASSERT_EQ(tariffs, 10u);

    const int steps = monkey::stepCount(5000);
    for (int step = 0; step < steps; ++step) {
        hand.act(form);
        if (!form.isVisible()) {
            ASSERT_TRUE(showActive(form));  // closed: the user starts it again
        }
        const auto& bars = form.feeChart().series().bars();
        ASSERT_EQ(bars.size(), tariffs) << "step " << step << ", seed " << dice.seed() << hand.recent();
        for (const auto& bar : bars) {
            ASSERT_TRUE(std::isfinite(bar.value)) << "step " << step << ", seed " << dice.seed() << hand.recent();
        }
    }
    EXPECT_EQ(hand.strayModals(), std::vector<std::string>{});
    EXPECT_EQ(qtMessages.serious(), std::vector<std::string>{});
    EXPECT_EQ(prompter.count(ScriptedPrompter::Kind::Exit), 0);
    std::cout << steps << " steps: " << prompter.interactions().size() << " prompts, "
              << prompter.count(ScriptedPrompter::Kind::Error) << " error boxes, " << prompter.beeps() << " beeps"
              << std::endl;
}
