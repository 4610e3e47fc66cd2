// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QString>

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "Versions.h"
#include "desktop/CommandLine.h"
#include "desktop/UserData.h"
#include "tariffs/TariffFile.h"

using namespace hovorix;
using namespace hovorix::desktop;

namespace {

QString qPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

struct ReadBack {
    tariffs::TariffList list{tariffs::EditorDefaults};
    std::string version;
};

ReadBack readWith(const std::filesystem::path& path, char separator) {
    ReadBack file;
    tariffs::readTariffFile(path, file.list, file.version, tariffs::ReadFileOptions{separator, false});
    return file;
}

}  // namespace

TEST(UserDataFolder, TheFirstStartGetsTheSampleInTheUsersOwnNumberFormat) {
    const ReadBack sample = readWith(HOVORIX_SAMPLE, ',');
    ASSERT_GT(sample.list.count(), 0u);

    struct Case {
        QLocale locale;
        char separator;
    };
    for (const Case& c : {Case{QLocale(QLocale::Czech, QLocale::CzechRepublic), ','},
                          Case{QLocale(QLocale::English, QLocale::UnitedStates), '.'}}) {
        SCOPED_TRACE(c.locale.name().toStdString());
        TemporaryFolder home;
        const std::filesystem::path folder = home / "share/hovorix";  // parents do not exist yet
        EXPECT_EQ(prepareUserDataFolder(qPath(folder), HOVORIX_SAMPLE, RegionalSettings(c.locale)), Seeding::Seeded);

        // Written as "tarif.ini", which both programs find.
        const auto found = tariffs::findTariffFile(folder);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->filename(), "tarif.ini");
        const ReadBack copy = readWith(*found, c.separator);
        EXPECT_EQ(copy.list, sample.list);
        EXPECT_EQ(copy.version, sample.version);

        // A second start leaves the user's file as it is, edits included.
        writeBytes(*found, readBytes(*found) + "provider EUROTEL\r\ntarif Upraveno\r\n");
        const std::string edited = readBytes(*found);
        EXPECT_EQ(prepareUserDataFolder(qPath(folder), HOVORIX_SAMPLE, RegionalSettings(c.locale)),
                  Seeding::AlreadyThere);
        EXPECT_EQ(readBytes(*found), edited);
    }
}

TEST(UserDataFolder, AnyTariffFileTheCalculatorWouldReadIsKept) {
    for (const char* name : {"tarif.ini", "Tarif.ini", "TARIF.INI"}) {
        SCOPED_TRACE(name);
        TemporaryFolder folder;
        writeBytes(folder / name, "verze 7\r\n");
        EXPECT_EQ(prepareUserDataFolder(qPath(folder.path()), HOVORIX_SAMPLE, RegionalSettings()),
                  Seeding::AlreadyThere);
        EXPECT_EQ(readBytes(folder / name), "verze 7\r\n");
        EXPECT_EQ(
            std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
            1);
    }

    // A folder the user may enter and write but not list.
    TemporaryFolder folder;
    writeBytes(folder / "tarif.ini", "verze 7\r\n");
    EXPECT_TRUE(asUnprivilegedUser(folder.path(), [&] {
        std::filesystem::permissions(folder.path(),
                                     std::filesystem::perms::owner_write | std::filesystem::perms::owner_exec);
        return prepareUserDataFolder(qPath(folder.path()), HOVORIX_SAMPLE, RegionalSettings()) ==
                   Seeding::AlreadyThere &&
               readBytes(folder / "tarif.ini") == "verze 7\r\n";
    }));
}

TEST(UserDataFolder, WithoutAUsableSampleTheFolderStaysEmpty) {
    TemporaryFolder folder;
    writeBytes(folder / "broken.ini", "provider PAEGAS\r\ntarif X\r\nsluzba telefon 1,2,3\r\n");
    for (const std::filesystem::path& sample : {folder / "missing.ini", folder / "broken.ini"}) {
        SCOPED_TRACE(sample.string());
        const std::filesystem::path target = folder / "data";
        EXPECT_EQ(prepareUserDataFolder(qPath(target), qPath(sample), RegionalSettings()), Seeding::NoSample);
        EXPECT_TRUE(std::filesystem::is_directory(target));
        EXPECT_TRUE(std::filesystem::is_empty(target));
    }
}

