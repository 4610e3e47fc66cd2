// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "editor/TCenikarForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolTip>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "ArrowGlyph.h"
#include "EditorAccessibility.h"
#include "FileTextValidator.h"
#include "desktop/Cp1250.h"
#include "desktop/ErrorHandling.h"
#include "desktop/FileNames.h"
#include "desktop/ProgramFont.h"
#include "desktop/SystemError.h"
#include "desktop/WheelGuard.h"
#include "editor/TPoplatky.h"
#include "editor/TariffFileDialog.h"
#include "hovorix/Version.h"
#include "tariffs/Errors.h"
#include "tariffs/TariffWriter.h"
#include "ui_TCenikarForm.h"

namespace hovorix::editor {

namespace {

// Rows as tight as the list of the original window, so six tariffs show at once.
class CompactRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QSize natural = QStyledItemDelegate::sizeHint(option, index);
        return {natural.width(), std::max(13, option.fontMetrics.height())};
    }
};

// Qt shows no tool tip for a disabled control, and the red arrows are
// disabled until a row is selected: they show their hints all the same,
// after the usual pause of the pointer over them.
class HintWhileDisabled : public QObject {
public:
    explicit HintWhileDisabled(QObject* parent) : QObject(parent) {
        wake_.setSingleShot(true);
        connect(&wake_, &QTimer::timeout, this, [this] {
            if (over_ && over_->underMouse() && !over_->isEnabled()) {
                QToolTip::showText(QCursor::pos(), over_->toolTip(), over_, over_->rect());
            }
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = qobject_cast<QWidget*>(watched);
        if (!control || control->isEnabled()) return false;
        if (event->type() == QEvent::MouseMove && !QToolTip::isVisible()) {
            over_ = control;
            wake_.start(control->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, control));
        } else if (event->type() == QEvent::Leave) {
            wake_.stop();
            QToolTip::hideText();
        }
        return false;
    }

private:
    QTimer wake_;
    QPointer<QWidget> over_;
};

using Answer = desktop::Prompter::Answer;

// Where a symbolic link leads to a place that cannot be reached (a missing
// file or folder, one the user may not enter, a link the system will not
// follow), the trouble lies there, under a name the user may not know: a
// line of its own names it.
QString withLinkTarget(QString message, const tariffs::FileError& error) {
    const int code = error.code();
    const bool unreachable = code == ENOENT || code == ENOTDIR || code == EACCES || code == EPERM || code == ELOOP;
    if (unreachable && !error.linkTarget().empty()) {
        message +=
            QStringLiteral("\nJe to symbolický odkaz na soubor %1.").arg(QFile::decodeName(error.linkTarget().c_str()));
    }
    return message;
}

QString openFailure(const QString& name, const tariffs::OpenError& error) {
    return withLinkTarget(desktop::withSystemErrorReason(
                              QStringLiteral("Kritická chyba - nelze otevřít soubor %1!").arg(name), error.code()),
                          error);
}

// What a save over a file that stopped being read at an error would lose.
QString lossAt(const std::exception& error, const tariffs::FileShape& shape, bool lfEndsLines) {
    if (const auto* bad = dynamic_cast<const tariffs::ConversionError*>(&error)) {
        const std::size_t line = bad->line();
        const std::size_t last = std::max(shape.lines(lfEndsLines), line);
        if (line == last) {
            return QStringLiteral("byl načten jen po řádek %1; uložením se ztratí řádek %1.").arg(line);
        }
        return QStringLiteral("byl načten jen po řádek %1; uložením se ztratí řádky %1 až %2.").arg(line).arg(last);
    }
    if (const auto* failed = dynamic_cast<const tariffs::ReadError*>(&error)) {
        return QStringLiteral("byl načten jen po řádek %1; uložením se ztratí zbytek souboru od řádku %1.")
            .arg(failed->line());
    }
    return QStringLiteral("nebyl načten celý; uložením se ztratí vše, co z něj nebylo načteno.");
}

// The last line says what became of the file that was there, which is what
// the user wants to know next.
QString saveFailure(const tariffs::WriteError& error, const QString& name) {
    const QString text = error.stage() == tariffs::WriteError::Stage::Create
                             ? QStringLiteral("Kritická chyba %1 - nelze otevřít soubor %2!")
                             : QStringLiteral("Kritická chyba %1 - nelze zapsat soubor %2!");
    QString message =
        withLinkTarget(desktop::withSystemErrorReason(text.arg(error.code()).arg(name), error.code()), error);
    switch (error.oldFile()) {
    case tariffs::WriteError::OldFile::None: break;
    case tariffs::WriteError::OldFile::Unchanged: message += QStringLiteral("\nSoubor zůstal beze změny."); break;
    case tariffs::WriteError::OldFile::Damaged:
        message += QStringLiteral("\nSoubor se nepodařilo obnovit; jeho obsah může být poškozený.");
        break;
    }
    return message;
}

// The start of a line as the question before a save quotes it: at most 40
// characters, control characters as blanks.
QString quotedStart(std::string_view cp1250) {
    constexpr qsizetype MostQuoted = 40;
    QString text = desktop::fromCp1250(cp1250);
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) c = u' ';
    }
    if (text.size() > MostQuoted) text = text.left(MostQuoted) + QChar(u'\u2026');
    return text;
}

