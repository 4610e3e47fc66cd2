// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "desktop/Prompter.h"
#include "desktop/RegionalSettings.h"
#include "tariffs/TariffFile.h"
#include "tariffs/TariffList.h"

namespace Ui {
class TCenikarForm;
}

namespace hovorix::editor {

// The name that the editor's desktop entry and its icon go by.
inline constexpr QLatin1String DesktopId{"org.example.hovorix.cenikar"};

class TariffFileDialog;
class TPoplatky;

// The editor's main window: the tariffs of one tariff file as a list, with
// open, save, save as, add, edit, delete, move up and down, and the file's
// data version.
// File names are taken as the program takes them, relative to the current
// folder until a file dialog gives a full path.
class TCenikarForm : public QWidget {
    Q_OBJECT
public:
    // Reads "tarif.ini" at once (creating it empty when it is missing); a file
    // that can be neither opened nor created ends the program.
    explicit TCenikarForm(desktop::Prompter& prompter, desktop::RegionalSettings settings = desktop::RegionalSettings(),
                          QWidget* parent = nullptr);
    ~TCenikarForm() override;

    // The tariff dialog, created once after the window and reused for every
    // add and edit.
    void createTariffDialog();

    // The tariffs as the writer would write them now.
    const tariffs::TariffList& tariffs() const { return list_; }
    const std::string& dataVersion() const { return version_; }
    // The name the last read or write used, as shown in the caption.
    const QString& fileName() const { return fileName_; }
    // Whether the user has changed nothing since the file was last read or
    // written.
    bool isSaved() const { return saved_; }
    // Whether the window holds only part of its file (see PartialRead).
    bool isPartlyRead() const { return partial_.has_value(); }

    // The moment a save puts into the file's header line.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // The operating-system calls a save goes through.
    void setSaveIo(tariffs::SaveIo& io) { saveIo_ = &io; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void ListBox1Click();
    void SmazClick();
    void NahoruClick();
    void DoluClick();
    void verze1Change(const QString& text);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    bool FormCloseQuery();
    void UpravClick();
    void PridejClick();

    void refreshList();
    // Selects a row as the program does, without the user's selection handler.
    void selectRow(int row);
    int selectedRow() const;
    void showVersion();
    void setCaption(const QString& caption);
    // Offers to save unsaved changes; false when the user chose to stay or the
    // save failed.
    bool settleUnsavedChanges();
    // Writes the list under the name; on success the name becomes the current
    // one. A failure is shown and leaves the list and the name as they were;
    // so does a refusal to write over a file that was read only in part.
    bool writeFile(const QString& name);
    tariffs::ReadFileOptions readOptions() const;

    // How a file is to be read, settled with the user before it is read.
    struct ReadPlan {
        tariffs::ReadFileOptions options;
        tariffs::FileShape shape;
        // What a save over it would lose, when it cannot be read in full.
        std::optional<QString> loss;
    };
    // Looks at the file and says what is wrong with it: NUL bytes, or lines
    // that end in LF alone, which the user may have read with LF as the line
    // end. Throws OpenError.
    ReadPlan planRead(const QString& name);
    // Remembers the file as read only in part, or as read in full.
    void rememberRead(const QString& name, const std::optional<QString>& loss);
    TPoplatky& tariffDialog();

    std::unique_ptr<Ui::TCenikarForm> ui;
    desktop::Prompter& prompter_;
    desktop::RegionalSettings settings_;
    std::function<QDateTime()> clock_;
    tariffs::SaveIo* saveIo_;

    tariffs::TariffList list_;
    std::string version_;
    QString fileName_;
    bool saved_ = false;

    // The file the window holds only part of: a read that stopped at a bad
    // line, a file of NUL bytes, or one whose LF line ends the user kept. A
    // save over that file, under any name that leads to it, first says what
    // it would lose and takes "Ne" for an answer unless told otherwise.
    struct PartialRead {
        std::filesystem::path file;
        QString loss;
    };
    std::optional<PartialRead> partial_;

    TariffFileDialog* OpenDialog1;
    TariffFileDialog* SaveDialog1;
    TPoplatky* Poplatky = nullptr;
    bool centred_ = false;
};

}  // namespace hovorix::editor
