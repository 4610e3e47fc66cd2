// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/TTarifForm.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QUrl>

#include <cerrno>
#include <initializer_list>
#include <new>
#include <optional>
#include <utility>

#include "CalculatorAccessibility.h"
#include "ChartPicture.h"
#include "GroupFrameStyle.h"
#include "calculator/CallListImport.h"
#include "calculator/ChoiceReport.h"
#include "calculator/LinkLabel.h"
#include "calculator/MinuteSpinEdit.h"
#include "calculator/PageControl.h"
#include "calculator/TariffChoicePage.h"
#include "chart/FeeChart.h"
#include "desktop/Cp1250.h"
#include "desktop/ErrorHandling.h"
#include "desktop/NumberText.h"
#include "desktop/ProgramFont.h"
#include "desktop/Prompter.h"
#include "desktop/SystemError.h"
#include "desktop/WheelGuard.h"
#include "hovorix/Version.h"
#include "tariffs/Errors.h"
#include "tariffs/TariffFile.h"
#include "ui_TTarifForm.h"

namespace hovorix::calculator {

namespace {

// Where the about box's links lead.
constexpr char WebPage[] = "https://www.example.org/hovorix";
constexpr char EmailAddress[] = "mailto:hovorix@example.org";
constexpr char CommunityPage[] = "https://www.example.org/hovorix/komunita";

enum class ReadOutcome { Read, CannotOpen, OutOfMemory };

// Only a regular file: a pipe of that name must not make the program wait.
tariffs::ReadFileOptions readOptions(const desktop::RegionalSettings& settings) {
    return {.decimalSeparator = settings.decimalSeparator(), .regularFileOnly = true};
}

// A path as the user can find it again.
QString shownPath(const std::filesystem::path& path) {
    return QFile::decodeName(std::filesystem::absolute(path).lexically_normal().c_str());
}

QString shownName(const std::filesystem::path& path) { return QFile::decodeName(path.filename().c_str()); }

// The items of "Uvedené hodnoty jsou" are the periods in their order; no
// item selected, or any other index, counts as monthly.
constexpr int MonthlyItem = static_cast<int>(tariffs::indexOf(fees::Period::Month));

fees::Period periodOfItem(int index) {
    if (index < 0 || index >= static_cast<int>(fees::PeriodCount)) return fees::Period::Month;
    return fees::AllPeriods[static_cast<std::size_t>(index)];
}

// The number's groups held together by no-break spaces, so a line never
// ends inside it.
QString largestCountMessage() {
    return QStringLiteral("Největší počet minut, který lze zadat, je 2\u00A0147\u00A0483\u00A0647.");
}

}  // namespace

constexpr std::array<TTarifForm::MinuteField, tariffs::ZoneCount> TTarifForm::MinuteFields =
    tariffs::enumTable<tariffs::Zone, TTarifForm::MinuteField>({
        {tariffs::Zone::JTS, {&Ui::TTarifForm::JTS, &TTarifForm::JTSChange}},
        {tariffs::Zone::JTSMimo, {&Ui::TTarifForm::JTSMimo, &TTarifForm::JTSMimoChange}},
        {tariffs::Zone::JTSNoc, {&Ui::TTarifForm::JTSNoc, &TTarifForm::JTSNocChange}},
        {tariffs::Zone::PAEGAS, {&Ui::TTarifForm::Pekac, &TTarifForm::PekacChange}},
        {tariffs::Zone::PAEGASMimo, {&Ui::TTarifForm::PekacMimo, &TTarifForm::PekacMimoChange}},
        {tariffs::Zone::EUROTEL, {&Ui::TTarifForm::Eurotel, &TTarifForm::EurotelChange}},
        {tariffs::Zone::EUROTELMimo, {&Ui::TTarifForm::EurotelMimo, &TTarifForm::EurotelMimoChange}},
    });

TTarifForm::TTarifForm(desktop::Prompter& prompter, std::filesystem::path folder, desktop::RegionalSettings settings,
                       QWidget* parent, const QString& startCallList)
    : QWidget(parent),
      ui(std::make_unique<Ui::TTarifForm>()),
      prompter_(prompter),
      folder_(std::move(folder)),
      settings_(std::move(settings)),
      tariffs_(tariffs::CalculatorDefaults),
      groupStyle_(std::make_unique<GroupFrameStyle>()) {
    desktop::guardInputsFromStrayWheel();
    installCalculatorAccessibility();
    ui->setupUi(this);
    Series1_ = &ui->Graf->Series1();
    ui->Graf->setRegionalSettings(settings_);
    ui->VolbaTarifu->setRegionalSettings(settings_);
    ui->VolbaTarifu->setPrompter(&prompter_);
    // The tariff the user has now is marked among the bars of "Poplatky".
    connect(ui->VolbaTarifu, &TariffChoicePage::currentTariffChanged, ui->Graf, &chart::FeeChart::setMarkedBar);
    // Over a bar the chart shows what the tariff's cost is made of, for the
    // usage of the fee run that drew it.
    ui->Graf->setBarDetails([this](int index) -> std::optional<fees::CostBreakdown> {
        if (index < 0 || static_cast<std::size_t>(index) >= tariffs_.count()) return std::nullopt;
        return fees::costBreakdown(tariffs_.seek(static_cast<std::size_t>(index)), lastUsage_);
    });
    setFont(desktop::programFont());
    ui->Label9->setFont(desktop::titleFont(19));
    QFont partner = desktop::titleFont(20);
    partner.setUnderline(true);
    ui->Label17->setFont(partner);
    ui->Image1->setPixmap(chartPicture(devicePixelRatioF()));
    // The program's icon, which the application set-up gives every window.
    ui->Image2->setPixmap(windowIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    for (QGroupBox* group : ui->TabSheet1->findChildren<QGroupBox*>()) group->setStyle(groupStyle_.get());

    // A dialog-like main window: fixed size, minimise but no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());

    // What a handler raises goes to the general error handler, over this window.
    const auto handler = [this](void (TTarifForm::*member)()) { return desktop::guarded(prompter_, this, member); };
    for (const MinuteField& minutes : MinuteFields) {
        MinuteSpinEdit* field = ui.get()->*minutes.field;
        field->setPrompter(&prompter_);
        field->setDecimalSeparator(QChar::fromLatin1(settings_.decimalSeparator()));
        connect(field, &MinuteSpinEdit::exited, this, handler(minutes.onExit));
    }
    connect(ui->PageControl1, &PageControl::changing, this, handler(&TTarifForm::PageControl1Changing));
    connect(ui->Label15, &LinkLabel::clicked, this, handler(&TTarifForm::Label15Click));
    connect(ui->Label14, &LinkLabel::clicked, this, handler(&TTarifForm::Label14Click));
    connect(ui->Label17, &LinkLabel::clicked, this, handler(&TTarifForm::Label17Click));

    callLists_ = new CallListImport(
        *this, *ui->TabSheet1, prompter_, folder_,
        [this](const fees::UsageProfile& usage, const calls::CallSummary& summary, const QString& file) {
            fillMinutes(usage);
            // Its months stay on "Volba tarifu" until another list comes.
            ui->VolbaTarifu->setCallList(file, summary.months, QString::fromStdString(summary.subscriber));
        },
        settings_.locale());

    // "Tisk…" and "Uložit jako PDF…" on "Volba tarifu": the report names the
    // tariff file, its data version and the minute fields.
    auto* report = new ChoiceReport(
        *ui->VolbaTarifu, prompter_,
        [this] {
            ReportSource source{shownName(tariffPath_), desktop::fromCp1250(version_), {}};
            for (std::size_t zone = 0; zone < tariffs::ZoneCount; ++zone) {
                source.zoneNames[zone] = (ui.get()->*MinuteFields[zone].field)->accessibleName();
            }
            return source;
        },
        this);
    report->setObjectName(QStringLiteral("ZpravaVolby"));

    // The page tabs hold the focus when the window first comes up.
    ui->PageControl1->setFocus();

    // A child by name, so a test can drive the polling instead of waiting.
    filePoll_.setParent(this);
    filePoll_.setObjectName(QStringLiteral("tariffFilePoll"));
    filePoll_.setInterval(FilePollInterval);
    connect(&filePoll_, &QTimer::timeout, this, &TTarifForm::pollTariffFile);

    startCallList_ = startCallList;
    FormCreate();
    if (!tariffPath_.empty()) filePoll_.start();
}

TTarifForm::~TTarifForm() = default;

void TTarifForm::FormCreate() {
    ui->Ostatni->setCurrentIndex(MonthlyItem);
    // Minutes from a call list given at start-up, before the tariff file, so
    // they are there whatever that file holds; the first fee run counts them.
    if (!startCallList_.isEmpty()) callLists_->fillAtStart(startCallList_);
    tariffs_.clear();
    version_ = tariffs::CalculatorStartVersion;
    showCaption();

    // A malformed number ends the start-up here: the window still opens, with
    // the tariffs read so far and no fees computed.
    ReadOutcome outcome = ReadOutcome::Read;
    std::optional<OpenFailure> cannotOpen;
    bool readInFull = false;
    desktop::runHandler(prompter_, nullptr, [&] {
        try {
            cannotOpen = readTariffFile();
            if (cannotOpen) {
                outcome = ReadOutcome::CannotOpen;
                return;
            }
        } catch (const std::bad_alloc&) {
            outcome = ReadOutcome::OutOfMemory;
            return;
        } catch (const tariffs::ConversionError& error) {
            // The general error handler's message, which names the file where
            // the number reads under other regional settings.
            desktop::showGeneralError(
                prompter_, nullptr,
                desktop::messageOfReading(error, shownPath(tariffPath_), settings_.decimalSeparator()));
            return;
        }
        readInFull = true;
        ComputeFees();
    });
    switch (outcome) {
    case ReadOutcome::Read: break;
    case ReadOutcome::CannotOpen:
        // Where the program looked and why it failed, on a line of their own.
        desktop::fatalError(prompter_, nullptr,
                            QStringLiteral("Kritická chyba - nelze otevřít soubor \"tarif.ini\"!\n%1: %2")
                                .arg(shownPath(cannotOpen->path), desktop::systemErrorReason(cannotOpen->code)));
    case ReadOutcome::OutOfMemory:
        desktop::fatalError(prompter_, nullptr, QStringLiteral("Kritická chyba - nedostatek paměti!"));
    }
    // A file read only in part may hold tariffs after the line that failed.
    if (readInFull) showWhetherEmpty();
}

std::optional<TTarifForm::OpenFailure> TTarifForm::readTariffFile() {
    const std::optional<std::filesystem::path> path = tariffs::findTariffFile(folder_);
    // The name the editor creates, which the message names too.
    if (!path) return OpenFailure{folder_ / tariffs::EditorFileName, ENOENT};
    tariffs::ReaderEvents events;
    events.onVersion = [this](std::string_view version) {
        version_ = version;
        showCaption();
    };
    std::size_t ctrlZLine = 0;
    events.onTextAfterEnd = [&ctrlZLine](std::size_t line, std::size_t) { ctrlZLine = line; };
    const tariffs::ReadFileOptions options = readOptions(settings_);
    try {
        warnAboutShape(shownName(*path), tariffs::examineTariffFile(*path, options));
        // Taken before reading, so that a change while the file is read is
        // one the user is asked about.
        knownStamp_ = tariffs::stampFile(*path);
        tariffPath_ = *path;
        // The tariff the user has now is kept for this file, by its absolute path.
        ui->VolbaTarifu->setCurrentTariffSetting(CurrentTariffSetting(
            CurrentTariffSetting::defaultFile(), QFileInfo(QFile::decodeName(path->c_str())).absoluteFilePath()));
        hovorix::tariffs::readTariffFile(*path, tariffs_, version_, options, events);
    } catch (const tariffs::OpenError& error) {
        tariffPath_.clear();
        return OpenFailure{*path, error.code()};
    }
    warnAboutTextAfterEnd(shownName(*path), ctrlZLine);
    return std::nullopt;
}

void TTarifForm::showWhetherEmpty() {
    const QString empty = tariffs_.count() == 0
                              ? QStringLiteral("Soubor %1 neobsahuje žádné tarify.").arg(shownName(tariffPath_))
                              : QString();
    ui->Graf->setEmptyText(empty);
    ui->VolbaTarifu->setNoTariffsText(empty);
}

void TTarifForm::pollTariffFile() {
    if (tariffPath_.empty()) return;
    if (!knownStamp_) {
        // Unreadable when it was read: any state it is found in now is news.
        if (const std::optional<tariffs::FileStamp> now = tariffs::stampFile(tariffPath_)) {
            knownStamp_ = changedStamp_ = now;
        }
        return;
    }
    tariffs::FileStamp now;
    switch (tariffs::compareFile(*knownStamp_, tariffPath_, &now)) {
    case tariffs::FileChange::Same: knownStamp_ = now; break;
    case tariffs::FileChange::Changed:
        // Asked about once: the question waits for this state of the file.
        knownStamp_ = changedStamp_ = now;
        break;
    case tariffs::FileChange::Gone: break;  // asked about when it is back with other bytes
    }
}

bool TTarifForm::askAboutChangedFile() {
    if (!changedStamp_ || asking_) return false;
    changedStamp_.reset();
    const QScopedValueRollback asking(asking_, true);
    const desktop::Prompter::Answer answer =
        prompter_.confirm(this, desktop::applicationTitle(),
                          QStringLiteral("Soubor %1 byl změněn. Načíst tarify znovu?").arg(shownName(tariffPath_)),
                          desktop::Prompter::Answer::Yes);
    return answer == desktop::Prompter::Answer::Yes && reloadTariffs();
}

bool TTarifForm::reloadTariffs() {
    tariffs::TariffList fresh(tariffs::CalculatorDefaults);
    std::string version(tariffs::CalculatorStartVersion);
    const tariffs::ReadFileOptions options = readOptions(settings_);
    const std::optional<tariffs::FileStamp> stamp = tariffs::stampFile(tariffPath_);
    QString reason;
    std::size_t ctrlZLine = 0;
    tariffs::ReaderEvents events;
    events.onTextAfterEnd = [&ctrlZLine](std::size_t line, std::size_t) { ctrlZLine = line; };
    try {
        warnAboutShape(shownName(tariffPath_), tariffs::examineTariffFile(tariffPath_, options));
        hovorix::tariffs::readTariffFile(tariffPath_, fresh, version, options, events);
    } catch (const tariffs::FileError& error) {
        reason = desktop::systemErrorReason(error.code());
    } catch (const tariffs::ConversionError& error) {
        reason = QStringLiteral("Řádek %1: %2").arg(error.line()).arg(desktop::withFullStop(desktop::messageOf(error)));
    } catch (const std::bad_alloc&) {
        reason = QStringLiteral("Nedostatek paměti.");
    } catch (const std::exception& error) {
        reason = desktop::withFullStop(desktop::messageOf(error));
    }
    if (!reason.isEmpty()) {
        prompter_.error(this, desktop::applicationTitle(),
                        QStringLiteral("Soubor %1 se nepodařilo znovu načíst, zůstávají tarify načtené dříve.\n%2")
                            .arg(shownPath(tariffPath_), reason));
        return false;
    }
    warnAboutTextAfterEnd(shownName(tariffPath_), ctrlZLine);
    tariffs_ = std::move(fresh);
    version_ = std::move(version);
    if (stamp) knownStamp_ = stamp;
    showCaption();
    showWhetherEmpty();
    return true;
}

void TTarifForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !changedStamp_) return;
    // Asked once the activation is through, not in the middle of it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isActiveWindow()) return;
            desktop::runHandler(prompter_, this, [this] {
                if (!askAboutChangedFile()) return;
                prepareFieldsForFeeRun();
                ComputeFees();
            });
        },
        Qt::QueuedConnection);
}