QString cutTextsLoss(std::size_t count) {
    if (count == 1) return QStringLiteral("konec 1 textu delšího než 255 znaků");
    return QStringLiteral("konce %1 textů delších než 255 znaků").arg(count);
}

// Czech counts take one form for 1, another for 2 to 4, a third from 5 on.
QString skippedLinesLoss(std::size_t count, std::size_t first, const QString& quoted) {
    if (count == 1) return QStringLiteral("1 řádek, kterému program nerozumí (řádek %1: „%2“)").arg(first).arg(quoted);
    const QString text = count <= 4 ? QStringLiteral("%1 řádky, kterým program nerozumí (první je řádek %2: „%3“)")
                                    : QStringLiteral("%1 řádků, kterým program nerozumí (první je řádek %2: „%3“)");
    return text.arg(count).arg(first).arg(quoted);
}

QString overriddenFieldsLoss(std::size_t count, std::size_t first) {
    if (count == 1)
        return QStringLiteral("1 řádek, jehož hodnotu přepsal pozdější řádek téhož tarifu (řádek %1)").arg(first);
    const QString text =
        count <= 4
            ? QStringLiteral("%1 řádky, jejichž hodnotu přepsaly pozdější řádky téhož tarifu (první je řádek %2)")
            : QStringLiteral("%1 řádků, jejichž hodnotu přepsaly pozdější řádky téhož tarifu (první je řádek %2)");
    return text.arg(count).arg(first);
}

QString overriddenVersionsLoss(std::size_t count, std::size_t first) {
    if (count == 1) return QStringLiteral("1 řádek „verze“, jehož hodnotu přepsal pozdější (řádek %1)").arg(first);
    const QString text =
        count <= 4 ? QStringLiteral("%1 řádky „verze“, jejichž hodnotu přepsaly pozdější (první je řádek %2)")
                   : QStringLiteral("%1 řádků „verze“, jejichž hodnotu přepsaly pozdější (první je řádek %2)");
    return text.arg(count).arg(first);
}

QString skippedColumnsLoss(std::size_t count, std::size_t first, const QString& quoted) {
    if (count == 1) {
        return QStringLiteral("1 znak za klíčovým slovem, který program přeskakuje (řádek %1: „%2“)")
            .arg(first)
            .arg(quoted);
    }
    const QString text =
        count <= 4
            ? QStringLiteral("%1 znaky za klíčovým slovem, které program přeskakuje (první je na řádku %2: „%3“)")
            : QStringLiteral("%1 znaků za klíčovým slovem, které program přeskakuje (první je na řádku %2: „%3“)");
    return text.arg(count).arg(first).arg(quoted);
}

}  // namespace

