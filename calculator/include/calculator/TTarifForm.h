// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "desktop/RegionalSettings.h"
#include "fees/ComputeFees.h"
#include "fees/UsageProfile.h"
#include "tariffs/FileStamp.h"
#include "tariffs/TariffFile.h"
#include "tariffs/TariffList.h"

namespace Ui {
class TTarifForm;
}

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::chart {
class FeeChart;
}

namespace hovorix::calculator {

// The name that the calculator's desktop entry and its icon go by.
inline constexpr QLatin1String DesktopId{"org.example.hovorix.tarif"};

class CallListImport;
class GroupFrameStyle;
class MinuteSpinEdit;
class TariffChoicePage;

// The calculator's main window: the usage profile on the page "Provolané
// minuty", every tariff's monthly cost on the page "Poplatky", and which
// tariff to take, and how sure, on the page "Volba tarifu". The tariff list
// is read while the window is created, and again only when the user says so
// after another program changed the file; the fees (and the choice with
// them) are computed then and again each time the user leaves the input page,
// never while he edits.
class TTarifForm : public QWidget {
    Q_OBJECT

public:
    // How often the tariff file is looked at for a change by another program.
    static constexpr int FilePollInterval = 2000;  // ms

    // Reads the calculator's tariff file from folder and computes the first
    // fees. A tariff file that cannot be opened ends the program through the
    // prompter before the window is ever shown. With a call list given, its
    // monthly minutes fill the fields first.
    explicit TTarifForm(desktop::Prompter& prompter, std::filesystem::path folder = ".",
                        desktop::RegionalSettings settings = desktop::RegionalSettings(), QWidget* parent = nullptr,
                        const QString& startCallList = {});
    ~TTarifForm() override;

    // The fee chart on the results page, which every fee run refills.
    const chart::FeeChart& feeChart() const;
    // The page "Volba tarifu", which every fee run brings up to date.
    const TariffChoicePage& choicePage() const;
    // Minutes from a call list: Ctrl+O, the input page's menu, a dropped file.
    CallListImport& callLists() const { return *callLists_; }

protected:
    // On the results page, whatever has the focus there: Ctrl+C copies the
    // results, "+", "-" and "0" zoom the cost axis. On "Volba tarifu" Ctrl+C
    // copies its tables.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void PageControl1Changing();
    void PekacChange();
    void PekacMimoChange();
    void EurotelChange();
    void EurotelMimoChange();
    void JTSChange();
    void JTSMimoChange();
    void JTSNocChange();
    void Label15Click();
    void Label14Click();
    void Label17Click();

    // Hands a link to the desktop and returns at once.
    void OpenInShell(const QString& target);
    // One fee run over the whole tariff list for the usage profile the
    // window shows now.
    void ComputeFees();
    fees::UsageProfile usageProfile() const;
    // Puts monthly minutes into the seven fields and selects "měsíční", on
    // the input page; the fees follow when the user leaves it.
    void fillMinutes(const fees::UsageProfile& usage);

    // Where the tariff file could not be opened, and the system's reason.
    struct OpenFailure {
        std::filesystem::path path;
        int code = 0;
    };
    // Reads the tariff file into the list; the failure when it cannot be opened.
    std::optional<OpenFailure> readTariffFile();
    // The text the chart shows when the file read in full holds no tariff.
    void showWhetherEmpty();
    // Empty fields become "0" and a count beyond what a field can price
    // becomes the largest one, with a message, so the fee run prices what
    // the fields show.
    void prepareFieldsForFeeRun();

    // Whether the tariff file changed since it was read (or since the user
    // was last asked about it).
    void pollTariffFile();
    // Asks once per change whether to read the changed file; true when its
    // tariffs replaced those read before, and the fees need a new run.
    bool askAboutChangedFile();
    // Reads the file as at start-up into a new list, which replaces the
    // tariffs only when the whole file was read; else a message says why.
    bool reloadTariffs();
    // Tells the user when the file's bytes hide its tariffs: lines ended by
    // LF alone, or NUL bytes.
    void warnAboutShape(const QString& name, const tariffs::FileShape& shape);
    // Tells the user that text stands after the Ctrl+Z that ended the file
    // on the given line (0: none), which the program does not read.
    void warnAboutTextAfterEnd(const QString& name, std::size_t ctrlZLine);
    void showCaption();
    // What every minute field does when the focus leaves it.
    void applyExitRule(MinuteSpinEdit& field);

    // The minute field of each zone and the handler of its exit.
    struct MinuteField {
        MinuteSpinEdit* Ui::TTarifForm::*field;
        void (TTarifForm::*onExit)();
    };
    static const std::array<MinuteField, tariffs::ZoneCount> MinuteFields;
    MinuteSpinEdit& minuteField(tariffs::Zone zone) const;

    std::unique_ptr<Ui::TTarifForm> ui;
    desktop::Prompter& prompter_;
    std::filesystem::path folder_;
    desktop::RegionalSettings settings_;
    tariffs::TariffList tariffs_;
    std::string version_;  // Windows-1250, as the file gives it
    // The chart's series, which the fee run fills.
    fees::BarSink* Series1_ = nullptr;
    // The usage of the latest fee run, for the breakdown the chart shows
    // over a bar.
    fees::UsageProfile lastUsage_;
    // The group boxes' style; a widget forgets a style that goes before it.
    std::unique_ptr<GroupFrameStyle> groupStyle_;
    CallListImport* callLists_ = nullptr;
    QString startCallList_;

    // The tariff file the tariffs came from, the last state of it that the
    // user has seen or been asked about, and a change not yet asked about.
    std::filesystem::path tariffPath_;
    std::optional<tariffs::FileStamp> knownStamp_;
    std::optional<tariffs::FileStamp> changedStamp_;
    QTimer filePoll_;
    bool asking_ = false;
};

}  // namespace hovorix::calculator
