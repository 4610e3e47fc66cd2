// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "GuiTesting.h"
#include "TestFiles.h"
#include "Versions.h"
#include "desktop/Cp1250.h"
#include "desktop/RegionalSettings.h"
#include "desktop/testing/ScriptedPrompter.h"
#include "editor/TCenikarForm.h"
#include "editor/TPoplatky.h"

namespace editortest {

namespace fs = std::filesystem;
using hovorix::desktop::ScriptedPrompter;
using Answer = hovorix::desktop::Prompter::Answer;
using Kind = ScriptedPrompter::Kind;
using guitest::tariffFile;
using guitest::typeKeys;

// The Czech regional settings, as the editor takes them.
inline hovorix::desktop::RegionalSettings czechSettings() {
    return hovorix::desktop::RegionalSettings(guitest::czech());
}

// The editor's caption with this file name.
inline QString caption(const QString& fileName) {
    return QStringLiteral("%1 - [%2]").arg(QString::fromUtf8(versions::EditorCaption), fileName);
}

// The moment every save in these tests stamps into the header line.
inline QDateTime saveMoment() { return {QDate(2024, 12, 24), QTime(18, 30, 5)}; }

// A fresh folder that is the current folder while it lives, as the program's
// working folder is.
class WorkFolder : public TemporaryFolder {
public:
    WorkFolder() : previous_(fs::current_path()) { fs::current_path(path()); }
    ~WorkFolder() { fs::current_path(previous_); }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    QString file(const std::string& name) const { return QString::fromStdString((path() / name).string()); }

private:
    fs::path previous_;
};

// Three tariffs, two of them named alike, and a data version.
inline std::string threeTariffs() {
    return tariffFile({"verze 2.3", "provider EUROTEL", "tarif Ekonom", "sluzba telefon 300", "sazba JTS 4,5 10",
                       "provider PAEGAS", "tarif Ekonom", "sluzba telefon 250", "vsechnyminzdarma", "provider PAEGAS",
                       "tarif Večerní", "minimalne 12,5"});
}
inline const QStringList ThreeRows{QStringLiteral("EUROTEL-Ekonom"), QStringLiteral("PAEGAS-Ekonom"),
                                   QStringLiteral("PAEGAS-Večerní")};

template <typename T = QLineEdit>
T* child(const QWidget& parent, const char* name) {
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Clicks a button of a dialog; true when that closed it with OK.
inline bool clickAndSeeAccepted(QDialog& dialog, const char* button) {
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(child<QAbstractButton>(dialog, button), Qt::LeftButton);
    return accepted.count() == 1;
}
inline int clickOk(QDialog& dialog) {
    return clickAndSeeAccepted(dialog, "Button1") ? QDialog::Accepted : QDialog::Rejected;
}
inline int clickStorno(QDialog& dialog) {
    return clickAndSeeAccepted(dialog, "Button2") ? QDialog::Accepted : QDialog::Rejected;
}

// The editor started in a fresh working folder, with scripted prompts.
class Editor {
public:
    // startFile: the bytes of "tarif.ini" there at start-up; none: no such
    // file. atStart scripts what the start-up asks and shows.
    explicit Editor(std::optional<std::string> startFile = std::nullopt,
                    const std::function<void(ScriptedPrompter&)>& atStart = {}) {
        if (startFile) writeBytes(folder / "tarif.ini", *startFile);
        if (atStart) atStart(prompter);
        form = std::make_unique<hovorix::editor::TCenikarForm>(prompter, czechSettings());
        form->setClock(saveMoment);
        form->createTariffDialog();
        form->show();
    }

    WorkFolder folder;
    ScriptedPrompter prompter;
    std::unique_ptr<hovorix::editor::TCenikarForm> form;

    template <typename T = QAbstractButton>
    T* find(const char* name) const {
        return child<T>(*form, name);
    }
    QListWidget* list() const { return find<QListWidget>("ListBox1"); }
    QStringList rows() const {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i) texts << list()->item(i)->text();
        return texts;
    }
    int selectedRow() const {
        const QModelIndexList selected = list()->selectionModel()->selectedRows();
        return selected.isEmpty() ? -1 : selected.first().row();
    }
    // The user clicks a row.
    void clickRow(int row) const {
        const QRect where = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, where.center());
    }
    void click(const char* button) const { QTest::mouseClick(find(button), Qt::LeftButton); }
    QString versionBox() const { return find<QLineEdit>("verze1")->text(); }
    // Which of the four row buttons are enabled, as "USND" letters.
    QString rowButtons() const {
        QString state;
        for (const char* name : {"Uprav", "Smaz", "Nahoru", "Dolu"}) state += find(name)->isEnabled() ? name[0] : '-';
        return state;
    }

    // The next file dialog chooses this name, as if typed in.
    void chooseFile(const QString& name) {
        prompter.onDialog([name](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            files.selectFile(name);
            return static_cast<int>(QDialog::Accepted);
        });
    }
    // The next dialog is the tariff dialog, and the user does this with it.
    void onTariffDialog(std::function<int(hovorix::editor::TPoplatky&)> user) {
        prompter.onDialog([user = std::move(user)](QDialog& dialog) {
            auto* tariffs = dynamic_cast<hovorix::editor::TPoplatky*>(&dialog);
            EXPECT_NE(tariffs, nullptr) << dialog.windowTitle().toStdString();
            return tariffs ? user(*tariffs) : static_cast<int>(QDialog::Rejected);
        });
    }
    void cancelDialog() {
        prompter.onDialog([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    }

    std::string bytes(const std::string& name = "tarif.ini") const { return readBytes(folder / name); }

    // Every scripted answer was used and nothing else was asked.
    void expectScriptDone() const {
        EXPECT_TRUE(prompter.unexpected().isEmpty()) << prompter.unexpected().join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(prompter.allAnswersUsed());
    }
};

// What must hold after a save that failed: the message, the program still
// running, the list and its rows as they were, the changes still marked as
// unsaved under the same name. Empty when all holds, else what does not.
inline std::string failedSaveProblems(const Editor& editor, const QString& message,
                                      const hovorix::tariffs::TariffList& list, const QStringList& rows,
                                      const QString& name) {
    std::string wrong;
    auto expect = [&wrong](bool holds, const std::string& what) {
        if (!holds) wrong += what + "; ";
    };
    expect(editor.prompter.errors() == QStringList{message},
           "errors: " + editor.prompter.errors().join(QStringLiteral(" | ")).toStdString());
    expect(editor.prompter.count(Kind::Exit) == 0, "the program ended");
    expect(editor.prompter.unexpected().isEmpty() && editor.prompter.allAnswersUsed(), "the script went wrong");
    expect(editor.form->tariffs() == list, "the list changed");
    expect(editor.rows() == rows, "the rows changed");
    expect(!editor.form->isSaved(), "marked as saved");
    expect(editor.form->fileName() == name, "the name changed to " + editor.form->fileName().toStdString());
    expect(editor.form->windowTitle() == caption(name), "the caption changed");
    return wrong;
}

}  // namespace editortest