TCenikarForm::TCenikarForm(desktop::Prompter& prompter, desktop::RegionalSettings settings, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::TCenikarForm>()),
      prompter_(prompter),
      settings_(std::move(settings)),
      clock_([] { return QDateTime::currentDateTime(); }),
      saveIo_(&tariffs::systemSaveIo()),
      list_(tariffs::EditorDefaults) {
    desktop::guardInputsFromStrayWheel();
    setFont(desktop::programFont());
    ui->setupUi(this);
    // The caption until a file is read in full, which names it.
    setWindowTitle(QStringLiteral("Cenikar " HOVORIX_EDITOR_VERSION));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    ui->Nahoru->setIcon(arrowGlyph(ArrowDirection::Up));
    ui->Dolu->setIcon(arrowGlyph(ArrowDirection::Down));
    auto* hints = new HintWhileDisabled(this);
    for (QToolButton* arrow : {ui->Nahoru, ui->Dolu}) {
        arrow->installEventFilter(hints);
        // A disabled control gets no mouse moves unless it asks for them.
        arrow->setMouseTracking(true);
    }
    ui->ListBox1->setItemDelegate(new CompactRows(ui->ListBox1));
    ui->ListBox1->installEventFilter(this);
    keepToFileText(*ui->verze1, prompter_);
    installEditorAccessibility();

    OpenDialog1 = new TariffFileDialog(TariffFileDialog::Purpose::Open, QStringLiteral("Vyberte konfigurační soubor"),
                                       prompter_, this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    SaveDialog1 = new TariffFileDialog(TariffFileDialog::Purpose::Save,
                                       QStringLiteral("Vyberte jméno konfiguračního souboru"), prompter_, this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));

    // What a handler raises goes to the general error handler, over this window.
    const auto handler = [this](auto member) { return desktop::guarded(prompter_, this, member); };
    connect(ui->ListBox1, &QListWidget::itemSelectionChanged, this, handler(&TCenikarForm::ListBox1Click));
    connect(ui->Uprav, &QPushButton::clicked, this, handler(&TCenikarForm::UpravClick));
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, handler(&TCenikarForm::UpravClick));
    connect(ui->Pridej, &QPushButton::clicked, this, handler(&TCenikarForm::PridejClick));
    connect(ui->Smaz, &QPushButton::clicked, this, handler(&TCenikarForm::SmazClick));
    connect(ui->Nahoru, &QToolButton::clicked, this, handler(&TCenikarForm::NahoruClick));
    connect(ui->Dolu, &QToolButton::clicked, this, handler(&TCenikarForm::DoluClick));
    connect(ui->verze1, &QLineEdit::textChanged, this, handler(&TCenikarForm::verze1Change));
    connect(ui->Button1, &QPushButton::clicked, this, handler(&TCenikarForm::Button1Click));
    connect(ui->Button2, &QPushButton::clicked, this, handler(&TCenikarForm::Button2Click));
    connect(ui->Button3, &QPushButton::clicked, this, handler(&TCenikarForm::Button3Click));
    addShortcuts();

    FormCreate();
}

void TCenikarForm::addShortcuts() {
    // Each key does what its button does, and only while the button may be
    // used; the buttons keep their texts, letters and places in the tab order.
    const auto as = [](QAbstractButton* button) {
        return [button] {
            if (button->isEnabled()) button->click();
        };
    };
    const auto add = [this](QKeySequence keys, QWidget* within, auto action) {
        auto* shortcut = new QShortcut(keys, within);
        // The list's keys only while the list has the focus, where the
        // selected tariff is in sight; the others wherever the focus is in
        // the window.
        shortcut->setContext(within == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Up), ui->ListBox1, as(ui->Nahoru));
    add(QKeySequence(Qt::CTRL | Qt::Key_Down), ui->ListBox1, as(ui->Dolu));
    add(QKeySequence(Qt::CTRL | Qt::Key_S), this, as(ui->Button2));
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, as(ui->Button3));
    add(QKeySequence(Qt::CTRL | Qt::Key_O), this, as(ui->Button1));
    add(QKeySequence(Qt::CTRL | Qt::Key_N), this, as(ui->Pridej));
    add(QKeySequence(Qt::Key_Delete), ui->ListBox1, as(ui->Smaz));
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });
}

TCenikarForm::~TCenikarForm() = default;

void TCenikarForm::createTariffDialog() {
    if (!Poplatky) Poplatky = new TPoplatky(prompter_, settings_.decimalSeparator(), this);
}

TPoplatky& TCenikarForm::tariffDialog() {
    createTariffDialog();
    return *Poplatky;
}

