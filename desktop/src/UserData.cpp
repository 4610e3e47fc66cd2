#include "desktop/UserData.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdio>
#include <filesystem>

#include "desktop/ErrorHandling.h"
#include "desktop/Prompter.h"
#include "tariffs/Errors.h"
#include "tariffs/TariffFile.h"
#include "tariffs/TariffWriter.h"

namespace hovorix::desktop {

namespace {

std::filesystem::path pathOf(const QString& name) { return std::filesystem::path(QFile::encodeName(name).toStdString()); }

// The version a file without a version line is saved with, as the editor does.
constexpr const char* UnsetVersion = "1.0";

}  // namespace

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/hovorix");
}

QString installedSampleFile() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(HOVORIX_SAMPLE_FROM_BINDIR));
}

UserDataError::UserDataError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

Seeding prepareUserDataFolder(const QString& folder, const QString& sample, const RegionalSettings& settings) {
    if (!QDir().mkpath(folder)) {
        throw UserDataError(QStringLiteral("Kritická chyba - nelze vytvořit složku \"%1\"!").arg(QDir::toNativeSeparators(folder)));
    }
    if (findCalculatorFile(pathOf(folder))) return Seeding::AlreadyThere;

    // The sample is shipped with a decimal comma. A sample that is missing or
    // unreadable leaves the folder as a new one: the calculator then says it
    // has no tariff file and the editor starts an empty one.
    TariffList list(EditorDefaults);
    std::string version = UnsetVersion;
    try {
        readTariffFile(pathOf(sample), list, version, ReadFileOptions{',', false});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: no sample tariff file copied from %s: %s\n",
                     qUtf8Printable(QCoreApplication::applicationName()), qUtf8Printable(sample),
                     qUtf8Printable(messageOf(error)));
        return Seeding::NoSample;
    }

    const QString target = QDir(folder).filePath(QString::fromLatin1(EditorFileName.data(), EditorFileName.size()));
    try {
        saveFile(pathOf(target), writeTariffs(list, version, settings.decimalSeparator(), settings.stamp()));
    } catch (const WriteError& error) {
        throw UserDataError(QStringLiteral("Kritická chyba %1 - nelze zapsat soubor \"%2\"!")
                                .arg(error.code())
                                .arg(QDir::toNativeSeparators(target)));
    }
    return Seeding::Seeded;
}

CommandLine parseCommandLine(const QStringList& arguments, const QString& description, QString& out, QString& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    // Qt's own help option speaks English; the programs speak Czech.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zobrazit tuto nápovědu."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption userData(
        QStringLiteral("user-data"),
        QStringLiteral("Pracovat ve složce uživatelských dat (%1) místo aktuální složky; "
                       "při prvním spuštění do ní zapsat ukázkový ceník.")
            .arg(QDir::toNativeSeparators(userDataFolder())));
    parser.addOption(userData);

    const QString program = arguments.isEmpty() ? QCoreApplication::applicationName() : arguments.constFirst();
    const QString seeHelp = QStringLiteral("\nNápověda: %1 --help\n").arg(program);
    CommandLine line;
    if (!parser.parse(arguments)) {
        err = parser.errorText() + seeHelp;
        line.exitStatus = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        err = QStringLiteral("Neočekávaný argument '%1'.").arg(parser.positionalArguments().constFirst()) + seeHelp;
        line.exitStatus = 2;
    } else if (parser.isSet(help)) {
        out = parser.helpText();
        line.exitStatus = 0;
    } else if (parser.isSet(version)) {
        out = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        line.exitStatus = 0;
    }
    line.userData = parser.isSet(userData);
    return line;
}

std::optional<int> applyCommandLine(const QStringList& arguments, const QString& description, Prompter& prompter) {
    QString out;
    QString err;
    const CommandLine line = parseCommandLine(arguments, description, out, err);
    std::fputs(qUtf8Printable(out), stdout);
    std::fputs(qUtf8Printable(err), stderr);
    if (line.exitStatus) return line.exitStatus;

    if (line.userData) {
        const QString folder = userDataFolder();
        try {
            prepareUserDataFolder(folder, installedSampleFile(), RegionalSettings());
        } catch (const UserDataError& error) {
            fatalError(prompter, nullptr, error.message());
        }
        if (!QDir::setCurrent(folder)) {
            fatalError(prompter, nullptr,
                       QStringLiteral("Kritická chyba - nelze otevřít složku \"%1\"!").arg(QDir::toNativeSeparators(folder)));
        }
    }
    return std::nullopt;
}

}  // namespace hovorix::desktop
