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

#include "tariffs/Errors.h"
#include "tariffs/FileStamp.h"

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
    // Whether the window holds only part of its file (see HeldFile).
    bool isPartlyRead() const { return held_.partLoss.has_value(); }

    // The moment a save puts into the file's header line.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // The operating-system calls a save goes through.
    void setSaveIo(tariffs::SaveIo& io) { saveIo_ = &io; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
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
    // The window became the active one: the user may come back from another
    // program that changed the file.
    void FormActivate();
    void UpravClick();
    void PridejClick();

    // Rebuilds the list from the tariffs and selects the row, if there is
    // one; the row buttons follow.
    void refreshList(int selected = -1);
    // Selects a row as the program does, without the user's selection handler.
    void selectRow(int row);
    int selectedRow() const;
    void showVersion();
    void setCaption(const QString& caption);
    // Offers to save unsaved changes; false when the user chose to stay or the
    // save failed.
    bool settleUnsavedChanges();
    // Writes the list under the name; on success the name becomes the current
    // one. A save over the held file that would lose anything asks first. A
    // failure is shown and leaves the list and the name as they were; so does
    // the answer "Ne".
    bool writeFile(const QString& name);
    // Asks for a name and writes the list under it; false when the user
    // cancelled or the save did not happen.
    bool saveAs();
    tariffs::ReadFileOptions readOptions() const;
    void addShortcuts();

    // What a read passed over: texts cut to their first 255 characters,
    // lines of which a save keeps nothing or not all, lines whose value a
    // later line overrides, skipped columns that are not blanks, and text
    // after the Ctrl+Z that ends the file.
    struct ReadFindings {
        std::size_t cutTexts = 0;
        std::size_t firstCut = 0;  // line
        std::size_t skippedLines = 0;
        std::size_t firstSkipped = 0;  // line
        std::string firstSkippedText;  // its start, Windows-1250
        std::size_t overriddenFields = 0;
        std::size_t firstOverriddenField = 0;  // line
        std::size_t overriddenVersions = 0;
        std::size_t firstOverriddenVersion = 0;  // line
        std::size_t skippedColumns = 0;
        std::size_t firstSkippedColumn = 0;  // line
        std::string firstSkippedColumnText;  // its start, Windows-1250
        std::size_t ctrlZLine = 0;           // 0: nothing after a Ctrl+Z
    };
    static tariffs::ReaderEvents eventsInto(ReadFindings& found);
    // Says once, after a read, what the user would otherwise not know of:
    // texts cut at 255 characters, text after a Ctrl+Z.
    void warnAboutFindings(const QString& name, const ReadFindings& found);

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
    // Remembers the file just read: its stamp, and what a save over it
    // would lose.
    void holdFile(const QString& name, const ReadPlan& plan, const ReadFindings& found,
                  const std::optional<tariffs::FileStamp>& stamp);
    // Whether a save to the path writes over the held file: the same name, or
    // the same file under another name (a link).
    bool isHeldFile(const std::filesystem::path& target) const;
    // What a save over the held file would lose, one line each; empty when
    // the path is another file or nothing would be lost.
    QStringList lossesOfSaveOver(const std::filesystem::path& target) const;
    // After a failed save over the held file: remembers it as the save left
    // it, unless another program had changed it before.
    void restampAfterFailedSave(const std::filesystem::path& target, const tariffs::WriteError& error);
    // Reads the held file again after another program changed it, when it
    // reads in full; false, changing nothing, when it does not.
    bool readAgainInFull(tariffs::TariffList& list, std::string& version, ReadFindings& found) const;
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

    // The file the window holds, as last read or saved, and what a save over
    // it, under any name that leads to it, would lose: the rest of a file
    // read only in part (a read that stopped at a bad line, a file of NUL
    // bytes, one whose LF line ends the user kept), the ends of texts cut at
    // 255 characters, lines no rule reads, and whatever another program
    // changed in it since. Such a save first says what it would lose and
    // takes "Ne" for an answer unless told otherwise.
    struct HeldFile {
        std::filesystem::path path;
        std::optional<tariffs::FileStamp> stamp;  // at the last read or save
        bool lfEndsLines = false;                 // read with LF as a line end
        std::optional<QString> partLoss;
        ReadFindings found;
    };
    HeldFile held_;
    // The change of the file the user was last told of, so that each change
    // is mentioned once.
    std::optional<tariffs::FileStamp> noticedChange_;
    bool noticedGone_ = false;
    bool checkingFile_ = false;

    TariffFileDialog* OpenDialog1;
    TariffFileDialog* SaveDialog1;
    TPoplatky* Poplatky = nullptr;
    bool centred_ = false;
};

}  // namespace hovorix::editor
