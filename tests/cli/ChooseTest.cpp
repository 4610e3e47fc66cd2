// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

#include "CliProcess.h"

// choice.ini, three tariffs with rates for the fixed network's peak only
// (and one for Paegas' peak), whole fees and no free minutes:
//   0 Alfa-Malý          100 a month, fax 100, JTS 2, PAEGAS 0.4
//   1 Alfa-Velký         300 a month, JTS 1
//   2 Beta-Šetrný "Noc"  JTS 3.2, at least 240 a month
// With 150 minutes at peak they cost 100 + 300 s, 300 + 150 s and
// max(240, 480 s) at s times the usage.

namespace {

using clitest::Result;
using clitest::run;

const QString Choice = QStringLiteral(HOVORIX_TEST_DATA "/choice.ini");
const QString Months = QStringLiteral(HOVORIX_TEST_DATA "/months.ini");
const QString Prefixes = QStringLiteral(HOVORIX_SHIPPED_PREFIXES);

QStringList chooseOn(const QString& file, const QStringList& options) {
    return QStringList{QStringLiteral("choose"), file} + options;
}

QJsonObject jsonOf(const Result& result) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out;
    return document.object();
}

struct Interval {
    double from;
    double to;
    int index;
    double costFrom;
    double costTo;
};

// The tariffs named at the entered usage, with the stretch in whole percent.
struct AtOne {
    int index;
    double cost;
    double from;
    double to;
    std::optional<int> below;
    std::optional<int> above;
    int next;
    double difference;
    double percent;
    QJsonArray tiedWith;
};

int indexOr(const QJsonValue& tariff) { return tariff.isNull() ? -1 : tariff.toObject()["index"].toInt(-2); }

const std::string CallsHeader = "Datum;Čas;Volané číslo;Délka\n";

// A call list from Tuesday 16 September 2003 to Sunday 30 November: half of
// September (15 of 30 days, 3000 s: 100 minutes as a whole month), all
// October (12400 s: 206.67 minutes, as billed) and all November (3000 s: 50,
// and a minute on the Sunday off-peak).
const std::string ThreeMonths = CallsHeader +
                                "16.9.2003;10:00;602123456;0:50:00\n1.10.2003;10:00;602123456;3:26:40\n"
                                "3.11.2003;10:00;602123456;0:50:00\n30.11.2003;10:00;602123456;0:01:00\n";

// choose --by-month on these calls, written into the folder.
QStringList byMonthOn(const QTemporaryDir& folder, const std::string& calls) {
    return {"--calls", QString::fromStdString(clitest::write(folder, "vypis.csv", calls)), "--prefixes", Prefixes,
            "--by-month"};
}

}  // namespace

