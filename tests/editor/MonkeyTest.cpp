// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QSignalSpy>

#include "EditorTesting.h"
#include "Monkey.h"

using namespace editortest;

namespace {

QStringList labelsOf(const hovorix::tariffs::TariffList& list) {
    QStringList labels;
    list.walk([&labels](const hovorix::tariffs::Tarifs& t) {
        labels << hovorix::desktop::fromCp1250(hovorix::tariffs::tariffLabel(t));
    });
    return labels;
}

}  // namespace

// Thousands of random keys, clicks, drags and wheel turns on the editor and
// its tariff dialog, every question answered and every file dialog given a
// name in the working folder (an existing file, a new name, a bad file, a
// folder, a missing folder) or cancelled, from the same dice: it never
// crashes, nothing comes up past the prompter, and after every action the
// list box shows exactly the list.
TEST(Monkey, TheEditorTakesWhateverTheUserDoes) {
    monkey::Dice dice(20001111);
    WorkFolder folder;
    writeBytes(folder / "tarif.ini", readBytes(HOVORIX_SAMPLE));
    writeBytes(folder / "druhy.ini", threeTariffs());
    writeBytes(folder / "vadny.ini", tariffFile({"provider EUROTEL", "tarif Go", "sazba JTS 1.2 30"}));
    fs::create_directory(folder / "slozka");
    const std::vector<std::string> names = {"tarif.ini", "druhy.ini", "vadny.ini",  "novy.ini",
                                            "kopie",     "slozka",    "chybi/x.ini"};

    monkey::Hand hand(dice);
    int budget = monkey::stepCount(5000);
    int dialogs = 0;
    auto onDialog = [&](QDialog& dialog) -> int {
        ++dialogs;
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            if (dice.chance(0.25)) return QDialog::Rejected;
            files->selectFile(folder.file(dice.pick(names)));
            return QDialog::Accepted;
        }
        // The tariff dialog: a few actions in it, then OK, or Storno when OK
        // refuses what the fields hold.
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        hand.expectModal(&dialog);
        for (int n = dice.below(20); n > 0 && budget > 0 && finished.isEmpty(); --n, --budget) hand.act(dialog);
        for (const char* button : {"Button1", "Button2"}) {
            if (finished.isEmpty() && (dice.chance(0.5) || std::string(button) == "Button2")) {
                QTest::mouseClick(dialog.findChild<QAbstractButton*>(QString::fromLatin1(button)), Qt::LeftButton);
            }
        }
        hand.expectModal(nullptr);
        dialog.hide();
        return finished.isEmpty() ? QDialog::Rejected : finished.first().first().toInt();
    };
    monkey::Prompter prompter(dice, onDialog);
    const monkey::QtMessages qtMessages;
    hovorix::editor::TCenikarForm form(prompter, czechSettings());
    form.setClock(saveMoment);
    form.createTariffDialog();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));

    int step = 0;
    for (; budget > 0; ++step, --budget) {
        hand.act(form);
        if (!form.isVisible()) form.show();  // closed: the user starts it again
        QStringList rows;
        for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        ASSERT_EQ(rows, labelsOf(form.tariffs())) << "step " << step << ", seed " << dice.seed() << hand.recent();
    }
    EXPECT_EQ(hand.strayModals(), std::vector<std::string>{});
    EXPECT_EQ(qtMessages.serious(), std::vector<std::string>{});
    EXPECT_EQ(prompter.count(Kind::Exit), 0);
    std::cout << step << " steps on the window, " << dialogs << " dialogs, " << prompter.interactions().size()
              << " prompts, " << prompter.count(Kind::Error) << " error boxes, " << form.tariffs().count()
              << " tariffs at the end" << std::endl;
}
