// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <string>

#include "CliProcess.h"

namespace {

using clitest::Result;
using clitest::run;
using clitest::write;

const QString Calls = QStringLiteral(HOVORIX_SAMPLE_CALLS);
const QString Prefixes = QStringLiteral(HOVORIX_SHIPPED_PREFIXES);

}  // namespace

// The sample call list of May 2000 priced on the sample tariffs, against
// costs worked out by hand from its monthly minutes (JTS 41, JTS-mimo 52,
// JTS-noc 37, PAEGAS 3, PAEGAS-mimo 14, EUROTEL 65, EUROTEL-mimo 14).
TEST(TarifCliCallList, CostsOnTheSampleCallListAsWorkedOutByHand) {
    const Result result = run({"costs", QStringLiteral(HOVORIX_SAMPLE), "--calls", Calls, "--format", "csv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    // Start: 290 a month, every minute at its rate.
    const double start = 290 + 41 * 7.9 + 52 * 4.9 + 37 * 3.5 + 3 * 5.9 + 14 * 3.9 + 65 * 8.9 + 14 * 6.5;
    // Optimum 60: 495 a month; 60 first free minutes shared by the fixed
    // network's 130 minutes; 20 free minutes into Paegas at peak.
    const double optimum = 495 + (41 - 60.0 * 41 / 130) * 6.4 + (52 - 60.0 * 52 / 130) * 3.9 +
                           (37 - 60.0 * 37 / 130) * 2.9 + 0 * 4.5 + 14 * 2.5 + 65 * 7.9 + 14 * 5.9;
    for (const auto& [label, cost] : {std::pair{"PAEGAS-Start,", start}, std::pair{"PAEGAS-Optimum 60,", optimum}}) {
        const std::size_t row = result.out.find(label);
        ASSERT_NE(row, std::string::npos) << result.out;
        const std::size_t end = result.out.find("\r\n", row);
        const std::string record = result.out.substr(row, end - row);
        EXPECT_NEAR(std::stod(record.substr(record.rfind(',') + 1)), cost, 1e-9) << record;
    }
}

// One run per format: the text report, the CSV records under 60/60 and the
// JSON object with holidays as weekend days and a short D.
TEST(TarifCliCallList, UsagePrintsTheSummaryInEachFormat) {
    const Result text = run({"usage", Calls, "--prefixes", Prefixes});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "Call list:  " + Calls.toStdString() +
                            " (Windows-1250, separator ';')\n"
                            "Prefixes:   " +
                            Prefixes.toStdString() +
                            "\n"
                            "Period:     2000-05-01 to 2000-05-31, 31 days\n"
                            "Days (D):   31 days\n"
                            "Rounding:   exact\n"
                            "Holidays:   3 counted calls, priced as working days\n"
                            "\n"
                            "Zone          Calls  Duration  Minutes a month\n"
                            "JTS               5   0:42:49               41\n"
                            "JTS-mimo          3   0:53:20               52\n"
                            "JTS-noc           4   0:38:14               37\n"
                            "PAEGAS            3   0:03:36                3\n"
                            "PAEGAS-mimo       4   0:14:47               14\n"
                            "EUROTEL           5   1:07:16               65\n"
                            "EUROTEL-mimo      5   0:14:45               14\n"
                            "\n"
                            "Not counted                          Calls  Duration  Minutes a month\n"
                            "other network (Oskar)                    1   0:02:00                2\n"
                            "abroad                                   2   0:10:12               10\n"
                            "in roaming                               0   0:00:00                0\n"
                            "free numbers                             1   0:03:15                3\n"
                            "shared-cost numbers                      1   0:05:00                5\n"
                            "premium numbers                          1   0:01:30                1\n"
                            "services                                 1   0:00:50                1\n"
                            "unknown numbers                          1   0:01:10                1\n"
                            "incoming calls, SMS, data and other      3   0:07:30                7\n");

    const Result csv = run({"usage", Calls, "--rounding", "60/60", "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find("notCounted")),
              "group,name,calls,seconds,monthlyMinutes\r\n"
              "zone,JTS,5,2640,43\r\nzone,JTS-mimo,3,3240,52\r\nzone,JTS-noc,4,2400,39\r\n"
              "zone,PAEGAS,3,300,5\r\nzone,PAEGAS-mimo,4,960,15\r\nzone,EUROTEL,5,4260,69\r\n"
              "zone,EUROTEL-mimo,5,960,15\r\n");
    EXPECT_NE(csv.out.find("notCounted,notOutgoingVoice,3,"), std::string::npos) << csv.out;

    const Result json = run({"usage", Calls, "--holidays", "--days", "3", "--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.err.find("warning: the minutes are spread over 3 days"), std::string::npos) << json.err;
    const QJsonObject summary = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(summary["days"].toInt(), 3);
    EXPECT_EQ(summary["spanDays"].toInt(), 31);
    EXPECT_TRUE(summary["shortPeriod"].toBool());
    EXPECT_TRUE(summary["holidaysAsWeekend"].toBool());
    const QJsonArray zones = summary["zones"].toArray();
    ASSERT_EQ(zones.size(), 7) << json.out;
    // With holidays as weekend days the sample's seconds are 1369, 4400,
    // 2294, 96, 1007, 3836 and 1085; spread over 3 days to a month of 30.
    const int minutes[] = {228, 733, 382, 16, 168, 639, 181};
    for (int z = 0; z < 7; ++z) EXPECT_EQ(zones[z].toObject()["monthlyMinutes"].toInt(), minutes[z]) << z;
}

// A business list of two SIMs is nobody's usage as a whole: usage, costs
// and choose refuse it, naming the numbers, until --sim names one.
TEST(TarifCliCallList, TwoSimsAreRefusedUntilSimNamesOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString list = QString::fromStdString(write(folder, "firma.csv",
                                                      "MSISDN;Datum;Čas;Volané číslo;Délka\n"
                                                      "420603222333;1.5.2000;10:00;602123456;60\n"
                                                      "602111222;1.5.2000;10:00;602123456;120\n"
                                                      "+420 602 111 222;2.5.2000;10:00;602123456;120\n"));
    const std::string numbers = "  602 111 222  2 calls\n  603 222 333  1 call\n";
    const std::string twoNumbers =
        list.toStdString() + ": the list holds the calls of 2 subscriber numbers; choose one with --sim NUMBER:\n" +
        numbers;
    const QString sample = QStringLiteral(HOVORIX_SAMPLE);
    struct Case {
        QStringList arguments;
        std::string err;
    };
    const Case cases[] = {
        {{"usage", list}, twoNumbers},
        {{"choose", sample, "--calls", list}, twoNumbers},
        {{"usage", list, "--sim", "777 000 111"},
         list.toStdString() + ": the list holds no subscriber number 777 000 111; its numbers are:\n" + numbers},
        {{"usage", Calls, "--sim", "602123456"},
         Calls.toStdString() + ": the list has no column of the subscriber's own number to choose 602123456 by\n"},
        {{"costs", sample, "--sim", "602111222"}, "tarif-cli: --sim requires --calls\n"},
    };
    for (const Case& c : cases) {
        const Result result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 2) << c.err;
        EXPECT_EQ(result.out, "") << c.err;
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err);
    }

    const Result one = run({"usage", list, "--sim", "00420 602 111 222", "--format", "json"});
    ASSERT_EQ(one.exitCode, 0) << one.err;
    const QJsonObject summary = QJsonDocument::fromJson(QByteArray::fromStdString(one.out)).object();
    EXPECT_EQ(summary["subscriber"].toString(), QStringLiteral("602 111 222"));
    EXPECT_EQ(summary["zones"].toArray()[5].toObject()["seconds"].toInt(), 240);  // EUROTEL: its two calls
    const Result other = run({"choose", sample, "--calls", list, "--sim", "603222333"});
    EXPECT_EQ(other.exitCode, 0) << other.err;
}

// A call list or prefix table that cannot be used is reported as a bad
// tariff file is: FILE:LINE: message, status 1; one that cannot be opened
// with status 2.
TEST(TarifCliCallList, BadFilesAreReportedWithFileAndLine) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string negative = write(folder, "negative.csv", "Datum;Čas;Číslo;Délka\n1.5.2000;10:00;602123456;-5\n");
    const std::string prefixes = write(folder, "predvolby.txt", "602 eurotel\nxx paegas\n");
    const std::string missing = folder.filePath(QStringLiteral("missing.csv")).toStdString();
    const std::string tariffs = write(folder, "tarif.ini", "");
    struct Case {
        QStringList arguments;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"usage", QString::fromStdString(negative), "--prefixes", Prefixes},
         1,
         negative + ":2: Délka hovoru „-5“ je záporná.\n    1.5.2000;10:00;602123456;-5\n"},
        {{"usage", QString::fromStdString(missing), "--prefixes", Prefixes},
         2,
         missing + ": Soubor nelze otevřít: soubor neexistuje.\n"},
        {{"usage", Calls, "--prefixes", QString::fromStdString(prefixes)},
         1,
         prefixes + ":2: Předvolba „xx“ smí obsahovat jen číslice.\n"},
        // The predvolby.txt beside the tariff file is the one that counts.
        {{"costs", QString::fromStdString(tariffs), "--calls", Calls},
         1,
         prefixes + ":2: Předvolba „xx“ smí obsahovat jen číslice.\n"},
    };
    for (const Case& c : cases) {
        const Result result = run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
    }
}

