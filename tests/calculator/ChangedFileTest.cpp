// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QCheckBox>

#include <cstdio>
#include <functional>

#include "CalculatorTesting.h"
#include "TestFiles.h"

using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;
using Answer = hovorix::desktop::Prompter::Answer;
using Kind = ScriptedPrompter::Kind;

namespace {

// One tariff at 1 a minute into the fixed network at peak, with a flat fee
// that tells the versions of the file apart. Each change below also changes
// the file's size: a file rewritten within the same tick of the file
// system's clock with as many bytes is taken for the same file.
std::string tariffs(const char* version, const char* fee) {
    return tariffFile({(std::string("verze ") + version).c_str(), "provider A", "tarif One",
                       (std::string("sluzba telefon ") + fee).c_str(), "sazba JTS 1 0"});
}

QString question(const char* name) { return utf8("Soubor %1 byl změněn. Načíst tarify znovu?").arg(utf8(name)); }

struct Running {
    Workspace workspace;
    std::unique_ptr<TTarifForm> form;

    Running() {
        workspace.write("tarif.ini", tariffs("1", "100"));
        form = workspace.start();
        EXPECT_NE(form, nullptr);
        if (form) {
            EXPECT_TRUE(showActive(*form));
        }
    }

    ScriptedPrompter& prompter() { return workspace.prompter; }

    // Another program writes the file; the calculator looks at it.
    void change(const std::string& bytes) {
        workspace.write("tarif.ini", bytes);
        poll();
    }
    void poll() { ASSERT_TRUE(expire(*form->findChild<QTimer*>(QStringLiteral("tariffFilePoll")))); }

    // The user switches to another program and back.
    void reactivate() {
        QWidget other;
        ASSERT_TRUE(showActive(other));
        ASSERT_TRUE(showActive(*form));
        QCoreApplication::processEvents();
    }

    double cost() const { return shownBars(*form).at(0).value; }
    int questions() { return prompter().count(Kind::Confirm); }
};

}  // namespace