// Each option set against intervals solved by hand: the zones, the period,
// the fax switch, the part of the calls that varies and the range all reach
// the choice.
TEST(TarifCliChoose, OptionsReachTheChoice) {
    struct Case {
        QStringList options;
        std::vector<Interval> intervals;
        std::optional<AtOne> atOne;
    };
    const Case cases[] = {
        // 480 s = 100 + 300 s at 5/9; 100 + 300 s = 300 + 150 s at 4/3.
        {{"--jts", "150"},
         {{0.5, 5.0 / 9, 2, 240, 800.0 / 3}, {5.0 / 9, 4.0 / 3, 0, 800.0 / 3, 500}, {4.0 / 3, 2, 1, 500, 600}},
         AtOne{0, 400, 0.56, 1.33, 2, 1, 1, 50, 12.5, {}}},
        // 5 a day is 150 a month; the fax fee lifts Alfa-Malý out of the
        // running: 480 s = 300 + 150 s at 10/11.
        {{"--jts", "5", "--period", "den", "--fax"},
         {{0.5, 10.0 / 11, 2, 240, 4800.0 / 11}, {10.0 / 11, 2, 1, 4800.0 / 11, 600}},
         AtOne{1, 450, 0.91, 2, 2, std::nullopt, 2, 30, 30.0 / 450 * 100, {}}},
        // Only Paegas varies: 400 + 40 s against a flat 450 and 480.
        {{"--jts", "150", "--paegas", "100", "--vary", "paegas", "--from", "0,25", "--to", "3"},
         {{0.25, 1.25, 0, 410, 450}, {1.25, 3, 1, 450, 450}},
         AtOne{0, 440, 0.25, 1.25, std::nullopt, 1, 1, 10, 10.0 / 440 * 100, {}}},
        // 400 + 50 s ties with 450 at the usage itself: the first in the
        // file is named, the other is next at no difference.
        {{"--jts", "150", "--paegas", "125", "--vary", "paegas"},
         {{0.5, 1, 0, 425, 450}, {1, 2, 1, 450, 450}},
         AtOne{0, 450, 0.5, 1, std::nullopt, 1, 1, 0, 0, {1}}},
        // The usage itself lies outside the range.
        {{"--jts", "150", "--from", "1.5", "--to", "3"}, {{1.5, 3, 1, 525, 750}}, std::nullopt},
    };
    for (const Case& test : cases) {
        const std::string what = test.options.join(QLatin1Char(' ')).toStdString();
        const Result result = run(chooseOn(Choice, test.options + QStringList{"--format", "json"}));
        ASSERT_EQ(result.exitCode, 0) << what << result.err;
        const QJsonObject choice = jsonOf(result);
        const double range = choice["to"].toDouble() - choice["from"].toDouble();
        const QJsonArray intervals = choice["intervals"].toArray();
        ASSERT_EQ(intervals.size(), static_cast<qsizetype>(test.intervals.size())) << what << result.out;
        for (std::size_t i = 0; i < test.intervals.size(); ++i) {
            const QJsonObject got = intervals[static_cast<qsizetype>(i)].toObject();
            const Interval& want = test.intervals[i];
            EXPECT_NEAR(got["from"].toDouble(), want.from, 1e-9 * range) << what << " " << i;
            EXPECT_NEAR(got["to"].toDouble(), want.to, 1e-9 * range) << what << " " << i;
            EXPECT_EQ(got["index"].toInt(-1), want.index) << what << " " << i;
            EXPECT_NEAR(got["costFrom"].toDouble(), want.costFrom, 1e-6) << what << " " << i;
            EXPECT_NEAR(got["costTo"].toDouble(), want.costTo, 1e-6) << what << " " << i;
        }
        if (!test.atOne) {
            EXPECT_TRUE(choice["atOne"].isNull()) << what << result.out;
            continue;
        }
        const AtOne& want = *test.atOne;
        const QJsonObject one = choice["atOne"].toObject();
        EXPECT_EQ(one["index"].toInt(-1), want.index) << what;
        EXPECT_NEAR(one["cost"].toDouble(), want.cost, 1e-9) << what;
        // Whole percent, so exactly the decimal.
        EXPECT_EQ(one["from"].toDouble(), want.from) << what;
        EXPECT_EQ(one["to"].toDouble(), want.to) << what;
        EXPECT_EQ(indexOr(one["below"]), want.below.value_or(-1)) << what;
        EXPECT_EQ(indexOr(one["above"]), want.above.value_or(-1)) << what;
        EXPECT_EQ(indexOr(one["next"]), want.next) << what;
        EXPECT_NEAR(one["difference"].toObject()["amount"].toDouble(-1), want.difference, 1e-9) << what;
        EXPECT_NEAR(one["difference"].toObject()["percent"].toDouble(-1), want.percent, 1e-9) << what;
        EXPECT_EQ(one["tiedWith"], QJsonValue(want.tiedWith)) << what;
    }
}