void TCenikarForm::FormCreate() {
    version_ = tariffs::EditorStartVersion;
    // The file the calculator reads, whatever the letter case of its name;
    // a new "tarif.ini" only where there is none.
    const std::optional<std::filesystem::path> existing = tariffs::findTariffFile(".");
    fileName_ = existing ? QFile::decodeName(existing->filename().c_str())
                         : QString::fromLatin1(tariffs::EditorFileName.data(), tariffs::EditorFileName.size());
    ReadPlan plan;
    ReadFindings found;
    std::optional<tariffs::FileStamp> stamp;
    try {
        plan = planRead(fileName_);
        // Taken before the read: a change while it runs shows as a change.
        stamp = tariffs::stampFile(desktop::filePath(fileName_));
        tariffs::readTariffFile(desktop::filePath(fileName_), list_, version_, plan.options, eventsInto(found));
        setCaption(fileName_);
    } catch (const tariffs::OpenError& error) {
        desktop::fatalError(prompter_, this, openFailure(fileName_, error));
    } catch (const std::exception& error) {
        // A malformed number or a read error: what was read stays and is
        // shown, and the window remembers that it holds only part of the file.
        desktop::showGeneralError(prompter_, this,
                                  desktop::messageOfReading(error, fileName_, settings_.decimalSeparator()));
        if (!plan.loss) plan.loss = lossAt(error, plan.shape, plan.options.lfEndsLines);
    }
    // Nothing of the user's is unsaved yet; a partly read file is kept safe
    // by the question before a save over it.
    saved_ = true;
    holdFile(fileName_, plan, found, stamp);
    refreshList();
    showVersion();
    warnAboutFindings(fileName_, found);
}

tariffs::ReaderEvents TCenikarForm::eventsInto(ReadFindings& found) {
    tariffs::ReaderEvents events;
    events.onCutText = [&found](std::size_t line, tariffs::LineRule) {
        if (found.cutTexts++ == 0) found.firstCut = line;
    };
    events.onSkippedLine = [&found](std::size_t line, std::string_view text, tariffs::LineRule) {
        if (found.skippedLines++ == 0) {
            found.firstSkipped = line;
            // Enough to quote, and to tell that there is more.
            found.firstSkippedText = text.substr(0, 41);
        }
    };
    events.onOverriddenLine = [&found](std::size_t overridden, std::size_t, tariffs::LineRule rule) {
        // Reported as the later line comes, so the earliest may come late.
        const bool version = rule == tariffs::LineRule::Version;
        std::size_t& count = version ? found.overriddenVersions : found.overriddenFields;
        std::size_t& first = version ? found.firstOverriddenVersion : found.firstOverriddenField;
        first = count++ == 0 ? overridden : std::min(first, overridden);
    };
    events.onSkippedColumn = [&found](std::size_t line, std::string_view text, tariffs::LineRule) {
        if (found.skippedColumns++ == 0) {
            found.firstSkippedColumn = line;
            found.firstSkippedColumnText = text.substr(0, 41);
        }
    };
    events.onTextAfterEnd = [&found](std::size_t line, std::size_t) { found.ctrlZLine = line; };
    return events;
}

void TCenikarForm::warnAboutFindings(const QString& name, const ReadFindings& found) {
    if (found.cutTexts > 0) {
        const QString where =
            (found.cutTexts == 1 ? QStringLiteral("na řádku %1") : QStringLiteral("na řádcích %1 a dalších"))
                .arg(found.firstCut);
        prompter_.warning(
            this, desktop::applicationTitle(),
            QStringLiteral("Soubor %1 obsahuje %2 text delší než 255 znaků; program z něj zná jen prvních 255.")
                .arg(name, where));
    }
    // Stored files may end at a Ctrl+Z, so it still ends the reading; text
    // after it is not silently hidden, nor dropped by a save unasked.
    if (found.ctrlZLine > 0) {
        prompter_.warning(this, desktop::applicationTitle(),
                          QStringLiteral("Soubor %1 končí na řádku %2 znakem Ctrl+Z; text za ním program nečte.")
                              .arg(name)
                              .arg(found.ctrlZLine));
    }
}

TCenikarForm::ReadPlan TCenikarForm::planRead(const QString& name) {
    ReadPlan plan{readOptions(), {}, {}};
    plan.shape = tariffs::examineTariffFile(desktop::filePath(name), plan.options);
    if (plan.shape.holdsNul) {
        prompter_.warning(this, desktop::applicationTitle(),
                          QStringLiteral("Soubor %1 obsahuje nulové bajty, není to tedy textový soubor ceníku. "
                                         "Načte se z něj jen to, co lze číst jako text, a uložit přes něj "
                                         "půjde až po potvrzení.")
                              .arg(name));
        plan.loss = QStringLiteral(
            "obsahuje nulové bajty a nebyl načten celý; uložením se ztratí vše, co z něj "
            "nebylo načteno.");
    } else if (plan.shape.lfEnded) {
        const QString question = QStringLiteral(
                                     "Soubor %1 má konce řádků jen LF (bez CR), takže je podle pravidel ceníku celý "
                                     "jediným řádkem.\n\nNačíst ho s LF jako koncem řádku? Při uložení dostane konce "
                                     "řádků CR LF.")
                                     .arg(name);
        if (prompter_.confirm(this, desktop::applicationTitle(), question, desktop::Prompter::Answer::Yes) ==
            desktop::Prompter::Answer::Yes) {
            plan.options.lfEndsLines = true;
        } else {
            plan.loss = QStringLiteral(
                "byl načten jako jediný řádek, protože má konce řádků jen LF; uložením "
                "se ztratí jeho obsah.");
        }
    }
    return plan;
}

