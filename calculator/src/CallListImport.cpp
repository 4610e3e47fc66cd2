// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/CallListImport.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTimer>
#include <QUrl>

#include "calculator/CallListDialog.h"
#include "calculator/CallListLoader.h"
#include "desktop/ErrorHandling.h"
#include "desktop/FileNames.h"
#include "desktop/Prompter.h"

namespace hovorix::calculator {

namespace {

// The one local file a drag carries; empty for anything else.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

QString shown(const QString& file) { return QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()); }

// row: the row refused as the file writes it, quoted beside its line.
QString withLine(const QString& what, const QString& file, std::size_t line, const std::exception& error,
                 const std::string& row = {}) {
    const QString text = desktop::messageOf(error);
    if (line == 0) return QStringLiteral("%1 %2 nelze použít:\n%3").arg(what, shown(file), text);
    const QString where =
        row.empty() ? QString::number(line) : QStringLiteral("%1 („%2“)").arg(line).arg(QString::fromStdString(row));
    return QStringLiteral("%1 %2 nelze použít, chyba je na řádku %3:\n%4").arg(what, shown(file), where, text);
}

}  // namespace

CallListImport::CallListImport(QWidget& window, QWidget& inputPage, desktop::Prompter& prompter,
                               std::filesystem::path tariffFolder, Fill fill, QLocale locale)
    : QObject(&window),
      window_(window),
      prompter_(prompter),
      tariffFolder_(std::move(tariffFolder)),
      fill_(std::move(fill)),
      locale_(std::move(locale)) {
    auto* action = new QAction(QStringLiteral("&Načíst minuty z výpisu hovorů..."), &window);
    action->setObjectName(QStringLiteral("NacistVypis"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    connect(action, &QAction::triggered, this, &CallListImport::chooseAndRead);
    // The page's own context menu; the minute fields keep their edit menu.
    inputPage.setContextMenuPolicy(Qt::ActionsContextMenu);
    inputPage.addAction(action);

    // A file dropped anywhere on the window; the fields' own edit boxes
    // would otherwise take its name as text.
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->window() == &window && child->acceptDrops()) child->installEventFilter(this);
    }
}

CallListImport::~CallListImport() = default;

void CallListImport::chooseAndRead() {
    if (busy_) return;
    // Made when first needed and kept, so it opens where the user last was.
    if (fileDialog_ == nullptr) {
        fileDialog_ = new QFileDialog(&window_, QStringLiteral("Vyberte výpis hovorů"), QDir::currentPath());
        fileDialog_->setObjectName(QStringLiteral("VypisDialog"));
        // Qt's own dialog everywhere, as the editor's, so it looks and behaves the same on every desktop.
        fileDialog_->setOption(QFileDialog::DontUseNativeDialog);
        fileDialog_->setAcceptMode(QFileDialog::AcceptOpen);
        fileDialog_->setFileMode(QFileDialog::ExistingFile);
        fileDialog_->setNameFilters(
            {QStringLiteral("Výpisy hovorů (*.csv *.txt *.tsv)"), QStringLiteral("Všechny soubory (*)")});
    }
    if (prompter_.exec(*fileDialog_) != QDialog::Accepted) return;
    const QStringList files = fileDialog_->selectedFiles();
    if (!files.isEmpty()) read(files.constFirst());
}

void CallListImport::refuse(QWidget* parent, const QString& text) {
    prompter_.error(parent, desktop::applicationTitle(), text);
}

std::optional<calls::CallTally> CallListImport::load(const QString& file, QWidget* parent,
                                                     const std::string& subscriber) {
    // Opening a pipe or a device would wait for data that may never come.
    const QFileInfo info(file);
    if (info.exists() && !info.isFile()) {
        refuse(parent, QStringLiteral("Výpis hovorů %1 nelze použít:\nNení to soubor.").arg(shown(file)));
        return std::nullopt;
    }
    calls::PrefixTable prefixes;
    const std::optional<std::filesystem::path> prefixFile = calls::findPrefixFile(tariffFolder_);
    try {
        prefixes = prefixFile ? calls::loadPrefixTable(*prefixFile) : calls::defaultPrefixTable();
    } catch (const calls::PrefixFileError& error) {
        refuse(parent, withLine(QStringLiteral("Soubor předvoleb"), QFile::decodeName(prefixFile->c_str()),
                                error.line(), error));
        return std::nullopt;
    }
    try {
        return CallListLoader(parent).read(desktop::filePath(file), info.fileName(), prefixes, {subscriber});
    } catch (const calls::CallListError& error) {
        refuse(parent, withLine(QStringLiteral("Výpis hovorů"), file, error.line(), error, error.row()));
        return std::nullopt;
    }
}

std::optional<calls::CallTally> CallListImport::loadFirstSubscriber(const QString& file, QWidget* parent) {
    std::optional<calls::CallTally> tally = load(file, parent);
    // Calls of two SIMs summed would be nobody's usage.
    if (tally && tally->subscribers.size() >= 2) tally = load(file, parent, tally->subscribers.front().number);
    return tally;
}

void CallListImport::read(const QString& file) {
    if (busy_) return;
    const QScopedValueRollback busy(busy_, true);
    desktop::runHandler(prompter_, &window_, [&] {
        std::optional<calls::CallTally> tally = loadFirstSubscriber(file, &window_);
        if (!tally) return;
        CallListDialog dialog(std::move(*tally), file, prompter_, &window_, locale_);
        dialog.setSubscriberReader(
            [this, file, &dialog](const std::string& subscriber) { return load(file, &dialog, subscriber); });
        if (prompter_.exec(dialog) == QDialog::Accepted) fill_(dialog.usage(), dialog.summary(), file);
    });
}

void CallListImport::fillAtStart(const QString& file) {
    // The core's message when the counts do not fit the fields, as any other.
    desktop::runHandler(prompter_, nullptr, [&] {
        const std::optional<calls::CallTally> tally = loadFirstSubscriber(file, nullptr);
        if (!tally) return;
        const calls::CallSummary summary = calls::summarise(*tally, {});
        fill_(calls::usageFrom(summary), summary, file);
    });
}

bool CallListImport::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFile(drag->mimeData()).isEmpty() || busy_) break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = droppedFile(drop->mimeData());
        if (file.isEmpty() || busy_) break;
        drop->acceptProposedAction();
        // The dialogs wait until the drag has ended; the program that the
        // file came from waits for the drop to be taken first.
        QTimer::singleShot(0, this, [this, file] { read(file); });
        return true;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace hovorix::calculator