// The first case above as people read it, and the sentences that change
// with what the choice found (the table under them left out).
TEST(TarifCliChoose, TextSaysItInSentencesAboveTheTable) {
    struct Case {
        QStringList options;
        std::string out;
    };
    const Case cases[] = {
        {{"--jts", "150"},
         "At your usage Alfa-Malý is the cheapest: 400.00 a month.\n"
         "It stays the cheapest from 56 % to 133 % of your usage; below, Beta-Šetrný \"Noc\" is the cheapest, "
         "above, Alfa-Velký.\n"
         "Next cheapest: Alfa-Velký, 450.00 a month, 50.00 more (12.5 %).\n"
         "\n"
         "The cheapest from 0.5× to 2× your usage:\n"
         "  From      To  Tariff             Cost from  Cost to\n"
         "0.500×  0.556×  Beta-Šetrný \"Noc\"     240.00   266.67\n"
         "0.556×  1.333×  Alfa-Malý             266.67   500.00\n"
         "1.333×  2.000×  Alfa-Velký            500.00   600.00\n"},
        {{"--jts", "150", "--vary", "eurotel", "--to", "1,5"},
         "There are no minutes in your calls into Eurotel, so the choice does not depend on them.\n"
         "At your usage Alfa-Malý is the cheapest: 400.00 a month.\n"
         "It stays the cheapest from 50 % to 150 % of your calls into Eurotel, the whole range.\n"
         "Next cheapest: Alfa-Velký, 450.00 a month, 50.00 more (12.5 %).\n"},
        {{"--jts", "150", "--paegas", "125", "--vary", "paegas", "--from", "0.75"},
         "At your usage Alfa-Malý and Alfa-Velký are the cheapest: 450.00 a month each.\n"
         "Alfa-Malý stays the cheapest from 75 % to 100 % of your calls into Paegas; above, Alfa-Velký is the "
         "cheapest.\n"},
        {{"--jts", "150", "--from", "1.5", "--to", "3"}, "Your usage (1×) lies outside the range 1.5× to 3×.\n"},
    };
    for (const Case& test : cases) {
        const Result result =
            run(chooseOn(Choice, test.options + QStringList{"--decimal-separator", ","}), QStringLiteral("C.UTF-8"));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        // A case without the table compares the sentences only.
        const bool withTable = test.out.find("\n\n") != std::string::npos;
        const std::string out = withTable ? result.out : result.out.substr(0, result.out.find("\n\n") + 1);
        EXPECT_EQ(out, test.out) << test.options.join(QLatin1Char(' ')).toStdString();
    }
}

// A tariff cheapest only within a percent of the usage is said so; one
// cheapest at exactly 0 alone keeps a first interval of no width there.
TEST(TarifCliChoose, ANarrowChoiceAndAPointAtZero) {
    QTemporaryDir folder;
    // For 100 minutes A costs 1000 s, B 497.5 + 500 s, C 1000: B is the
    // cheapest from 0.995 to 1.005.
    const QString narrow = QString::fromStdString(
        clitest::write(folder, "narrow.ini",
                       "provider P\r\ntarif A\r\nsazba JTS 10 0\r\nkonec\r\n"
                       "provider P\r\ntarif B\r\nsluzba telefon 497,5\r\nsazba JTS 5 0\r\nkonec\r\n"
                       "provider P\r\ntarif C\r\nsluzba telefon 1000\r\nkonec\r\n"));
    const Result text = run(chooseOn(narrow, {"--jts", "100", "--decimal-separator", ","}), QStringLiteral("C.UTF-8"));
    EXPECT_EQ(text.out.substr(0, text.out.find("Next")),
              "At your usage P-B is the cheapest: 997.50 a month.\n"
              "P-B is the cheapest only at your usage; a change of 1 % makes another the cheapest.\n");
    // Against A (1000 s), B is the cheaper from 0.995 to the range's end at
    // 1.004: only at the usage too, not the whole range.
    const Result current =
        run(chooseOn(narrow, {"--jts", "100", "--to", "1.004", "--current", "P-A", "--decimal-separator", ","}),
            QStringLiteral("C.UTF-8"));
    EXPECT_NE(
        current.out.find("\nP-B is cheaper than yours only at your usage; a change of 1 % makes it no longer so.\n"),
        std::string::npos)
        << current.out;

    // Sharing their free minutes, J costs 100 at 0 and 200 + 100 s above,
    // K 150 at 0 and 190 + 100 s above.
    const QString jump = QString::fromStdString(clitest::write(
        folder, "jump.ini",
        "provider P\r\ntarif J\r\nsluzba telefon 100\r\nsazba JTS 1 -100\r\nvsechnyminzdarma\r\nkonec\r\n"
        "provider P\r\ntarif K\r\nsluzba telefon 150\r\nsazba JTS 1 -40\r\nvsechnyminzdarma\r\nkonec\r\n"));
    const QJsonArray intervals =
        jsonOf(run(chooseOn(jump, {"--jts", "100", "--from", "0", "--format", "json"})))["intervals"].toArray();
    ASSERT_EQ(intervals.size(), 2);
    EXPECT_EQ(intervals[0].toObject()["to"].toDouble(-1), 0);
    EXPECT_EQ(intervals[0].toObject()["index"].toInt(-1), 0);
    EXPECT_EQ(intervals[1].toObject()["index"].toInt(-1), 1);
}