void TCenikarForm::holdFile(const QString& name, const ReadPlan& plan, const ReadFindings& found,
                            const std::optional<tariffs::FileStamp>& stamp) {
    held_ = HeldFile{desktop::filePath(name), stamp, plan.options.lfEndsLines, plan.loss, found};
    noticedChange_.reset();
    noticedGone_ = false;
}

bool TCenikarForm::isHeldFile(const std::filesystem::path& target) const {
    namespace fs = std::filesystem;
    if (held_.path.empty()) return false;
    std::error_code ignored;
    // The same name, also when the file is gone or another program put a new
    // file in its place.
    if (fs::absolute(held_.path, ignored).lexically_normal() == fs::absolute(target, ignored).lexically_normal()) {
        return true;
    }
    if (fs::equivalent(held_.path, target, ignored)) return true;
    // The file as it was read, under another name that leads to it.
    struct stat info {};
    return held_.stamp && ::stat(target.c_str(), &info) == 0 && info.st_dev == held_.stamp->device &&
           info.st_ino == held_.stamp->inode;
}

QStringList TCenikarForm::lossesOfSaveOver(const std::filesystem::path& target) const {
    QStringList losses;
    if (!isHeldFile(target)) return losses;
    if (held_.partLoss) losses << *held_.partLoss;
    if (held_.stamp && tariffs::compareFile(*held_.stamp, held_.path, nullptr, tariffs::Comparison::Content) !=
                           tariffs::FileChange::Same) {
        losses << QStringLiteral("změny, které v souboru mezitím udělal jiný program");
    }
    const ReadFindings& found = held_.found;
    if (found.cutTexts > 0) losses << cutTextsLoss(found.cutTexts);
    if (found.skippedLines > 0) {
        losses << skippedLinesLoss(found.skippedLines, found.firstSkipped, quotedStart(found.firstSkippedText));
    }
    if (found.overriddenFields > 0) losses << overriddenFieldsLoss(found.overriddenFields, found.firstOverriddenField);
    if (found.overriddenVersions > 0) {
        losses << overriddenVersionsLoss(found.overriddenVersions, found.firstOverriddenVersion);
    }
    if (found.skippedColumns > 0) {
        losses << skippedColumnsLoss(found.skippedColumns, found.firstSkippedColumn,
                                     quotedStart(found.firstSkippedColumnText));
    }
    if (found.ctrlZLine > 0) losses << QStringLiteral("text za znakem Ctrl+Z (řádek %1)").arg(found.ctrlZLine);
    return losses;
}

void TCenikarForm::ListBox1Click() {
    // The buttons that work on the selected tariff are on exactly while one
    // is selected, so a keyboard user hears whether they would do anything.
    const bool rowSelected = selectedRow() >= 0;
    const std::initializer_list<QAbstractButton*> rowButtons{ui->Uprav, ui->Smaz, ui->Nahoru, ui->Dolu};
    for (QAbstractButton* button : rowButtons) button->setEnabled(rowSelected);
}

void TCenikarForm::UpravClick() {
    const int row = selectedRow();
    if (row < 0) return;
    tariffs::Tarifs& tariff = list_.seek(static_cast<std::size_t>(row));
    TPoplatky& dialog = tariffDialog();
    dialog.fill(tariff);
    if (prompter_.exec(dialog) == QDialog::Accepted) {
        dialog.writeBack(tariff);
        saved_ = false;
    }
    // The user goes on from the tariff just edited.
    refreshList(row);
}

