// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>

#include <cstddef>
#include <optional>

#include "tariffs/TariffList.h"

namespace hovorix::calculator {

// The tariff the user has now, as "Volba tarifu" keeps it: by its label and
// by which of the tariffs with that label it is, so that it is found again
// in a file that was reordered or read again.
struct KeptTariff {
    QString label;       // "PROVIDER-NAME", as the page shows it
    int occurrence = 0;  // 0: the first tariff of the file with that label

    bool operator==(const KeptTariff&) const = default;
};

// The kept tariff of the tariff at the position.
KeptTariff keptTariffOf(const tariffs::TariffList& list, std::size_t index);
// Its position in the list; none when the file no longer holds it.
std::optional<std::size_t> findKeptTariff(const tariffs::TariffList& list, const KeptTariff& kept);

// The choice between runs: tarif.conf in the per-user data folder (Qt's
// settings in INI form), one entry for each tariff file, by the file's
// absolute path. Nothing is written until the user picks a tariff.
class CurrentTariffSetting {
public:
    // An empty settingsFile keeps nothing.
    CurrentTariffSetting(QString settingsFile, QString tariffFile);

    // tarif.conf in the per-user data folder; empty without one.
    static QString defaultFile();

    const QString& settingsFile() const { return settingsFile_; }
    const QString& tariffFile() const { return tariffFile_; }

    // What was kept for the tariff file; none when nothing (or "neuvedeno").
    std::optional<KeptTariff> read() const;
    // Keeps the choice, none removing the file's entry; false when the
    // settings file cannot be written (or none is kept).
    bool write(const std::optional<KeptTariff>& kept) const;

private:
    QString settingsFile_;
    QString tariffFile_;
};

}  // namespace hovorix::calculator
