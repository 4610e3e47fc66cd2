// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "Versions.h"

namespace {

using clitest::Result;
using clitest::run;

std::string data(const std::string& name) { return std::string(HOVORIX_TEST_DATA) + "/" + name; }
QString dataArg(const std::string& name) { return QString::fromStdString(data(name)); }

QStringList costsOf(const std::string& file, QStringList options) {
    return QStringList{QStringLiteral("costs"), dataArg(file)} + options;
}

// The usage of the worked examples: 100, 50 and 50 minutes into the fixed
// network, 20 into Paegas, fax on, per month.
const QStringList ReferenceUsage = {"--jts", "100", "--jts-mimo", "50", "--jts-noc", "50", "--paegas", "20", "--fax"};

std::vector<std::string> lines(const std::string& text, const std::string& end = "\n") {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(end, start)) != std::string::npos; start = found + end.size()) {
        result.push_back(text.substr(start, found - start));
    }
    if (start < text.size()) result.push_back(text.substr(start));
    return result;
}

std::vector<std::string> fields(const std::string& record) { return lines(record + ",", ","); }

}  // namespace

TEST(TarifCliCheck, ReportsEachFileWithTheRightStatus) {
    struct Case {
        QStringList arguments;
        QString locale;
        int exitCode;
        std::string out;
        std::string err;
    };
    const std::string malformed = data("malformed.ini");
    const std::string point = data("decimal-point.ini");
    const std::string missing = data("missing.ini");
    const QString cs = QStringLiteral("cs_CZ.UTF-8");
    const QString c = QStringLiteral("C.UTF-8");
    const Case cases[] = {
        {{"check", dataArg("examples.ini")}, cs, 0, data("examples.ini") + ": 4 tariffs, data version září 2000\n", ""},
        {{"check", dataArg("quoting.ini")}, cs, 0, data("quoting.ini") + ": 1 tariff, data version 1\n", ""},
        {{"check", dataArg("no-version.ini")},
         cs,
         0,
         data("no-version.ini") + ": 0 tariffs, data version neudáno\n",
         ""},
        {{"check", dataArg("malformed.ini")},
         cs,
         1,
         "",
         malformed + ":19: '15 Kč' is not a valid floating point value\n"},
        {{"check", dataArg("decimal-point.ini")},
         cs,
         1,
         "",
         point + ":4: '199.5' is not a valid floating point value\n" + point +
             ":4: note: the number reads with a decimal point; the file was probably written under other regional "
             "settings (try --decimal-separator .)\n"},
        {{"check", dataArg("decimal-point.ini")}, c, 0, point + ": 1 tariff, data version 1\n", ""},
        {{"check", "--decimal-separator", ".", dataArg("decimal-point.ini")},
         cs,
         0,
         point + ": 1 tariff, data version 1\n",
         ""},
        {{"check", "--decimal-separator", ",", dataArg("decimal-point.ini")},
         c,
         1,
         "",
         point + ":4: '199.5' is not a valid floating point value\n" + point +
             ":4: note: the number reads with a decimal point; the file was probably written under other regional "
             "settings (try --decimal-separator .)\n"},
        {{"check", dataArg("missing.ini")}, cs, 2, "", missing + ": cannot open the file: No such file or directory\n"},
        {{"check", QStringLiteral(HOVORIX_TEST_DATA)},
         cs,
         2,
         "",
         std::string(HOVORIX_TEST_DATA) + ": cannot open the file: Is a directory\n"},
        // The kernel refuses to read the first page of a process's memory.
        {{"check", "/proc/self/mem"}, cs, 1, "", "/proc/self/mem:1: cannot read the file: Input/output error\n"},
        // Without --strict what the reader ignores passes silently.
        {{"check", dataArg("strict.ini")}, cs, 0, data("strict.ini") + ": 2 tariffs, data version 3\n", ""},
        {{"check", dataArg("lf-only.ini")}, cs, 0, data("lf-only.ini") + ": 1 tariff, data version neudáno\n", ""},
        // The worst status of several files wins; every file is still checked.
        {{"check", dataArg("malformed.ini"), dataArg("missing.ini"), dataArg("quoting.ini")},
         cs,
         2,
         data("quoting.ini") + ": 1 tariff, data version 1\n",
         malformed + ":19: '15 Kč' is not a valid floating point value\n" + missing +
             ": cannot open the file: No such file or directory\n"},
        {{"check", dataArg("examples.ini"), dataArg("malformed.ini")},
         cs,
         1,
         data("examples.ini") + ": 4 tariffs, data version září 2000\n",
         malformed + ":19: '15 Kč' is not a valid floating point value\n"},
    };
    for (const Case& test : cases) {
        const Result result = run(test.arguments, test.locale);
        const std::string what =
            test.arguments.join(QLatin1Char(' ')).toStdString() + " under " + test.locale.toStdString();
        EXPECT_EQ(result.exitCode, test.exitCode) << what;
        EXPECT_EQ(result.out, test.out) << what;
        EXPECT_EQ(result.err, test.err) << what;
    }
}