void TCenikarForm::PridejClick() {
    const int selectedBefore = selectedRow();
    // The new tariff joins the end of the list while the dialog is open and
    // leaves it again when the user cancels.
    tariffs::Tarifs& added = list_.append();
    TPoplatky& dialog = tariffDialog();
    dialog.fill(added);
    const bool confirmed = prompter_.exec(dialog) == QDialog::Accepted;
    if (!confirmed) {
        list_.dropLast();
    } else {
        try {
            dialog.writeBack(list_.seek(list_.count() - 1));
        } catch (...) {
            list_.dropLast();
            throw;
        }
        saved_ = false;
    }
    // The new tariff is the one the user works on next: selected, in sight,
    // and the row buttons ready for it. Without it, the list is as it was.
    refreshList(confirmed ? static_cast<int>(list_.count()) - 1 : selectedBefore);
}

void TCenikarForm::SmazClick() {
    const int row = selectedRow();
    if (row < 0) return;
    const tariffs::Tarifs& tariff = list_.seek(static_cast<std::size_t>(row));
    const QString question =
        QStringLiteral("Opravdu smazat tarif \"%1\" ?").arg(desktop::fromCp1250(tariffs::tariffLabel(tariff)));
    // "Ne" is the default: there is no undo, and Delete followed by Enter
    // must not delete at once.
    if (prompter_.confirm(this, desktop::applicationTitle(), question, Answer::No) != Answer::Yes) {
        refreshList(row);
        return;
    }
    list_.removeAt(static_cast<std::size_t>(row));
    saved_ = false;
    // The next tariff takes the deleted one's place; after the last one, the
    // one before it.
    refreshList(std::min(row, static_cast<int>(list_.count()) - 1));
}

void TCenikarForm::NahoruClick() {
    const int row = selectedRow();
    if (row <= 0) return;
    list_.swapWithNext(static_cast<std::size_t>(row - 1));
    saved_ = false;
    refreshList(row - 1);
}

void TCenikarForm::DoluClick() {
    const int row = selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) + 1 >= list_.count()) return;
    list_.swapWithNext(static_cast<std::size_t>(row));
    saved_ = false;
    refreshList(row + 1);
}

void TCenikarForm::verze1Change(const QString& text) {
    std::string version = desktop::toCp1250(text);
    if (version == version_) return;  // the program showing the version it holds
    version_ = std::move(version);
    saved_ = false;
}

void TCenikarForm::Button1Click() {
    if (!settleUnsavedChanges()) return;
    if (prompter_.exec(*OpenDialog1) != QDialog::Accepted) return;
    const QString name = OpenDialog1->chosenFile();
    if (name.isEmpty()) return;

    // Read into a fresh list, so a file that fails leaves the open one as it was.
    tariffs::TariffList fresh(tariffs::EditorDefaults);
    std::string version = version_;
    ReadPlan plan;
    ReadFindings found;
    std::optional<tariffs::FileStamp> stamp;
    try {
        plan = planRead(name);
        stamp = tariffs::stampFile(desktop::filePath(name));
        tariffs::readTariffFile(desktop::filePath(name), fresh, version, plan.options, eventsInto(found));
    } catch (const tariffs::OpenError& error) {
        prompter_.error(this, desktop::applicationTitle(), openFailure(name, error));
        return;
    } catch (const tariffs::ConversionError& error) {
        // The open one stays; the message names the file where the number
        // reads under other regional settings.
        desktop::showGeneralError(prompter_, this,
                                  desktop::messageOfReading(error, name, settings_.decimalSeparator()));
        return;
    }
    list_ = std::move(fresh);
    version_ = std::move(version);
    fileName_ = name;
    saved_ = true;
    holdFile(fileName_, plan, found, stamp);
    setCaption(fileName_);
    refreshList();
    showVersion();
    warnAboutFindings(fileName_, found);
}

void TCenikarForm::Button2Click() { writeFile(fileName_); }

void TCenikarForm::Button3Click() { saveAs(); }

bool TCenikarForm::saveAs() {
    if (prompter_.exec(*SaveDialog1) != QDialog::Accepted) return false;
    const QString name = SaveDialog1->chosenFile();
    if (name.isEmpty()) return false;
    return writeFile(name);
}

bool TCenikarForm::FormCloseQuery() { return settleUnsavedChanges(); }

bool TCenikarForm::settleUnsavedChanges() {
    if (saved_) return true;
    const QString question = QStringLiteral("Soubor %1 byl změněn. Uložit ?").arg(fileName_);
    switch (prompter_.inform(this, desktop::applicationTitle(), question)) {
    case desktop::Prompter::Answer::Yes: return writeFile(fileName_);
    case desktop::Prompter::Answer::No: return true;
    default: return false;
    }
}

