// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>

#include <filesystem>
#include <optional>

#include "calls/CallList.h"

class QWidget;

namespace hovorix::calculator {

// Reads a call list in slices, telling a progress dialog how far it got. The
// dialog shows only when reading looks to take longer than a moment, and its
// button (or Escape) cancels the reading; while it shows, the window behind
// it takes no input.
class CallListLoader {
public:
    // How long the reading must look to take before the dialog shows.
    static constexpr int DefaultMinimumDuration = 500;  // ms

    explicit CallListLoader(QWidget* parent, int minimumDuration = DefaultMinimumDuration)
        : parent_(parent), minimumDuration_(minimumDuration) {}

    // The list's tally; nullopt when the user cancelled. Throws
    // calls::CallListError for a list that cannot be used.
    std::optional<calls::CallTally> read(const std::filesystem::path& file, const QString& shownName,
                                         const calls::PrefixTable& prefixes,
                                         const calls::ReadOptions& options = {}) const;

private:
    QWidget* parent_;
    int minimumDuration_;
};

}  // namespace hovorix::calculator