TEST(TarifCliCheck, StrictReportsWhatTheReaderIgnores) {
    struct Case {
        std::string file;
        int exitCode;
        std::string summary;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"strict.ini",
         1,
         ": 2 tariffs, data version 3",
         {":1: warning: line ignored, dropped by a save in Cenikar: \"// Ceník\"",
          ":3: warning: \"sluzba telefon\" line before the first provider line sets nothing",
          ":5: warning: line ignored: \"Tarif\" is not the keyword \"tarif\" (different case)",
          ":6: warning: line ignored: \" sazba JTS\" is not the keyword \"sazba JTS\" (leading blank)",
          ":7: warning: line ignored: \"\\x09SAZBA JTS-mimo\" is not the keyword \"sazba JTS-mimo\" (leading blank, "
          "different case)",
          ":8: warning: the provider is 300 bytes long; only its first 255 are read"}},
        // What a save in the editor would drop, each line once, quoted up to
        // 40 characters; the editor's own header lines are not among it.
        {"dropped.ini",
         1,
         ": 1 tariff, data version 4",
         {":6: warning: text after the value ignored, dropped by a save in Cenikar: \"sazba JTS 5 20 "
          "pozn\"",
          ":7: warning: line ignored, dropped by a save in Cenikar: \"poznámka, která je delší než "
          "čtyřicet zn…\""}},
        {"lf-only.ini",
         1,
         ": 1 tariff, data version neudáno",
         {":1: warning: 3 line ends are LF alone and do not end lines; tariff files end their lines with CR LF"}},
        // A comment of its own is dropped by a save in the editor.
        {"examples.ini",
         1,
         ": 4 tariffs, data version září 2000",
         {":1: warning: line ignored, dropped by a save in Cenikar: \"// Zkušební ceník\""}},
        // What a save in the editor writes otherwise than the file has it.
        {"rewritten.ini",
         1,
         ": 1 tariff, data version 2",
         {":5: warning: \"X\" after \"provider\" is skipped, not read; a save in Cenikar writes a blank in its place",
          ":7: warning: \"sluzba telefon\" set again in the same tariff; line 6 is overridden and a save in Cenikar "
          "drops it",
          ":8: warning: \"verze\" set again; line 3 is overridden and a save in Cenikar drops it",
          ":10: warning: text after Ctrl+Z (2 lines) is not read; a save in Cenikar drops it"}},
        {"quoting.ini", 0, ": 1 tariff, data version 1", {}},
    };
    for (const Case& test : cases) {
        const std::string path = data(test.file);
        const Result result = run({"check", "--strict", QString::fromStdString(path)});
        EXPECT_EQ(result.exitCode, test.exitCode) << test.file;
        EXPECT_EQ(result.out, path + test.summary + "\n") << test.file;
        std::vector<std::string> expected;
        for (const std::string& warning : test.warnings) expected.push_back(path + warning);
        EXPECT_EQ(lines(result.err), expected) << test.file;
    }

    const Result sample = run({"check", "--strict", HOVORIX_SAMPLE});
    EXPECT_EQ(sample.exitCode, 0) << sample.err;
    EXPECT_EQ(sample.err, "");
}

TEST(TarifCliCosts, TextMarksCostsInTheLocalesFormat) {
    struct Case {
        QString locale;
        std::string out;
    };
    const Case cases[] = {
        {"cs_CZ.UTF-8",
         "Paegas-Příklad            1\u00a0225,00\n"
         "Paegas-Příklad vše        1\u00a0190,91\n"
         "Paegas-Příklad s minimem  1\u00a0500,00\n"
         "Český Mobil-Šťastný účet      0,00\n"},
        {"C.UTF-8",
         "Paegas-Příklad            1,225.00\n"
         "Paegas-Příklad vše        1,190.91\n"
         "Paegas-Příklad s minimem  1,500.00\n"
         "Český Mobil-Šťastný účet      0.00\n"},
        {"de_DE.UTF-8",
         "Paegas-Příklad            1.225,00\n"
         "Paegas-Příklad vše        1.190,91\n"
         "Paegas-Příklad s minimem  1.500,00\n"
         "Český Mobil-Šťastný účet      0,00\n"},
    };
    for (const Case& test : cases) {
        // The file holds whole numbers only, so it reads under either separator.
        const Result result = run(costsOf("examples.ini", ReferenceUsage), test.locale);
        EXPECT_EQ(result.exitCode, 0) << test.locale.toStdString() << result.err;
        EXPECT_EQ(result.out, test.out) << test.locale.toStdString();
    }
}