// At 50 minutes with the fax the minimum charge of Beta-Šetrný "Noc" (240)
// is the cheapest all the way: its label needs quoting, and whole numbers
// stay whole.
TEST(TarifCliChoose, CsvHasOneRecordPerInterval) {
    const Result result = run(chooseOn(Choice, {"--jts", "50", "--fax", "--to", "1,5", "--format", "csv"}));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "from,to,index,label,provider,tariff,costFrom,costTo\r\n"
              "0.5,1.5,2,\"Beta-Šetrný \"\"Noc\"\"\",Beta,\"Šetrný \"\"Noc\"\"\",240,240\r\n");
}

// The call list of three months; months.ini: Eurotel-Volný 500 + 1 a
// minute, Eurotel-Běžný 200 + 3 a minute with a fax fee of 80.
TEST(TarifCliChoose, ByMonthOnACallListOfThreeMonths) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QStringList byMonth = byMonthOn(folder, ThreeMonths);

    // 600/500, 706.67/820, 550/350 a month; over the period 300 + 706.67 +
    // 550 = 1556.67 against 250 + 820 + 350 = 1420, the cheapest in two
    // months of three.
    const Result json = run(chooseOn(Months, byMonth + QStringList{"--format", "json"}));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonObject choice = jsonOf(json);
    struct Month {
        const char* month;
        int days;
        int index;
        const char* label;
        double cost;
    };
    const Month months[] = {
        {"2003-09", 15, 1, "Eurotel-Běžný", 500},
        {"2003-10", 31, 0, "Eurotel-Volný", 500 + 12400 / 60.0},
        {"2003-11", 30, 1, "Eurotel-Běžný", 350},
    };
    const QJsonArray rows = choice["months"].toArray();
    ASSERT_EQ(rows.size(), 3) << json.out;
    for (qsizetype m = 0; m < 3; ++m) {
        const QJsonObject row = rows[m].toObject();
        EXPECT_EQ(row["month"].toString(), QString::fromLatin1(months[m].month));
        EXPECT_EQ(row["days"].toInt(), months[m].days) << months[m].month;
        EXPECT_EQ(row["index"].toInt(-1), months[m].index) << months[m].month;
        EXPECT_EQ(row["label"].toString(), QString::fromUtf8(months[m].label)) << months[m].month;
        EXPECT_DOUBLE_EQ(row["cost"].toDouble(), months[m].cost) << months[m].month;
    }
    EXPECT_EQ(choice["period"].toObject(),
              (QJsonObject{{"index", 1},
                           {"label", QStringLiteral("Eurotel-Běžný")},
                           {"provider", QStringLiteral("Eurotel")},
                           {"tariff", QStringLiteral("Běžný")},
                           {"cost", 1420},
                           {"monthsCounted", 3},
                           {"monthsWon", 2},
                           {"safest", QJsonObject{{"index", 1},
                                                  {"label", QStringLiteral("Eurotel-Běžný")},
                                                  {"provider", QStringLiteral("Eurotel")},
                                                  {"tariff", QStringLiteral("Běžný")}}}}));
    // Volný 100 and 200 over Běžný in September and November, Běžný 113.33
    // over Volný in October: the safer of the two is the period's cheapest.
    const QJsonObject volny = choice["regret"].toArray()[0].toObject();
    EXPECT_EQ(volny["monthsCheapest"], QJsonValue(1));
    EXPECT_DOUBLE_EQ(volny["worstExcess"].toDouble(), 200);
    EXPECT_DOUBLE_EQ(volny["totalExcess"].toDouble(), 1556.6666666666665 - 1420);
    // The scale part stays, on the whole list's 121 minutes a month.
    EXPECT_EQ(choice["atOne"].toObject()["cost"].toDouble(), 200 + 3 * 121);

    // With the fax the month costs of Eurotel-Běžný grow by 80: the period
    // goes to Eurotel-Volný, 1556.67 against 1620, cheapest in October only.
    const Result csv = run(chooseOn(Months, byMonth + QStringList{"--fax", "--format", "csv"}));
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out,
              "month,days,index,label,provider,tariff,short,cost\r\n"
              "2003-09,15,1,Eurotel-Běžný,Eurotel,Běžný,0,580\r\n"
              "2003-10,31,0,Eurotel-Volný,Eurotel,Volný,0,706.6666666666666\r\n"
              "2003-11,30,1,Eurotel-Běžný,Eurotel,Běžný,0,430\r\n"
              "period,76,0,Eurotel-Volný,Eurotel,Volný,3,1556.6666666666665\r\n");

    const Result text = run(chooseOn(Months, byMonth), QStringLiteral("cs_CZ.UTF-8"));
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const std::size_t table = text.out.find("\nBy month");
    ASSERT_NE(table, std::string::npos) << text.out;
    EXPECT_EQ(text.out.substr(table),
              "\nBy month, from the call list " + byMonth[1].toStdString() +
                  ":\n"
                  "Month    Days   Cheapest           Cost  Eurotel-Běžný\n"
                  "2003-09  15/30  Eurotel-Běžný    500,00         500,00\n"
                  "2003-10  31/31  Eurotel-Volný    706,67         820,00\n"
                  "2003-11  30/30  Eurotel-Běžný    350,00         350,00\n"
                  "Period   76     Eurotel-Běžný  1\u00a0420,00       1\u00a0420,00\n"
                  "Over the period Eurotel-Běžný is the cheapest: 1\u00a0420,00 in all, and the month's cheapest in "
                  "2 of 3 months.\n"
                  "\nHow the tariffs would have fared over the counted months:\n"
                  "Tariff         Cheapest in  Worst month over  Period over\n"
                  "Eurotel-Volný       1 of 3            200,00       136,67\n"
                  "Eurotel-Běžný       2 of 3            113,33         0,00\n");
}