// A change by another program is asked about once, when the user next
// comes to the window or changes the page; "Ano" reads the file anew and
// prices the minutes and switches entered with its tariffs at once.
TEST(ChangedFile, IsAskedAboutOnceAndAnoPricesTheNewTariffs) {
    const struct {
        const char* when;
        std::function<void(Running&)> changeAndCome;
    } cases[] = {
        {"the results page opened",
         [](Running& r) {
             r.change(tariffs("2", "3000"));
             EXPECT_EQ(r.questions(), 0) << "asked before the user came back";
             r.prompter().answer(Answer::Yes);
             clickTab(*r.form, 1);
         }},
        {"the window activated",
         [](Running& r) {
             r.change(tariffs("2", "3000"));
             r.prompter().answer(Answer::Yes);
             r.reactivate();
         }},
        {"the input page opened again",
         [](Running& r) {
             clickTab(*r.form, 1);
             r.change(tariffs("2", "3000"));
             r.prompter().answer(Answer::Yes);
             clickTab(*r.form, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        Running running;
        MinuteSpinEdit* jts = child(*running.form, "JTS");
        jts->setText(QStringLiteral("10"));
        child<QCheckBox>(*running.form, "Fax")->setChecked(true);
        c.changeAndCome(running);
        EXPECT_EQ(running.prompter().texts(Kind::Confirm), QStringList{question("tarif.ini")});
        EXPECT_EQ(running.prompter().interactions().front().defaultAnswer, Answer::Yes);
        EXPECT_EQ(running.form->windowTitle(), caption(QStringLiteral("2")));
        EXPECT_EQ(running.cost(), 3010);
        EXPECT_EQ(jts->text(), QStringLiteral("10"));
        EXPECT_TRUE(child<QCheckBox>(*running.form, "Fax")->isChecked());

        // Once per change: nothing more to ask until the file changes again.
        running.poll();
        running.reactivate();
        clickTab(*running.form, 1 - child<PageControl>(*running.form, "PageControl1")->currentIndex());
        EXPECT_EQ(running.questions(), 1);
    }
}

// "Ne", a read that fails or a file that has gone leave the tariffs read
// before; nothing is read again without the question, and the next change
// is asked about again.
TEST(ChangedFile, WithoutAFullReadTheTariffsReadBeforeStay) {
    Running running;
    running.change(tariffs("2", "3000"));
    running.prompter().answer(Answer::No);
    clickTab(*running.form, 1);
    EXPECT_EQ(running.cost(), 100);
    clickTab(*running.form, 0);
    clickTab(*running.form, 1);
    EXPECT_EQ(running.questions(), 1);

    // A malformed number in the middle: the message names the file and the
    // line, and the tariffs and the data version stay those read before.
    running.change(tariffFile({"verze 3", "provider A", "tarif One", "sluzba telefon 1.5", "provider B"}));
    running.prompter().answer(Answer::Yes);
    const QString path = QString::fromStdString((running.workspace.path() / "tarif.ini").string());
    running.prompter().expectError(utf8("Soubor %1 se nepodařilo znovu načíst, zůstávají tarify načtené dříve.\n"
                                        "Řádek 4: '1.5' is not a valid floating point value.")
                                       .arg(path));
    clickTab(*running.form, 0);
    clickTab(*running.form, 1);
    EXPECT_EQ(running.questions(), 2);
    EXPECT_EQ(running.form->windowTitle(), caption(QStringLiteral("1")));
    EXPECT_EQ(shownBars(*running.form).size(), 1u);
    EXPECT_EQ(running.cost(), 100);

    // Gone: nothing to ask about until it is back with other bytes.
    std::filesystem::remove(running.workspace.path() / "tarif.ini");
    running.poll();
    running.reactivate();
    EXPECT_EQ(running.questions(), 2);
    running.change(tariffs("4", "400"));
    running.prompter().answer(Answer::Yes);
    running.reactivate();
    EXPECT_EQ(running.questions(), 3);
    EXPECT_EQ(running.cost(), 400);
    EXPECT_TRUE(running.prompter().allAnswersUsed());
}

// Only a change of the bytes counts, and a file replaced by a rename (as
// editors and sync tools save) is followed to its new bytes.
TEST(ChangedFile, OnlyOtherBytesCountAndARenamedReplacementIsFollowed) {
    Running running;
    // Written again with the same bytes: no change.
    running.change(tariffs("1", "100"));
    running.reactivate();
    clickTab(*running.form, 1);
    EXPECT_EQ(running.questions(), 0);

    running.workspace.write("tarif.ini.new", tariffs("5", "500"));
    const std::filesystem::path folder = running.workspace.path();
    ASSERT_EQ(std::rename((folder / "tarif.ini.new").c_str(), (folder / "tarif.ini").c_str()), 0);
    running.poll();
    running.prompter().answer(Answer::Yes);
    running.reactivate();
    EXPECT_EQ(running.questions(), 1);
    EXPECT_EQ(running.cost(), 500);

    // And the replacement is the file watched from then on.
    running.change(tariffs("6", "6000"));
    running.prompter().answer(Answer::Yes);
    running.reactivate();
    EXPECT_EQ(running.cost(), 6000);
}

// A file that now holds no tariff says so on the results page, and one that
// holds tariffs again shows them.
TEST(ChangedFile, ATariffFileEmptiedSaysSoOnTheResultsPage) {
    Running running;
    running.change(tariffFile({"verze 7"}));
    running.prompter().answer(Answer::Yes);
    clickTab(*running.form, 1);
    EXPECT_TRUE(shownBars(*running.form).empty());
    EXPECT_EQ(running.form->feeChart().emptyText(), utf8("Soubor tarif.ini neobsahuje žádné tarify."));

    running.change(tariffs("8", "800"));
    running.prompter().answer(Answer::Yes);
    clickTab(*running.form, 0);
    EXPECT_EQ(running.form->feeChart().emptyText(), QString());
    EXPECT_EQ(running.cost(), 800);
}

// A backup restored over the file with its times kept (cp -p, touch -r,
// rsync --inplace -t) keeps the inode, the size and the modification time;
// it is asked about all the same.
TEST(ChangedFile, ABackupRestoredWithItsTimesIsNoticed) {
    Running running;
    restoreKeepingTimes(running.workspace.path() / "tarif.ini", tariffs("1", "400"));
    running.poll();
    running.prompter().answer(Answer::Yes);
    running.reactivate();
    EXPECT_EQ(running.questions(), 1);
    EXPECT_EQ(running.cost(), 400);
}