TEST(TarifCliCosts, PeriodsAndZonesReachTheCalculation) {
    struct Case {
        QStringList options;
        std::vector<std::string> textCosts;  // per tariff, as marked
        std::vector<double> costs;
    };
    const Case cases[] = {
        {{"--paegas", "70", "--period", "tyden"}, {"270,00", "0,00"}, {269.999, 0}},
        {{"--paegas", "7", "--period", "tyden"}, {"0,00", "0,00"}, {0, 0}},
        {{"--eurotel-mimo", "10", "--period", "den"}, {"0,00", "300,00"}, {0, 300}},
        {{"--eurotel-mimo", "10", "--period", "mesic"}, {"0,00", "10,00"}, {0, 10}},
        {{"--eurotel-mimo", "10"}, {"0,00", "10,00"}, {0, 10}},
        {{"--paegas", "+40", "--eurotel", "5"}, {"10,00", "0,00"}, {10, 0}},
        // The largest count the calculator holds, per day: no overflow on the way to a month.
        {{"--eurotel-mimo", "2147483647", "--period", "den"},
         {"0,00", "64\u00a0424\u00a0509\u00a0410,00"},
         {0, 64424509410}},
    };
    for (const Case& test : cases) {
        const std::string what = test.options.join(QLatin1Char(' ')).toStdString();
        const Result text = run(costsOf("periods.ini", test.options));
        ASSERT_EQ(text.exitCode, 0) << what << text.err;
        const auto rows = lines(text.out);
        ASSERT_EQ(rows.size(), test.textCosts.size()) << what;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_TRUE(rows[i].ends_with(" " + test.textCosts[i])) << what << ": " << rows[i];
        }

        const Result csv = run(costsOf("periods.ini", test.options + QStringList{"--format", "csv"}));
        const auto records = lines(csv.out, "\r\n");
        ASSERT_EQ(records.size(), test.costs.size() + 1) << what;
        for (std::size_t i = 0; i < test.costs.size(); ++i) {
            const double cost = std::strtod(fields(records[i + 1]).back().c_str(), nullptr);
            EXPECT_NEAR(cost, test.costs[i], 1e-9 * std::max(1.0, test.costs[i])) << what;
        }
    }
}

TEST(TarifCliCosts, CsvIsRfc4180WithRoundTrippingNumbers) {
    // 1190.909090909091 is the shortest text that reads back as the computed
    // double; fifteen digits would lose it.
    const Result plain = run(costsOf("examples.ini", ReferenceUsage + QStringList{"--format", "csv"}));
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out,
              "label,provider,tariff,cost\r\n"
              "Paegas-Příklad,Paegas,Příklad,1225\r\n"
              "Paegas-Příklad vše,Paegas,Příklad vše,1190.909090909091\r\n"
              "Paegas-Příklad s minimem,Paegas,Příklad s minimem,1500\r\n"
              "Český Mobil-Šťastný účet,Český Mobil,Šťastný účet,0\r\n");

    const Result parts = run(costsOf("examples.ini", ReferenceUsage + QStringList{"--format", "csv", "--breakdown"}));
    EXPECT_EQ(parts.exitCode, 0);
    EXPECT_EQ(parts.out,
              "label,provider,tariff,fees,fixedNetwork,paegas,eurotel,minimumApplied,cost\r\n"
              "Paegas-Příklad,Paegas,Příklad,600,525,100,0,false,1225\r\n"
              "Paegas-Příklad vše,Paegas,Příklad vše,600,545.4545454545454,45.45454545454545,0,false,"
              "1190.909090909091\r\n"
              "Paegas-Příklad s minimem,Paegas,Příklad s minimem,600,525,100,0,true,1500\r\n"
              "Český Mobil-Šťastný účet,Český Mobil,Šťastný účet,0,0,0,0,false,0\r\n");

    const Result quoted = run(costsOf("quoting.ini", {"--format", "csv"}));
    EXPECT_EQ(quoted.out,
              "label,provider,tariff,cost\r\n"
              "\"Mobil \"\"X\"\"-Dva, tři \\ čtyři\",\"Mobil \"\"X\"\"\",\"Dva, tři \\ čtyři\",0\r\n");

    const Result none = run(costsOf("no-version.ini", {"--format", "csv"}));
    EXPECT_EQ(none.out, "label,provider,tariff,cost\r\n");
}

