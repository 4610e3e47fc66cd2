// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

#include "CliProcess.h"
#include "TestFiles.h"
#include "cli/ErrorReport.h"

namespace {

std::string inFolder(const QTemporaryDir& folder, const char* name) {
    return folder.filePath(QString::fromLatin1(name)).toStdString();
}

// What the stream got, read back from the start.
std::string contentOf(std::FILE* stream) {
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    for (int c; (c = std::fgetc(stream)) != EOF;) text += static_cast<char>(c);
    return text;
}

}  // namespace

// A number of a Windows-1250 tariff file is quoted as the letters it stands
// for, and the monthly minutes of a call list that no field holds are said
// in Czech, on a terminal as in the windowed programs.
TEST(TarifCliMessages, ShowTheirTextAsUtf8) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string tariffs = inFolder(folder, "tarif.ini");
    writeBytes(tariffs, "provider A\r\ntarif B\r\nsluzba telefon 15 K\xE8\x81\r\n");
    const std::string good = inFolder(folder, "dobry.ini");
    writeBytes(good, "provider A\r\ntarif B\r\nsazba EUROTEL 1 0\r\n");
    const std::string calls = inFolder(folder, "dlouhy.csv");
    {
        std::ofstream out(calls, std::ios::binary);
        out << "Datum;Čas;Číslo;Délka\n";
        // 50,000 calls of a whole day, spread over D = 1 day.
        for (int i = 0; i < 50000; ++i) out << "1.5.2000;10:00;602123456;24:00:00\n";
    }
    struct Case {
        QStringList arguments;
        std::string err;
    };
    const Case cases[] = {
        {{"check", QString::fromStdString(tariffs)},
         tariffs + ":3: '15 Kč\uFFFD' is not a valid floating point value\n"},
        {{"costs", QString::fromStdString(good), "--calls", QString::fromStdString(calls)},
         calls +
             ": warning: the minutes are spread over 1 day, less than a week; the monthly minutes may not match a "
             "usual month\n" +
             calls +
             ": Měsíční minuty v pásmu EUROTEL (2 160 000 000) přesahují největší počet, který lze zadat "
             "(2 147 483 647).\n"},
    };
    for (const Case& c : cases) {
        const clitest::Result result = clitest::run(c.arguments);
        EXPECT_EQ(result.exitCode, 1) << c.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
    }
}

// Whatever error the commands leave uncaught ends the program with its
// message and status 1, never with an abort.
TEST(TarifCliMessages, AnyOtherErrorEndsTheProgramWithItsMessage) {
    struct Case {
        const char* what;
        std::function<int()> program;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {"a command that succeeds", [] { return 0; }, 0, ""},
        {"a command's own status", [] { return 2; }, 2, ""},
        {"an error in Czech", []() -> int { throw std::runtime_error("Chyba čtení."); }, 1,
         "tarif-cli: Chyba čtení.\n"},
        {"an escape sequence in a message", []() -> int { throw std::runtime_error("a\x1b[2Jb"); }, 1,
         "tarif-cli: a\\x1B[2Jb\n"},
        {"no memory", []() -> int { throw std::bad_alloc(); }, 1, "tarif-cli: Nedostatek paměti\n"},
        {"not an exception class", []() -> int { throw 42; }, 1, "tarif-cli: an unknown error ended the program\n"},
    };
    for (const Case& c : cases) {
        std::FILE* err = std::tmpfile();
        ASSERT_NE(err, nullptr);
        EXPECT_EQ(hovorix::cli::reportingEveryError(err, c.program), c.status) << c.what;
        EXPECT_EQ(contentOf(err), c.err) << c.what;
        std::fclose(err);
    }
}