// From a Tuesday holiday, 28 October 2003, to 2 December: a short October, a
// November without calls, a short December, and a totals row between them.
TEST(TarifCliCallList, UsageByMonthAndTheRowsSkipped) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string list = write(folder, "rijen.csv",
                                   "Datum;Čas;Volané číslo;Délka\n"
                                   "28.10.2003;10:00;602123456;0:01:05\n"
                                   "29.10.2003;10:00;602123456;0:10:00\n"
                                   "Celkem za říjen;;;0:11:05\n"
                                   "2.12.2003;10:00;602123456;0:05:00\n");
    const QString file = QString::fromStdString(list);

    const Result text = run({"usage", file, "--prefixes", Prefixes, "--by-month"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const std::size_t skipped = text.out.find("Skipped rows");
    ASSERT_NE(skipped, std::string::npos) << text.out;
    EXPECT_EQ(text.out.substr(skipped, text.out.find('\n', skipped) - skipped),
              "Skipped rows that are not calls: 1 (first: line 4 \"Celkem za říjen\")");
    const std::size_t months = text.out.find("\nMonth ");
    ASSERT_NE(months, std::string::npos) << text.out;
    EXPECT_EQ(text.out.substr(months),
              "\nMonth 2003-10: 2003-10-28 to 2003-10-31, 4 days (short: less than a week)\n"
              "Zone          Calls  Duration  Minutes a month\n"
              "JTS               0   0:00:00                0\n"
              "JTS-mimo          0   0:00:00                0\n"
              "JTS-noc           0   0:00:00                0\n"
              "PAEGAS            0   0:00:00                0\n"
              "PAEGAS-mimo       0   0:00:00                0\n"
              "EUROTEL           2   0:11:05               83\n"
              "EUROTEL-mimo      0   0:00:00                0\n"
              "\nMonth 2003-11: 2003-11-01 to 2003-11-30, 30 days\n"
              "Zone          Calls  Duration  Minutes a month\n"
              "JTS               0   0:00:00                0\n"
              "JTS-mimo          0   0:00:00                0\n"
              "JTS-noc           0   0:00:00                0\n"
              "PAEGAS            0   0:00:00                0\n"
              "PAEGAS-mimo       0   0:00:00                0\n"
              "EUROTEL           0   0:00:00                0\n"
              "EUROTEL-mimo      0   0:00:00                0\n"
              "\nMonth 2003-12: 2003-12-01 to 2003-12-02, 2 days (short: less than a week)\n"
              "Zone          Calls  Duration  Minutes a month\n"
              "JTS               0   0:00:00                0\n"
              "JTS-mimo          0   0:00:00                0\n"
              "JTS-noc           0   0:00:00                0\n"
              "PAEGAS            0   0:00:00                0\n"
              "PAEGAS-mimo       0   0:00:00                0\n"
              "EUROTEL           1   0:05:00               75\n"
              "EUROTEL-mimo      0   0:00:00                0\n");

    // The whole list's records under "all" and D, then each month's zones,
    // these with the minutes of the calendar month: October's 665 s over 4
    // of its 31 days, December's 300 s over 2.
    const Result csv = run({"usage", file, "--prefixes", Prefixes, "--by-month", "--format", "csv", "--days", "30"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    for (const char* record :
         {"month,days,group,name,calls,seconds,monthlyMinutes,minutes\r\n", "\r\nall,30,zone,EUROTEL,3,965,16,\r\n",
          "\r\nall,30,notCounted,abroad,0,0,0,\r\n", "\r\nall,30,skipped,rows,1,,,\r\n",
          "\r\n2003-10,4,zone,EUROTEL,2,665,83,85.8958\r\n", "\r\n2003-11,30,zone,EUROTEL,0,0,0,0.0000\r\n",
          "\r\n2003-12,2,zone,EUROTEL,1,300,75,77.5000\r\n"}) {
        EXPECT_NE(csv.out.find(record), std::string::npos) << record << " in\n" << csv.out;
    }
    EXPECT_EQ(csv.out.find("all,36,"), std::string::npos) << "D given, not the span";

    const Result json = run({"usage", file, "--prefixes", Prefixes, "--by-month", "--format", "json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonObject summary = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    const QJsonObject skippedRows = summary["skippedRows"].toObject();
    EXPECT_EQ(skippedRows["count"].toInt(), 1);
    EXPECT_EQ(skippedRows["firstLine"].toInt(), 4);
    EXPECT_EQ(skippedRows["firstText"].toString(), QStringLiteral("Celkem za říjen"));
    const QJsonArray byMonth = summary["months"].toArray();
    ASSERT_EQ(byMonth.size(), 3) << json.out;
    struct Month {
        const char* month;
        const char* firstDate;
        const char* lastDate;
        int days;
        bool isShort;
        int eurotelMinutes;
        double eurotelCalendarMinutes;  // to 4 decimals
    };
    const Month expected[] = {
        {"2003-10", "2003-10-28", "2003-10-31", 4, true, 83, 85.8958},
        {"2003-11", "2003-11-01", "2003-11-30", 30, false, 0, 0},
        {"2003-12", "2003-12-01", "2003-12-02", 2, true, 75, 77.5},
    };
    for (int m = 0; m < 3; ++m) {
        const QJsonObject month = byMonth[m].toObject();
        EXPECT_EQ(month["month"].toString(), QString::fromLatin1(expected[m].month));
        EXPECT_EQ(month["firstDate"].toString(), QString::fromLatin1(expected[m].firstDate));
        EXPECT_EQ(month["lastDate"].toString(), QString::fromLatin1(expected[m].lastDate));
        EXPECT_EQ(month["days"].toInt(), expected[m].days);
        EXPECT_EQ(month["short"].toBool(), expected[m].isShort);
        const QJsonArray zones = month["zones"].toArray();
        ASSERT_EQ(zones.size(), 7);
        // The zones in the order and with the names of the whole list's "zones".
        for (int z = 0; z < 7; ++z) {
            EXPECT_EQ(zones[z].toObject()["zone"], summary["zones"].toArray()[z].toObject()["zone"]);
        }
        EXPECT_EQ(zones[5].toObject()["monthlyMinutes"].toInt(), expected[m].eurotelMinutes) << expected[m].month;
        EXPECT_EQ(zones[5].toObject()["minutes"].toDouble(), expected[m].eurotelCalendarMinutes) << expected[m].month;
    }
    // The whole list's zones have no calendar month.
    EXPECT_FALSE(summary["zones"].toArray()[5].toObject().contains("minutes"));

    // Without --by-month: no months, and the sample skips nothing.
    const Result plain = run({"usage", Calls, "--format", "json"});
    const QJsonObject sample = QJsonDocument::fromJson(QByteArray::fromStdString(plain.out)).object();
    EXPECT_FALSE(sample.contains("months"));
    EXPECT_EQ(sample["skippedRows"].toObject(),
              (QJsonObject{{"count", 0}, {"firstLine", QJsonValue::Null}, {"firstText", QJsonValue::Null}}));
}