TEST(TarifCliCosts, JsonIsAnArrayOfObjects) {
    struct Expected {
        QString label;
        QString provider;
        QString tariff;
        double cost;
        bool minimumApplied;
    };
    const Expected expected[] = {
        {"Paegas-Příklad", "Paegas", "Příklad", 1225, false},
        {"Paegas-Příklad vše", "Paegas", "Příklad vše", 1190.909090909091, false},
        {"Paegas-Příklad s minimem", "Paegas", "Příklad s minimem", 1500, true},
        {"Český Mobil-Šťastný účet", "Český Mobil", "Šťastný účet", 0, false},
    };
    const Result result = run(costsOf("examples.ini", ReferenceUsage + QStringList{"--format", "json", "--breakdown"}),
                              QStringLiteral("C.UTF-8"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out;
    ASSERT_TRUE(document.isArray());
    const QJsonArray rows = document.array();
    ASSERT_EQ(rows.size(), std::size(expected));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonObject row = rows[i].toObject();
        const Expected& want = expected[i];
        EXPECT_EQ(row["label"].toString(), want.label) << i;
        EXPECT_EQ(row["provider"].toString(), want.provider) << i;
        EXPECT_EQ(row["tariff"].toString(), want.tariff) << i;
        EXPECT_DOUBLE_EQ(row["cost"].toDouble(-1), want.cost) << i;
        EXPECT_EQ(row["minimumApplied"].toBool(!want.minimumApplied), want.minimumApplied) << i;
        // The parts add up to the cost unless the minimum took over.
        const double sum = row["fees"].toDouble() + row["fixedNetwork"].toDouble() + row["paegas"].toDouble() +
                           row["eurotel"].toDouble();
        if (!want.minimumApplied) {
            EXPECT_DOUBLE_EQ(sum, want.cost) << i;
        }
    }

    const Result quoted = run(costsOf("quoting.ini", {"--format", "json"}));
    const QJsonArray single = QJsonDocument::fromJson(QByteArray::fromStdString(quoted.out)).array();
    ASSERT_EQ(single.size(), 1) << quoted.out;
    EXPECT_EQ(single[0].toObject()["label"].toString(), QStringLiteral("Mobil \"X\"-Dva, tři \\ čtyři"));

    const Result none = run(costsOf("no-version.ini", {"--format", "json"}));
    EXPECT_EQ(none.out, "[]\n");
}

TEST(TarifCliCosts, BreakdownTableHasItsColumns) {
    const Result result = run(costsOf("examples.ini", ReferenceUsage + QStringList{"--breakdown"}), "C.UTF-8");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "Tariff                      Fees  Fixed network  Paegas  Eurotel  Minimum      Cost\n"
              "Paegas-Příklad            600.00         525.00  100.00     0.00  no       1,225.00\n"
              "Paegas-Příklad vše        600.00         545.45   45.45     0.00  no       1,190.91\n"
              "Paegas-Příklad s minimem  600.00         525.00  100.00     0.00  yes      1,500.00\n"
              "Český Mobil-Šťastný účet    0.00           0.00    0.00     0.00  no           0.00\n");
}

TEST(TarifCliCosts, FileProblemsStopBeforeAnyRow) {
    struct Case {
        std::string file;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {"malformed.ini", 1, ":19: '15 Kč' is not a valid floating point value\n"},
        {"missing.ini", 2, ": cannot open the file: No such file or directory\n"},
    };
    for (const Case& test : cases) {
        for (const char* format : {"text", "csv", "json"}) {
            const Result result = run(costsOf(test.file, {"--format", format}));
            EXPECT_EQ(result.exitCode, test.exitCode) << test.file << " " << format;
            EXPECT_EQ(result.out, "") << test.file << " " << format;
            EXPECT_EQ(result.err, data(test.file) + test.err) << test.file << " " << format;
        }
    }
}

