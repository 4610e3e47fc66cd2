// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "editor/TariffFileDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>

#include "desktop/Prompter.h"

namespace hovorix::editor {

TariffFileDialog::TariffFileDialog(Purpose purpose, const QString& title, desktop::Prompter& prompter, QWidget* parent)
    : QFileDialog(parent, title, QDir::currentPath()), purpose_(purpose), prompter_(prompter) {
    // Qt's own dialog everywhere, so it looks and behaves the same on every desktop.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(purpose == Purpose::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // Opening a name that does not exist yet starts a new tariff file.
    setFileMode(QFileDialog::AnyFile);
    setNameFilters({QStringLiteral("INI soubory (*.ini)"), QStringLiteral("Všechny soubory (*)")});
    // Qt's dialog would add the extension to an existing name too; opening
    // adds it itself, only to a new name.
    if (purpose == Purpose::Save) setDefaultSuffix(QStringLiteral("ini"));
}

QString TariffFileDialog::withExtension(const QString& selected) const {
    if (purpose_ != Purpose::Open) return selected;
    const QFileInfo typed(selected);
    if (typed.exists() || typed.isSymLink() || typed.fileName().contains(u'.')) return selected;
    return selected + QStringLiteral(".ini");
}

QString TariffFileDialog::chosenFile() const {
    const QStringList files = selectedFiles();
    if (files.isEmpty()) return {};
    // With nothing typed the dialog answers with its folder, which is no file.
    if (QFileInfo(files.first()).isDir()) return {};
    return withExtension(files.first());
}

bool TariffFileDialog::isReadOnly(const QString& file) {
    const QFileInfo info(file);
    const auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(info.permissions() & anyWrite) || !info.isWritable();
}

void TariffFileDialog::accept() {
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
        const QFileInfo chosen(withExtension(files.first()));
        if (!chosen.isDir()) {
            const QString folder = QDir::toNativeSeparators(chosen.absolutePath());
            if (!QFileInfo(chosen.absolutePath()).isDir()) {
                prompter_.error(
                    this, windowTitle(),
                    QStringLiteral("Složka %1 neexistuje.\nZkontrolujte, zda je cesta zadána správně.").arg(folder));
                return;
            }
            if (purpose_ == Purpose::Open && chosen.exists() && isReadOnly(chosen.filePath())) {
                prompter_.error(this, windowTitle(),
                                QStringLiteral("Soubor %1 je jen pro čtení.\nZvolte jiný soubor.")
                                    .arg(QDir::toNativeSeparators(chosen.absoluteFilePath())));
                return;
            }
        }
    }
    QFileDialog::accept();
}

void TariffFileDialog::hideEvent(QHideEvent* event) {
    // Enter on a name typed while its completion list shows goes through the
    // list to the name field and closes the dialog, but the list itself is a
    // window of its own, which stays and keeps the keyboard from the editor.
    for (const QCompleter* completer : findChildren<QCompleter*>()) {
        if (QAbstractItemView* list = completer->popup(); list && list->isVisible()) list->hide();
    }
    QFileDialog::hideEvent(event);
}

}  // namespace hovorix::editor