bool TCenikarForm::writeFile(const QString& name) {
    const std::filesystem::path target = desktop::filePath(name);
    // One question for everything the save would lose, which keeps the file
    // unless the user insists.
    if (const QStringList losses = lossesOfSaveOver(target); !losses.isEmpty()) {
        QString question = QStringLiteral("Uložením přes soubor %1 se ztratí:").arg(name);
        for (const QString& loss : losses) question += QStringLiteral("\n– ") + loss;
        question += QStringLiteral("\nPřesto uložit?");
        switch (prompter_.choose(this, desktop::applicationTitle(), question, QStringLiteral("&Uložit jako..."),
                                 Answer::No)) {
        case Answer::Yes: break;
        case Answer::Other: return saveAs();
        default: return false;
        }
    }
    const std::string bytes =
        tariffs::writeTariffs(list_, version_, settings_.decimalSeparator(), settings_.stamp(clock_()));
    try {
        tariffs::saveFile(target, bytes, *saveIo_);
    } catch (const tariffs::WriteError& error) {
        // The changes stay in the window; the message says what became of
        // the file.
        saved_ = false;
        restampAfterFailedSave(target, error);
        prompter_.error(this, desktop::applicationTitle(), saveFailure(error, name));
        return false;
    }
    fileName_ = name;
    saved_ = true;
    // The new file holds the list and nothing else, so a save over it loses
    // nothing until another program changes it.
    held_ = HeldFile{target, tariffs::stampFile(target), false, std::nullopt, {}};
    noticedChange_.reset();
    noticedGone_ = false;
    setCaption(fileName_);
    return true;
}

void TCenikarForm::restampAfterFailedSave(const std::filesystem::path& target, const tariffs::WriteError& error) {
    if (!held_.stamp || !isHeldFile(target)) return;
    // A save that wrote in place changed the file's times even where it put
    // the old bytes back, and left other bytes where it could not: neither is
    // another program's change for the next save to warn of. A change that
    // was there before the save stays one.
    tariffs::FileStamp now;
    const tariffs::FileChange change =
        tariffs::compareFile(*held_.stamp, held_.path, &now, tariffs::Comparison::Content);
    if (change == tariffs::FileChange::Same ||
        (change == tariffs::FileChange::Changed && error.oldFile() == tariffs::WriteError::OldFile::Damaged)) {
        held_.stamp = now;
    }
}

void TCenikarForm::FormActivate() {
    // Not while a question or a dialog is up: the window is activated again
    // when it goes.
    if (checkingFile_ || QApplication::activeModalWidget() || !held_.stamp) return;
    tariffs::FileStamp now;
    const tariffs::FileChange change = tariffs::compareFile(*held_.stamp, held_.path, &now);
    if (change == tariffs::FileChange::Same) return;
    const QScopedValueRollback busy(checkingFile_, true);
    if (change == tariffs::FileChange::Gone) {
        std::error_code ignored;
        // Still there but unreadable: nothing to offer and nothing to say;
        // a save will ask.
        if (std::filesystem::exists(held_.path, ignored) || noticedGone_) return;
        noticedGone_ = true;
        noticedChange_.reset();
        // The tariffs now live only in the window.
        saved_ = false;
        prompter_.warning(this, desktop::applicationTitle(),
                          QStringLiteral("Soubor %1 už neexistuje: jiný program ho smazal nebo přejmenoval. Tarify "
                                         "zůstávají v okně; uložením se soubor vytvoří znovu.")
                              .arg(fileName_));
        return;
    }
    noticedGone_ = false;
    if (noticedChange_ && noticedChange_->size == now.size && noticedChange_->hash == now.hash) return;
    noticedChange_ = now;
    // The user's own changes are not thrown away for another program's; the
    // question before a save tells what the save would lose.
    if (!saved_) return;
    tariffs::TariffList fresh(tariffs::EditorDefaults);
    std::string version = version_;
    ReadFindings found;
    if (!readAgainInFull(fresh, version, found)) return;
    const QString question = QStringLiteral("Soubor %1 byl změněn jiným programem. Načíst ho znovu?").arg(fileName_);
    if (prompter_.confirm(this, desktop::applicationTitle(), question, Answer::Yes) != Answer::Yes) return;
    list_ = std::move(fresh);
    version_ = std::move(version);
    saved_ = true;
    held_ = HeldFile{held_.path, now, held_.lfEndsLines, std::nullopt, found};
    noticedChange_.reset();
    refreshList();
    showVersion();
    warnAboutFindings(fileName_, found);
}