// Months of fewer than 7 days are marked short and left out of the months
// compared; with fewer than two others the months cannot be compared, and
// the table still shows them all.
TEST(TarifCliChoose, ByMonthLeavesShortMonthsOut) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct {
        const char* what;
        const char* calls;
        const char* isShort;   // of each month, then the count of the months compared
        const char* lastLine;  // of the months; how the tariffs fared follows with two compared
    } cases[] = {
        // 26 to 30 September, all October, 1 and 2 November.
        {"one month of 7 days or more",
         "26.9.2003;10:00;602123456;0:50:00\n1.10.2003;10:00;602123456;3:26:40\n2.11.2003;10:00;602123456;0:01:00\n",
         "1011", "The call list has fewer than two months of 7 days or more; months cannot be compared.\n"},
        // September's 5 days weigh in: 300 minutes as a whole month, 800 and
        // 1100 for 5/30 of it; then 706.67 and 820, 550 and 350.
        {"two of three months counted",
         "26.9.2003;10:00;602123456;0:50:00\n1.10.2003;10:00;602123456;3:26:40\n3.11.2003;10:00;602123456;0:50:00\n"
         "30.11.2003;10:00;602123456;0:01:00\n",
         "1002",
         "Over the period Eurotel-Běžný is the cheapest: 1\u00a0353,33 in all, and the month's cheapest in 1 of 2 "
         "months.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList byMonth = byMonthOn(folder, CallsHeader + c.calls);

        const QJsonObject choice = jsonOf(run(chooseOn(Months, byMonth + QStringList{"--format", "json"})));
        std::string isShort;
        for (const QJsonValue& month : choice["months"].toArray()) isShort += month["short"].toBool() ? "1" : "0";
        const int counted = choice["period"].toObject()["monthsCounted"].toInt(-1);
        EXPECT_EQ(isShort + std::to_string(counted), c.isShort);
        EXPECT_EQ(choice["regret"].isArray(), counted > 1);

        const Result csv = run(chooseOn(Months, byMonth + QStringList{"--format", "csv"}));
        std::string shortColumn;
        const QStringList records = QString::fromStdString(csv.out).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (const QString& record : records.mid(1)) shortColumn += record.split(u',').at(6).toStdString();
        EXPECT_EQ(shortColumn, c.isShort) << csv.out;

        const Result text = run(chooseOn(Months, byMonth));
        EXPECT_NE(text.out.find("2003-09  5/30 short"), std::string::npos) << text.out;
        EXPECT_NE(text.out.find(c.lastLine), std::string::npos) << text.out;
        EXPECT_EQ(text.out.ends_with(c.lastLine), counted < 2) << text.out;
    }
}

