// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "desktop/ErrorHandling.h"
#include "desktop/RegionalSettings.h"
#include "desktop/UserData.h"
#include "hovorix/Version.h"

namespace hovorix::desktop {

namespace {

struct Options {
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption userData{QStringLiteral("user-data")};
    QCommandLineOption calls{QStringLiteral("calls"), QString(), QStringLiteral("SOUBOR")};
};

// Qt's own help text mixes in English and needs the application to exist;
// this one is the programs' own.
QString helpText(const ProgramInfo& program) {
    return QStringLiteral(
               "Použití: %1 [volby]\n"
               "%2\n"
               "\n"
               "Volby:\n"
               "  -h, --help     Zobrazit tuto nápovědu.\n"
               "  -v, --version  Zobrazit verzi programu.\n"
               "  --user-data    Pracovat ve složce uživatelských dat místo aktuální složky;\n"
               "                 při prvním spuštění do ní zapsat ukázkový ceník.\n"
               "                 Složka: %3\n%4")
        .arg(program.name, program.description, QDir::toNativeSeparators(userDataFolder()),
             program.takesCallList
                 ? QStringLiteral("  --calls SOUBOR Vyplnit minuty z výpisu hovorů (CSV) ještě před prvním\n"
                                  "                 výpočtem poplatků.\n")
                 : QString());
}

void print(const QString& text, std::FILE* stream) {
    if (!text.isEmpty()) std::fputs(qUtf8Printable(text), stream);
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, const ProgramInfo& program, QString& out, QString& err) {
    const Options options;
    QCommandLineParser parser;
    parser.addOptions({options.help, options.version, options.userData});
    if (program.takesCallList) parser.addOption(options.calls);

    const QString seeHelp = QStringLiteral("\nNápověda: %1 --help\n").arg(program.name);
    CommandLine line;
    if (!parser.parse(arguments)) {
        err = parser.errorText() + seeHelp;
        line.exitStatus = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        err = QStringLiteral("Neočekávaný argument '%1'.").arg(parser.positionalArguments().constFirst()) + seeHelp;
        line.exitStatus = 2;
    } else if (parser.isSet(options.help)) {
        out = helpText(program);
        line.exitStatus = 0;
    } else if (parser.isSet(options.version)) {
        out = QStringLiteral("%1 %2\n").arg(program.name, QStringLiteral(HOVORIX_VERSION));
        line.exitStatus = 0;
    }
    line.userData = parser.isSet(options.userData);
    if (program.takesCallList && parser.isSet(options.calls)) {
        line.callList = QFileInfo(parser.value(options.calls)).absoluteFilePath();
    }
    return line;
}

std::optional<int> answerWithoutDisplay(int argc, const char* const* argv, const ProgramInfo& program) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QString out;
    QString err;
    const CommandLine line = parseCommandLine(arguments, program, out, err);
    if (line.exitStatus != 0) return std::nullopt;
    print(out, stdout);
    return line.exitStatus;
}

CommandLine applyCommandLine(const QStringList& arguments, const ProgramInfo& program, Prompter& prompter) {
    QString out;
    QString err;
    const CommandLine line = parseCommandLine(arguments, program, out, err);
    print(out, stdout);
    print(err, stderr);
    if (line.exitStatus) return line;

    if (line.userData) {
        const QString folder = userDataFolder();
        if (folder.isEmpty())
            fatalError(prompter, nullptr, QStringLiteral("Kritická chyba - nelze zjistit domovskou složku!"));
        try {
            prepareUserDataFolder(folder, installedSampleFile(), RegionalSettings());
        } catch (const UserDataError& error) {
            fatalError(prompter, nullptr, error.message());
        }
        if (!QDir::setCurrent(folder)) {
            fatalError(
                prompter, nullptr,
                QStringLiteral("Kritická chyba - nelze otevřít složku \"%1\"!").arg(QDir::toNativeSeparators(folder)));
        }
    }
    return line;
}

}  // namespace hovorix::desktop