bool TCenikarForm::readAgainInFull(tariffs::TariffList& list, std::string& version, ReadFindings& found) const {
    tariffs::ReadFileOptions options = readOptions();
    // A file that went meanwhile is not made again.
    options.createIfMissing = false;
    options.lfEndsLines = held_.lfEndsLines;
    try {
        const tariffs::FileShape shape = tariffs::examineTariffFile(held_.path, options);
        if (shape.holdsNul || (shape.lfEnded && !options.lfEndsLines)) return false;
        tariffs::readTariffFile(held_.path, list, version, options, eventsInto(found));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void TCenikarForm::refreshList(int selected) {
    {
        const QSignalBlocker quiet(ui->ListBox1);
        // The view stays where the user had scrolled it.
        QScrollBar* scroll = ui->ListBox1->verticalScrollBar();
        const int position = scroll->value();
        ui->ListBox1->clear();
        QStringList rows;
        rows.reserve(static_cast<qsizetype>(list_.count()));
        list_.walk(
            [&rows](const tariffs::Tarifs& tariff) { rows << desktop::fromCp1250(tariffs::tariffLabel(tariff)); });
        ui->ListBox1->addItems(rows);
        scroll->setValue(position);
    }
    if (selected >= 0 && selected < ui->ListBox1->count()) selectRow(selected);
    ListBox1Click();
}

void TCenikarForm::selectRow(int row) {
    const QSignalBlocker quiet(ui->ListBox1);
    const QModelIndex index = ui->ListBox1->model()->index(row, 0);
    ui->ListBox1->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    // The current row goes with the focus (see eventFilter).
    if (ui->ListBox1->hasFocus()) {
        ui->ListBox1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    ui->ListBox1->scrollTo(index);
}

int TCenikarForm::selectedRow() const {
    const QModelIndexList rows = ui->ListBox1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TCenikarForm::showVersion() { FileTextValidator::fill(*ui->verze1, desktop::fromCp1250(version_)); }

void TCenikarForm::setCaption(const QString& name) {
    QString caption = QStringLiteral("Cenikar " HOVORIX_EDITOR_VERSION " - [%1]").arg(name);
    // "[*]" in a window title is the modified mark; doubling it shows it as typed.
    caption.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(caption);
}

tariffs::ReadFileOptions TCenikarForm::readOptions() const {
    return {.decimalSeparator = settings_.decimalSeparator(), .createIfMissing = true, .regularFileOnly = true};
}

bool TCenikarForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // Once the activation is through: a question may come of it.
        QMetaObject::invokeMethod(
            this, [this] { desktop::runHandler(prompter_, this, [this] { FormActivate(); }); }, Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

bool TCenikarForm::eventFilter(QObject* watched, QEvent* event) {
    // A screen reader takes the list's current row for the control that has
    // the focus, wherever the focus is. So the list has a current row only
    // while it has the focus: it becomes the selected row when the focus
    // comes back, and the selection stays as it was meanwhile.
    if (watched == ui->ListBox1 && event->type() == QEvent::FocusOut) {
        ui->ListBox1->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else if (watched == ui->ListBox1 && event->type() == QEvent::FocusIn && selectedRow() >= 0) {
        ui->ListBox1->selectionModel()->setCurrentIndex(ui->ListBox1->model()->index(selectedRow(), 0),
                                                        QItemSelectionModel::NoUpdate);
    }
    if (watched == ui->ListBox1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // With no row selected, the first Down goes to the first tariff, not
        // past it to the second; the user's selection, as with the mouse.
        if (key->key() == Qt::Key_Down && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            selectedRow() < 0 && ui->ListBox1->count() > 0) {
            ui->ListBox1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TCenikarForm::closeEvent(QCloseEvent* event) {
    // The close box's handler, under the general error handler as every other.
    bool mayClose = false;
    desktop::runHandler(prompter_, this, [this, &mayClose] { mayClose = FormCloseQuery(); });
    event->setAccepted(mayClose);
}

void TCenikarForm::keyPressEvent(QKeyEvent* event) {
    // Enter works the default button wherever the focus stands, unless the
    // focused button takes it itself.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (ui->Uprav->isEnabled()) ui->Uprav->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TCenikarForm::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* where = screen()) move(where->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

}  // namespace hovorix::editor