// Every bad input once: the status, no output, and a message that says
// what is wrong.
TEST(TarifCliChoose, BadInputIsRefusedWithAMessage) {
    struct Case {
        QStringList arguments;
        int exitCode;
        std::string message;  // the first line on standard error
    };
    const QString empty = QStringLiteral(HOVORIX_TEST_DATA "/no-version.ini");
    // The same tariff twice.
    QTemporaryDir folder;
    const std::string tariff = "provider Alfa\r\ntarif Mal\xFD\r\nsluzba telefon 100\r\nkonec\r\n";
    const QString Twice = QString::fromStdString(clitest::write(folder, "twice.ini", "verze 1\r\n" + tariff + tariff));
    const Case cases[] = {
        {chooseOn(Choice, {"--from", "půl"}), 2,
         "tarif-cli: --from: 'půl' is not a number; write a scale of the usage as 0.5 or 0,5"},
        {chooseOn(Choice, {"--to", "1e1"}), 2,
         "tarif-cli: --to: '1e1' is not a number; write a scale of the usage as 0.5 or 0,5"},
        {chooseOn(Choice, {"--from", "-0,5"}), 2, "tarif-cli: --from: '-0,5': a scale cannot be negative"},
        {chooseOn(Choice, {"--to", "100.5"}), 2, "tarif-cli: --to: '100.5': at most 100 times the usage"},
        {chooseOn(Choice, {"--from", "1,5", "--to", "1.5"}), 2, "tarif-cli: --from (1,5) must be below --to (1.5)"},
        {chooseOn(Choice, {"--from", "3"}), 2, "tarif-cli: --from (3) must be below --to (2, the default)"},
        {chooseOn(Choice, {"--by-month"}), 2, "tarif-cli: --by-month requires --calls"},
        {chooseOn(Choice, {"--vary", "sms"}), 2,
         "tarif-cli: --vary: 'sms' is not a part of the calls; use all, jts, paegas or eurotel"},
        {chooseOn(empty, {}), 1, empty.toStdString() + ": the file holds no tariffs to choose from"},
        {chooseOn(Choice, {"--current", "3"}), 2, "tarif-cli: --current 3: the file holds tariffs 0 to 2"},
        {chooseOn(Choice, {"--current", "Alfa-Střední"}), 2,
         "tarif-cli: --current: no tariff is labelled 'Alfa-Střední'"},
        {chooseOn(Twice, {"--current", "Alfa-Malý"}), 2,
         "tarif-cli: --current: tariffs 0 and 1 are all labelled 'Alfa-Malý'; give the number of yours"},
        {chooseOn(Choice, {"--switch-cost", "-1"}), 2, "tarif-cli: --switch-cost: '-1': a cost cannot be negative"},
        {chooseOn(Choice, {"--switch-cost", "tisíc"}), 2,
         "tarif-cli: --switch-cost: 'tisíc' is not an amount; write it as 1500 or 1500,50"},
    };
    for (const Case& test : cases) {
        const std::string what = test.arguments.join(QLatin1Char(' ')).toStdString();
        const Result result = run(test.arguments);
        EXPECT_EQ(result.exitCode, test.exitCode) << what;
        EXPECT_EQ(result.out, "") << what;
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), test.message) << what;
    }
}

