// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/CurrentTariff.h"

#include <QDir>
#include <QSettings>

#include <utility>
#include <vector>

#include "desktop/Cp1250.h"
#include "desktop/UserData.h"

namespace hovorix::calculator {

namespace {

// The settings' words: an array of entries, each a tariff file and its tariff.
const QString Entries = QStringLiteral("currentTariff");
const QString FileKey = QStringLiteral("file");
const QString LabelKey = QStringLiteral("label");
const QString OccurrenceKey = QStringLiteral("occurrence");

struct Entry {
    QString file;
    KeptTariff kept;
};

std::vector<Entry> entriesOf(QSettings& settings) {
    std::vector<Entry> entries;
    const int count = settings.beginReadArray(Entries);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        Entry entry;
        entry.file = settings.value(FileKey).toString();
        entry.kept.label = settings.value(LabelKey).toString();
        bool whole = false;
        entry.kept.occurrence = settings.value(OccurrenceKey).toInt(&whole);
        // An entry edited into something else is no choice.
        if (!entry.file.isEmpty() && !entry.kept.label.isEmpty() && whole && entry.kept.occurrence >= 0) {
            entries.push_back(std::move(entry));
        }
    }
    settings.endArray();
    return entries;
}

}  // namespace

KeptTariff keptTariffOf(const tariffs::TariffList& list, std::size_t index) {
    const std::string& label = tariffs::tariffLabel(list.seek(index));
    KeptTariff kept{desktop::fromCp1250(label), 0};
    for (std::size_t i = 0; i < index; ++i) {
        if (tariffs::tariffLabel(list.seek(i)) == label) ++kept.occurrence;
    }
    return kept;
}

std::optional<std::size_t> findKeptTariff(const tariffs::TariffList& list, const KeptTariff& kept) {
    int seen = 0;
    for (std::size_t i = 0; i < list.count(); ++i) {
        if (desktop::fromCp1250(tariffs::tariffLabel(list.seek(i))) != kept.label) continue;
        if (seen++ == kept.occurrence) return i;
    }
    return std::nullopt;
}

CurrentTariffSetting::CurrentTariffSetting(QString settingsFile, QString tariffFile)
    : settingsFile_(std::move(settingsFile)), tariffFile_(std::move(tariffFile)) {}

QString CurrentTariffSetting::defaultFile() {
    const QString folder = desktop::userDataFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("tarif.conf"));
}

std::optional<KeptTariff> CurrentTariffSetting::read() const {
    if (settingsFile_.isEmpty()) return std::nullopt;
    QSettings settings(settingsFile_, QSettings::IniFormat);
    for (const Entry& entry : entriesOf(settings)) {
        if (entry.file == tariffFile_) return entry.kept;
    }
    return std::nullopt;
}

bool CurrentTariffSetting::write(const std::optional<KeptTariff>& kept) const {
    if (settingsFile_.isEmpty()) return false;
    QSettings settings(settingsFile_, QSettings::IniFormat);
    // The other files' entries as they are, this file's replaced.
    std::vector<Entry> entries = entriesOf(settings);
    std::erase_if(entries, [this](const Entry& entry) { return entry.file == tariffFile_; });
    if (kept) entries.push_back({tariffFile_, *kept});
    settings.remove(Entries);
    settings.beginWriteArray(Entries, static_cast<int>(entries.size()));
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const Entry& entry = entries[static_cast<std::size_t>(i)];
        settings.setArrayIndex(i);
        settings.setValue(FileKey, entry.file);
        settings.setValue(LabelKey, entry.kept.label);
        settings.setValue(OccurrenceKey, entry.kept.occurrence);
    }
    settings.endArray();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace hovorix::calculator