TEST(UserDataFolder, AFolderThatCannotBeMadeOrWrittenIsAnError) {
    TemporaryFolder home;
    writeBytes(home / "file", "");
    try {
        prepareUserDataFolder(qPath(home / "file/hovorix"), HOVORIX_SAMPLE, RegionalSettings());
        ADD_FAILURE() << "a folder under a file was made";
    } catch (const UserDataError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Kritická chyba - nelze vytvořit složku \"%1\"!").arg(qPath(home / "file/hovorix")));
    }

    // A folder the user may not write into: nothing is left behind in it.
    std::filesystem::create_directory(home / "locked");
    EXPECT_TRUE(asUnprivilegedUser(home / "locked", [&] {
        std::filesystem::permissions(home / "locked",
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        try {
            prepareUserDataFolder(qPath(home / "locked"), HOVORIX_SAMPLE, RegionalSettings());
            return false;
        } catch (const UserDataError& error) {
            return error.message() == QStringLiteral("Kritická chyba 13 - nelze zapsat soubor \"%1\"!")
                                          .arg(qPath(home / "locked/tarif.ini")) &&
                   std::filesystem::is_empty(home / "locked");
        }
    }));
}

namespace {

// Sets or unsets an environment variable for as long as it lives.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value) {
            qputenv(name, value);
        } else {
            qunsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

}  // namespace

// Started without HOME (from a service, a cron job, su without a login),
// the folder is still in the user's own home folder, as the user database
// gives it, never under the root folder.
TEST(UserDataFolder, WithoutHomeItIsInTheUsersOwnHomeFolder) {
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const QString own = QDir::cleanPath(QFile::decodeName(user->pw_dir) + QStringLiteral("/.local/share/hovorix"));
    const struct {
        const char* home;  // nullptr: unset
        const char* dataHome;
        QString folder;
    } cases[] = {
        {nullptr, nullptr, own},
        {"", nullptr, own},
        {nullptr, "relative/data", own},
        {nullptr, "/srv/data", QStringLiteral("/srv/data/hovorix")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.home ? c.home : "(unset)");
        const ScopedEnvironment home("HOME", c.home);
        const ScopedEnvironment dataHome("XDG_DATA_HOME", c.dataHome);
        EXPECT_EQ(userDataFolder(), c.folder);
        EXPECT_FALSE(userDataFolder().startsWith(QStringLiteral("/.local"))) << userDataFolder().toStdString();
    }
}

TEST(CommandLine, EachProgramTakesHelpVersionAndTheUserDataFolder) {
    struct Case {
        QStringList arguments;
        std::optional<int> exitStatus;
        bool userData;
        const char* out;  // a piece of what is printed, or ""
        const char* err;
    };
    const std::string version = std::string("tarif ") + versions::Package;
    const Case cases[] = {
        {{"tarif"}, std::nullopt, false, "", ""},
        {{"tarif", "--user-data"}, std::nullopt, true, "", ""},
        {{"tarif", "--help"}, 0, false, "--user-data", ""},
        {{"tarif", "-h"}, 0, false, "Zobrazit tuto", ""},
        {{"tarif", "--version"}, 0, false, version.c_str(), ""},
        {{"tarif", "--bogus"}, 2, false, "", "--help"},
        {{"tarif", "tarif.ini"}, 2, false, "", "'tarif.ini'"},
        {{"tarif", "--user-data", "--help"}, 0, true, "--version", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QString out;
        QString err;
        const CommandLine line =
            parseCommandLine(c.arguments, ProgramInfo{QStringLiteral("tarif"), QStringLiteral("Popis")}, out, err);
        EXPECT_EQ(line.exitStatus, c.exitStatus);
        EXPECT_EQ(line.userData, c.userData);
        EXPECT_EQ(out.isEmpty(), *c.out == 0) << out.toStdString();
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.out))) << out.toStdString();
        EXPECT_EQ(err.isEmpty(), *c.err == 0) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.err))) << err.toStdString();
    }
}

// --calls only where the program takes it, and the list named against the
// folder the program started in, which --user-data leaves.
TEST(CommandLine, TheCalculatorTakesACallList) {
    const ProgramInfo calculator{QStringLiteral("tarif"), QStringLiteral("Popis"), true};
    const ProgramInfo editor{QStringLiteral("Cenikar"), QStringLiteral("Popis")};
    QString out;
    QString err;
    const CommandLine line = parseCommandLine({"tarif", "--user-data", "--calls", "vypis.csv"}, calculator, out, err);
    EXPECT_EQ(line.exitStatus, std::nullopt);
    EXPECT_EQ(line.callList, QDir::current().absoluteFilePath(QStringLiteral("vypis.csv")));
    parseCommandLine({"tarif", "--help"}, calculator, out, err);
    EXPECT_TRUE(out.contains(QStringLiteral("--calls SOUBOR"))) << out.toStdString();
    EXPECT_EQ(parseCommandLine({"Cenikar", "--calls", "vypis.csv"}, editor, out, err).exitStatus, 2);
}
