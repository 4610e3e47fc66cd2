// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/UserData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "desktop/ErrorHandling.h"
#include "desktop/FileNames.h"
#include "tariffs/Errors.h"
#include "tariffs/TariffFile.h"
#include "tariffs/TariffWriter.h"

namespace hovorix::desktop {

QString userDataFolder() {
    // Without HOME, Qt would take the root folder for the home folder (and
    // so "/.local/share"); the home folder meant is the one the user
    // database gives the user.
    if (qEnvironmentVariableIsEmpty("HOME") && !qEnvironmentVariable("XDG_DATA_HOME").startsWith(u'/')) {
        const passwd* entry = ::getpwuid(::geteuid());
        const QString home =
            entry != nullptr && entry->pw_dir != nullptr ? QFile::decodeName(entry->pw_dir) : QString();
        if (home.isEmpty() || QDir(home).isRoot()) return {};
        return QDir::cleanPath(home + QStringLiteral("/.local/share/hovorix"));
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/hovorix");
}

QString installedSampleFile() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(HOVORIX_SAMPLE_FROM_BINDIR));
}

UserDataError::UserDataError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

Seeding prepareUserDataFolder(const QString& folder, const QString& sample, const RegionalSettings& settings) {
    if (!QDir().mkpath(folder)) {
        throw UserDataError(
            QStringLiteral("Kritická chyba - nelze vytvořit složku \"%1\"!").arg(QDir::toNativeSeparators(folder)));
    }
    // Whatever tariff file the programs would use is the user's and is never
    // written over, also in a folder that may not be listed.
    if (tariffs::findTariffFile(filePath(folder))) return Seeding::AlreadyThere;
    const QString target =
        QDir(folder).filePath(QString::fromLatin1(tariffs::EditorFileName.data(), tariffs::EditorFileName.size()));

    // The sample is shipped with a decimal comma. A sample that is missing or
    // unreadable leaves the folder as a new one: the calculator then says it
    // has no tariff file and the editor starts an empty one.
    tariffs::TariffList list(tariffs::EditorDefaults);
    std::string version(tariffs::EditorStartVersion);
    try {
        tariffs::readTariffFile(filePath(sample), list, version, tariffs::ReadFileOptions{',', false});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: no sample tariff file copied from %s: %s\n",
                     qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(sample),
                     qUtf8Printable(messageOf(error)));
        return Seeding::NoSample;
    }

    try {
        tariffs::saveFile(filePath(target),
                          tariffs::writeTariffs(list, version, settings.decimalSeparator(), settings.stamp()));
    } catch (const tariffs::WriteError& error) {
        throw UserDataError(QStringLiteral("Kritická chyba %1 - nelze zapsat soubor \"%2\"!")
                                .arg(error.code())
                                .arg(QDir::toNativeSeparators(target)));
    }
    return Seeding::Seeded;
}

}  // namespace hovorix::desktop