void TTarifForm::keyPressEvent(QKeyEvent* event) {
    // The page tabs and the chart leave these keys to the window.
    if (ui->PageControl1->currentWidget() == ui->TabSheet3 && event->matches(QKeySequence::Copy)) {
        ui->VolbaTarifu->copyTables();
        event->accept();
        return;
    }
    if (ui->PageControl1->currentWidget() == ui->TabSheet2) {
        if (event->matches(QKeySequence::Copy)) {
            ui->Graf->copyResults();
            event->accept();
            return;
        }
        if (ui->Graf->zoomByKey(*event)) {
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TTarifForm::warnAboutShape(const QString& name, const tariffs::FileShape& shape) {
    // Said once, before the window shows; the file is then read by the
    // format's rule as always, since published files rely on it.
    QString text;
    if (shape.holdsNul) {
        text = QStringLiteral(
            "Soubor %1 obsahuje nulové bajty, není to tedy textový soubor ceníku. Tarify z něj "
            "nemusí být načteny správně.");
    } else if (shape.lfEnded) {
        text = QStringLiteral(
            "Soubor %1 má konce řádků jen LF (bez CR), takže je podle pravidel ceníku celý "
            "jediným řádkem a jeho tarify se nezobrazí. Otevřete ho v programu Cenikar "
            "a uložte, tím se převede.");
    }
    if (!text.isEmpty()) prompter_.warning(nullptr, desktop::applicationTitle(), text.arg(name));
}

void TTarifForm::warnAboutTextAfterEnd(const QString& name, std::size_t ctrlZLine) {
    // Stored files may end at a Ctrl+Z, so it still ends the reading; text
    // after it, such as tariffs added by hand, is not silently hidden.
    if (ctrlZLine == 0) return;
    prompter_.warning(nullptr, desktop::applicationTitle(),
                      QStringLiteral("Soubor %1 končí na řádku %2 znakem Ctrl+Z; text za ním program nečte.")
                          .arg(name)
                          .arg(ctrlZLine));
}

void TTarifForm::showCaption() {
    setWindowTitle(QStringLiteral("Hovorix pro Windows " HOVORIX_CALCULATOR_VERSION " [data %1]")
                       .arg(desktop::fromCp1250(version_)));
}

void TTarifForm::fillMinutes(const fees::UsageProfile& usage) {
    for (const tariffs::Zone zone : tariffs::AllZones) minuteField(zone).setText(QString::number(usage.count(zone)));
    ui->Ostatni->setCurrentIndex(MonthlyItem);
    // Leaving the results page computes nothing: the new minutes are priced
    // when the user next leaves the input page, as always.
    ui->PageControl1->setCurrentWidget(ui->TabSheet1);
}

fees::UsageProfile TTarifForm::usageProfile() const {
    fees::UsageProfile usage;
    for (const tariffs::Zone zone : tariffs::AllZones) usage.count(zone) = minuteField(zone).value();
    usage.fax = ui->Fax->isChecked();
    usage.data = ui->Data->isChecked();
    usage.periodFactor = fees::periodFactor(periodOfItem(ui->Ostatni->currentIndex()));
    return usage;
}

void TTarifForm::ComputeFees() {
    lastUsage_ = usageProfile();
    hovorix::fees::ComputeFees(lastUsage_, tariffs_, *Series1_);
    // "Volba tarifu" answers for the same usage.
    ui->VolbaTarifu->showChoice(tariffs_, lastUsage_);
}

const chart::FeeChart& TTarifForm::feeChart() const { return *ui->Graf; }

MinuteSpinEdit& TTarifForm::minuteField(tariffs::Zone zone) const {
    return *(ui.get()->*MinuteFields[tariffs::indexOf(zone)].field);
}

const TariffChoicePage& TTarifForm::choicePage() const { return *ui->VolbaTarifu; }

void TTarifForm::prepareFieldsForFeeRun() {
    bool clamped = false;
    for (const MinuteField& minutes : MinuteFields) {
        MinuteSpinEdit* field = ui.get()->*minutes.field;
        if (field->text().isEmpty()) field->setText(QStringLiteral("0"));
        clamped = field->clampToLargest() || clamped;
    }
    if (clamped) prompter_.warning(this, desktop::applicationTitle(), largestCountMessage());
}

void TTarifForm::PageControl1Changing() {
    // A changed tariff file is asked about first, so the run that follows
    // prices its tariffs.
    const bool reloaded = askAboutChangedFile();
    prepareFieldsForFeeRun();
    // Leaving the input page for any other page brings the fees up to date.
    if (ui->PageControl1->currentWidget() == ui->TabSheet1 || reloaded) ComputeFees();
}

void TTarifForm::applyExitRule(MinuteSpinEdit& field) {
    if (field.text().isEmpty()) field.setText(QStringLiteral("0"));
    // A fraction stays as it is (the fee run reads it as 0); a negative entry
    // is put back to 0, and a count too large to price to the largest one.
    double number = 0;
    if (!desktop::tryParseNumber(field.text(), settings_.decimalSeparator(), number)) {
        desktop::showGeneralError(prompter_, this, desktop::conversionMessage(field.text()));
        return;
    }
    if (number < 0) {
        field.setText(QStringLiteral("0"));
    } else if (field.clampToLargest()) {
        prompter_.warning(this, desktop::applicationTitle(), largestCountMessage());
    }
}

void TTarifForm::PekacChange() { applyExitRule(*ui->Pekac); }
void TTarifForm::PekacMimoChange() { applyExitRule(*ui->PekacMimo); }
void TTarifForm::EurotelChange() { applyExitRule(*ui->Eurotel); }
void TTarifForm::EurotelMimoChange() { applyExitRule(*ui->EurotelMimo); }
void TTarifForm::JTSChange() { applyExitRule(*ui->JTS); }
void TTarifForm::JTSMimoChange() { applyExitRule(*ui->JTSMimo); }
void TTarifForm::JTSNocChange() { applyExitRule(*ui->JTSNoc); }

void TTarifForm::Label15Click() { OpenInShell(QString::fromLatin1(WebPage)); }
void TTarifForm::Label14Click() { OpenInShell(QString::fromLatin1(EmailAddress)); }
void TTarifForm::Label17Click() { OpenInShell(QString::fromLatin1(CommunityPage)); }

void TTarifForm::OpenInShell(const QString& target) { prompter_.openUrl(QUrl(target)); }

}  // namespace hovorix::calculator