TEST(TarifCliArguments, WrongArgumentsExitTwoWithAMessage) {
    struct Case {
        QStringList arguments;
        std::string message;  // the first line on standard error
    };
    const QString file = dataArg("examples.ini");
    const Case cases[] = {
        {{}, "tarif-cli: a command is required: check, costs, usage or choose"},
        {{"compare", file}, "tarif-cli: 'compare' is not a command; use check, costs, usage or choose"},
        {{"--strict", file}, "tarif-cli: a command is required: check, costs, usage or choose"},
        {{"check"}, "tarif-cli: FILE is required"},
        {{"costs"}, "tarif-cli: FILE is required"},
        {{"costs", file, "--bogus"}, "tarif-cli: The following argument was not expected: --bogus"},
        {{"costs", file, "--jts", "-5"}, "tarif-cli: --jts: '-5': minutes cannot be negative"},
        {{"costs", file, "--jts-noc=-1"}, "tarif-cli: --jts-noc: '-1': minutes cannot be negative"},
        {{"costs", file, "--paegas", "1.5"}, "tarif-cli: --paegas: '1.5' is not a whole number of minutes"},
        {{"costs", file, "--paegas-mimo", "10 minut"},
         "tarif-cli: --paegas-mimo: '10 minut' is not a whole number of minutes"},
        {{"costs", file, "--eurotel", ""}, "tarif-cli: --eurotel: '' is not a whole number of minutes"},
        {{"costs", file, "--eurotel-mimo", "2147483648"},
         "tarif-cli: --eurotel-mimo: '2147483648': at most 2147483647 minutes"},
        {{"costs", file, "--jts-mimo", "99999999999999999999"},
         "tarif-cli: --jts-mimo: '99999999999999999999': at most 2147483647 minutes"},
        {{"costs", file, "--jts"}, "tarif-cli: --jts: a value is missing"},
        {{"costs", file, "--period", "rok"}, "tarif-cli: --period: 'rok' is not a period; use den, tyden or mesic"},
        {{"costs", file, "--format", "xml"},
         "tarif-cli: --format: 'xml' is not an output format; use text, csv or json"},
        {{"check", "--decimal-separator", ";", file},
         "tarif-cli: --decimal-separator: ';' is not a decimal separator; use , or ."},
        {{"costs", file, file}, "tarif-cli: The following argument was not expected: " + file.toStdString()},
        // The minutes of a call list are monthly and replace the zones'.
        {{"costs", file, "--calls", file, "--jts", "5"}, "tarif-cli: --jts excludes --calls"},
        {{"costs", file, "--calls", file, "--period", "den"}, "tarif-cli: --period excludes --calls"},
        {{"costs", file, "--holidays"}, "tarif-cli: --holidays requires --calls"},
        {{"usage", file, "--days", "0"}, "tarif-cli: --days: '0' is not a whole number of days from 1 to 2147483647"},
        {{"usage", file, "--rounding", "10/10"},
         "tarif-cli: --rounding: '10/10' is not a rounding; use exact, 60/60, 30/30 or 60/1"},
    };
    for (const Case& test : cases) {
        const std::string what = test.arguments.join(QLatin1Char(' ')).toStdString();
        const Result result = run(test.arguments);
        EXPECT_EQ(result.exitCode, 2) << what;
        EXPECT_EQ(result.out, "") << what;
        const auto message = lines(result.err);
        ASSERT_EQ(message.size(), 2u) << what << ": " << result.err;
        EXPECT_EQ(message[0], test.message) << what;
        EXPECT_EQ(message[1], "Run 'tarif-cli --help' for more information.") << what;
    }
}

TEST(TarifCliArguments, HelpAndVersion) {
    const Result version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("tarif-cli ") + versions::Package + "\n");

    struct Case {
        QStringList arguments;
        std::vector<std::string> mentions;
    };
    const Case cases[] = {
        {{"--help"}, {"Usage: tarif-cli", "check", "costs", "Exit status"}},
        {{"check", "--help"}, {"tarif-cli check", "--strict", "--decimal-separator"}},
        {{"costs", "--help"},
         {"tarif-cli costs", "--jts N", "--eurotel-mimo N", "den|tyden|mesic", "--fax", "--data", "text|csv|json",
          "--breakdown"}},
    };
    for (const Case& test : cases) {
        const Result result = run(test.arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, "");
        for (const std::string& mention : test.mentions) {
            EXPECT_NE(result.out.find(mention), std::string::npos) << mention << " in\n" << result.out;
        }
    }
}