// --current by its label or its place, and --switch-cost: the saving, the
// interval on which the cheapest stays cheaper and the months a switch
// takes, the same in JSON, CSV and text; over a call list's months the
// current tariff's cost beside each month's and the period's.
TEST(TarifCliChoose, AgainstTheCurrentTariff) {
    // At 150 minutes Malý costs 100 + 300 s, Velký 300 + 150 s: Malý is the
    // cheaper below 4/3, from the range's start.
    const QStringList velky = {"--jts", "150", "--current", "Alfa-Velký", "--switch-cost", "120"};
    const QJsonObject current =
        jsonOf(run(chooseOn(Choice, velky + QStringList{"--format", "json"})))["current"].toObject();
    EXPECT_EQ(current["index"], QJsonValue(1));
    const std::pair<const char*, double> values[] = {
        {"cost", 450},          {"saving", 50},       {"savingPercent", 50 / 4.5}, {"yearlySaving", 600},
        {"breakEvenMonths", 3}, {"cheaperFrom", 0.5}, {"cheaperTo", 4 / 3.0}};
    for (const auto& [key, value] : values) EXPECT_NEAR(current[QLatin1String(key)].toDouble(-1), value, 1e-9) << key;
    const QString csv = QString::fromStdString(run(chooseOn(Choice, velky + QStringList{"--format", "csv"})).out);
    EXPECT_TRUE(csv.section(QStringLiteral("\r\n"), 1, 1)
                    .endsWith(QStringLiteral(",1,Alfa-Velký,450,50,11.11111111111111,600,3,0.5,1.3333333333333333")))
        << csv.toStdString();
    EXPECT_NE(run(chooseOn(Choice, velky), QStringLiteral("cs_CZ.UTF-8"))
                  .out.find("With your current tariff Alfa-Velký you pay 450,00 a month; Alfa-Malý costs 400,00: you "
                            "would save 50,00 a month (11,1 %), 600,00 a year.\nAlfa-Malý stays cheaper than yours "
                            "from 50 % to 133 % of your usage.\nSwitching pays for itself in 3 months.\n"),
              std::string::npos);
    // The cheapest itself: nothing to save, no interval, no months.
    const QJsonObject itself = jsonOf(run(
        chooseOn(Choice, {"--jts", "150", "--current", "0", "--switch-cost", "1,5", "--format", "json"})))["current"]
                                   .toObject();
    EXPECT_EQ(itself["saving"], QJsonValue(0));
    for (const char* none : {"breakEvenMonths", "cheaperFrom", "cheaperTo"})
        EXPECT_TRUE(itself[QLatin1String(none)].isNull()) << none;

    // The call list of three months, with Volný (600, 706.67 and 550) the
    // current tariff.
    QTemporaryDir folder;
    const QStringList byMonth = byMonthOn(folder, ThreeMonths) + QStringList{"--current", "0"};
    const QJsonObject months = jsonOf(run(chooseOn(Months, byMonth + QStringList{"--format", "json"})));
    EXPECT_EQ(months["months"].toArray()[2].toObject()["currentCost"], QJsonValue(550));
    EXPECT_DOUBLE_EQ(months["period"].toObject()["saving"].toDouble(), 1556.6666666666665 - 1420);
    EXPECT_TRUE(run(chooseOn(Months, byMonth + QStringList{"--format", "csv"}))
                    .out.starts_with("month,days,index,label,provider,tariff,short,cost,currentCost,saving\r\n"
                                     "2003-09,15,1,Eurotel-Běžný,Eurotel,Běžný,0,500,600,100\r\n"));
    EXPECT_NE(run(chooseOn(Months, byMonth), QStringLiteral("cs_CZ.UTF-8"))
                  .out.find("Over the period you paid 1\u00a0556,67 with Eurotel-Volný; Eurotel-Běžný would have cost "
                            "1\u00a0420,00, 136,67 less, and was cheaper in 2 of 3 months.\n"),
              std::string::npos);
}
