// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>
#include <stdexcept>

#include "desktop/RegionalSettings.h"

namespace hovorix::desktop {

// Both programs read their tariff file from the current folder. Started from
// the desktop menu, that folder is wherever the desktop chooses, so the menu
// entries ask for a folder of the user's own instead: the per-user data
// folder, which receives a copy of the shipped sample tariff file the first
// time, so that a new user sees tariffs straight away.

// $XDG_DATA_HOME/hovorix, normally ~/.local/share/hovorix; without HOME, the
// home folder is the user's entry in the user database. Empty when there is
// no home folder but the root folder.
QString userDataFolder();

// The sample tariff file installed with the programs, found from the
// program's own folder so that an installation may be moved as a whole.
QString installedSampleFile();

class UserDataError : public std::runtime_error {
public:
    explicit UserDataError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

enum class Seeding {
    // The folder already held a tariff file, which is left as it is.
    AlreadyThere,
    // The sample was written into the folder.
    Seeded,
    // There was no sample to copy (or it could not be read); the folder
    // stays without a tariff file, as a folder of the user's choosing would.
    NoSample,
};

// Creates the folder when needed and, when it holds no tariff file, writes
// the sample there: read as it is shipped, with a decimal comma, and written
// with the separator of the user's regional settings, so that the programs,
// which read numbers that way, can read it. Throws UserDataError when the
// folder cannot be created or the copy cannot be written.
Seeding prepareUserDataFolder(const QString& folder, const QString& sample, const RegionalSettings& settings);

}  // namespace hovorix::desktop
