// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

#include "TestFiles.h"

namespace clitest {

struct Result {
    int exitCode = -1;
    std::string out;  // UTF-8, as the terminal gets it
    std::string err;
};

// Runs tarif-cli under the given locale, nothing else of the caller's
// regional settings leaking in.
inline Result run(const QStringList& arguments, const QString& locale = QStringLiteral("cs_CZ.UTF-8")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LANGUAGE", "LC_NUMERIC", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARIF_CLI), arguments);
    if (!process.waitForFinished(30000)) return {};
    Result result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

// Writes a file of these bytes into the folder; gives its path.
inline std::string write(const QTemporaryDir& folder, const char* name, const std::string& bytes) {
    const std::string path = folder.filePath(QString::fromLatin1(name)).toStdString();
    writeBytes(path, bytes);
    return path;
}

}  // namespace clitest
