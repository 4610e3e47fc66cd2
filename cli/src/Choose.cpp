// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <chrono>
#include <iterator>
#include <optional>
#include <vector>

#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/UsageSource.h"
#include "desktop/CostMark.h"

namespace hovorix::cli {

namespace {

// The calls that vary, as the text report names them.
constexpr auto VariedCalls = tariffs::enumTable<fees::VariedZones, const char*>({
    {fees::VariedZones::All, "your usage"},
    {fees::VariedZones::FixedNetwork, "your calls into the fixed network"},
    {fees::VariedZones::Paegas, "your calls into Paegas"},
    {fees::VariedZones::Eurotel, "your calls into Eurotel"},
});

const char* variedCalls(fees::VariedZones varied) { return VariedCalls[tariffs::indexOf(varied)]; }

struct Choice {
    fees::ScaleChoice scale;
    // With the months: the choice and, in the same order, what the call
    // list gives for each month.
    std::optional<fees::MonthsChoice> months;
    const calls::CallSummary* summary = nullptr;
};

// Each calendar month's minutes as billed, with the fax and data switches the
// user gave, for the month-by-month choice.
std::vector<fees::MonthUsage> monthUsages(const calls::CallSummary& summary, const fees::UsageProfile& usage) {
    std::vector<fees::MonthUsage> months;
    for (const calls::MonthFigures& figures : summary.months) {
        fees::MonthUsage month = calls::monthUsage(figures);
        month.usage.fax = usage.fax;
        month.usage.data = usage.data;
        months.push_back(std::move(month));
    }
    return months;
}

// --- text: the answer in sentences, then the tables ---------------------------

QString tariffText(const tariffs::TariffList& list, std::size_t index) {
    return visibleText(tariffs::tariffLabel(list.seek(index)));
}

// A scale for a sentence: no more decimals than it needs ("0.5×", "2×").
QString scaleText(double scale, const QLocale& locale) {
    QString text = locale.toString(scale, 'f', 3);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0'))) text.chop(1);
        if (text.endsWith(point)) text.chop(point.size());
    }
    return text + QStringLiteral("×");
}

// A scale for a table column: three decimals, so the column lines up.
QString scaleCell(double scale, const QLocale& locale) { return locale.toString(scale, 'f', 3) + QStringLiteral("×"); }

QString namesText(const std::vector<QString>& names) {
    QString text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 < names.size() ? QStringLiteral(", ") : QStringLiteral(" and ");
        text += names[i];
    }
    return text;
}

// From how many percent to how many of the usage the tariff stays the
// cheapest, and who takes over.
void printStays(const tariffs::TariffList& list, const fees::ChoiceAtOne& one, const QString& named,
                const QString& calls) {
    QString stays = QStringLiteral("%1 stays the cheapest from %2 % to %3 % of %4")
                        .arg(one.tiedWith.empty() ? QStringLiteral("It") : named)
                        .arg(one.fromPercent)
                        .arg(one.toPercent)
                        .arg(calls);
    if (!one.below && !one.above) {
        stays += QStringLiteral(", the whole range");
    } else {
        if (one.below) stays += QStringLiteral("; below, %1 is the cheapest").arg(tariffText(list, *one.below));
        if (one.above) {
            stays += one.below ? QStringLiteral(", above, %1").arg(tariffText(list, *one.above))
                               : QStringLiteral("; above, %1 is the cheapest").arg(tariffText(list, *one.above));
        }
    }
    print(stdout, stays + QStringLiteral(".\n"));
}

void printAtOne(const tariffs::TariffList& list, const fees::ScaleChoice& scale, const QLocale& locale) {
    const QString calls = QString::fromLatin1(variedCalls(scale.varied));
    if (scale.variedMinutesZero) {
        print(stdout,
              QStringLiteral("There are no minutes in %1, so the choice does not depend on them.\n").arg(calls));
    }
    if (!scale.atOne) {
        print(stdout, QStringLiteral("Your usage (1×) lies outside the range %1 to %2.\n")
                          .arg(scaleText(scale.from, locale), scaleText(scale.to, locale)));
        return;
    }
    const fees::ChoiceAtOne& one = *scale.atOne;
    const QString named = tariffText(list, one.tariff);
    const QString cost = desktop::formatMark(one.cost, locale);
    if (one.tiedWith.empty()) {
        print(stdout, QStringLiteral("At your usage %1 is the cheapest: %2 a month.\n").arg(named, cost));
    } else {
        std::vector<QString> names{named};
        for (const std::size_t tied : one.tiedWith) names.push_back(tariffText(list, tied));
        print(stdout,
              QStringLiteral("At your usage %1 are the cheapest: %2 a month each.\n").arg(namesText(names), cost));
    }

    // Rounded inward, 100 % on both sides means that a change of a whole
    // percent already leaves the stretch.
    if (one.fromPercent == 100 && one.toPercent == 100 && (one.below || one.above)) {
        print(stdout,
              QStringLiteral("%1 is the cheapest only at your usage; a change of 1 % makes another the cheapest.\n")
                  .arg(named));
    } else {
        printStays(list, one, named, calls);
    }

    // A tariff that costs the same is named above already.
    if (!one.next || !one.tiedWith.empty()) return;
    QString next = QStringLiteral("Next cheapest: %1, %2 a month, %3 more")
                       .arg(tariffText(list, *one.next), desktop::formatMark(one.nextCost, locale),
                            desktop::formatMark(one.difference, locale));
    if (one.differencePercent) next += QStringLiteral(" (%1 %)").arg(locale.toString(*one.differencePercent, 'f', 1));
    print(stdout, next + QStringLiteral(".\n"));
}

void printIntervals(const tariffs::TariffList& list, const fees::ScaleChoice& scale, const QLocale& locale) {
    print(stdout, QStringLiteral("\nThe cheapest from %1 to %2 %3:\n")
                      .arg(scaleText(scale.from, locale), scaleText(scale.to, locale),
                           QString::fromLatin1(variedCalls(scale.varied))));
    TextTable table;
    table.addColumn(QStringLiteral("From"), true);
    table.addColumn(QStringLiteral("To"), true);
    table.addColumn(QStringLiteral("Tariff"), false);
    table.addColumn(QStringLiteral("Cost from"), true);
    table.addColumn(QStringLiteral("Cost to"), true);
    for (const fees::CheapestInterval& interval : scale.intervals) {
        table.addRow({scaleCell(interval.from, locale), scaleCell(interval.to, locale),
                      tariffText(list, interval.tariff), desktop::formatMark(interval.costFrom, locale),
                      desktop::formatMark(interval.costTo, locale)});
    }
    table.print(stdout, true);
}

void printMonths(const tariffs::TariffList& list, const Choice& choice, const std::string& callList,
                 const QLocale& locale) {
    const fees::MonthsChoice& months = *choice.months;
    const fees::PeriodChoice& period = months.period;
    const QString periodTariff = tariffText(list, period.cheapest);
    print(stdout, "\nBy month, from the call list " + callList + ":\n");
    TextTable table;
    table.addColumn(QStringLiteral("Month"), false);
    table.addColumn(QStringLiteral("Days"), false);
    table.addColumn(QStringLiteral("Cheapest"), false);
    table.addColumn(QStringLiteral("Cost"), true);
    // What the period's cheapest tariff cost in each month.
    table.addColumn(periodTariff, true);
    for (std::size_t m = 0; m < months.months.size(); ++m) {
        const fees::MonthChoice& month = months.months[m];
        QString days = QStringLiteral("%1/%2").arg(month.daysCovered).arg(month.daysInMonth);
        if (month.isShort) days += QStringLiteral(" short");
        table.addRow({QString::fromStdString(month.month), days, tariffText(list, month.cheapest),
                      desktop::formatMark(month.cost, locale),
                      desktop::formatMark(month.costs[period.cheapest], locale)});
    }
    table.addRow({QStringLiteral("Period"), QString::number(choice.summary->spanDays), periodTariff,
                  desktop::formatMark(period.cost, locale), desktop::formatMark(period.cost, locale)});
    table.print(stdout, true);
    static_assert(fees::ShortMonthDays == 7, "the sentence names the days a month needs to be counted");
    if (period.monthsCounted < 2) {
        print(stdout, "The call list has fewer than two months of 7 days or more; months cannot be compared.\n");
        return;
    }
    print(stdout, QStringLiteral("Over the period %1 is the cheapest: %2 in all, and the month's cheapest in %3 of %4 "
                                 "months.\n")
                      .arg(periodTariff, desktop::formatMark(period.cost, locale))
                      .arg(period.monthsWon)
                      .arg(period.monthsCounted));
}

void printText(const tariffs::TariffList& list, const Choice& choice, const ChooseRequest& request,
               const QLocale& locale) {
    printAtOne(list, choice.scale, locale);
    printIntervals(list, choice.scale, locale);
    if (choice.months) printMonths(list, choice, request.input.calls->file, locale);
}

// --- CSV: the intervals, or the months and the period -------------------------

std::string csvTariff(const tariffs::TariffList& list, std::size_t index) {
    const tariffs::Tarifs& tariff = list.seek(index);
    return std::to_string(index) + "," + csvField(toUtf8(tariffs::tariffLabel(tariff))) + "," +
           csvField(toUtf8(tariff.provider)) + "," + csvField(toUtf8(tariff.name));
}

void printCsv(const tariffs::TariffList& list, const Choice& choice) {
    // Records end in CR LF, as the format prescribes.
    if (!choice.months) {
        print(stdout, "from,to,index,label,provider,tariff,costFrom,costTo\r\n");
        for (const fees::CheapestInterval& interval : choice.scale.intervals) {
            print(stdout, roundTripNumber(interval.from) + "," + roundTripNumber(interval.to) + "," +
                              csvTariff(list, interval.tariff) + "," + roundTripNumber(interval.costFrom) + "," +
                              roundTripNumber(interval.costTo) + "\r\n");
        }
        return;
    }
    // "short" is 0 or 1 for a month; for the period, the months counted.
    print(stdout, "month,days,index,label,provider,tariff,short,cost\r\n");
    for (const fees::MonthChoice& month : choice.months->months) {
        print(stdout, month.month + "," + std::to_string(month.daysCovered) + "," + csvTariff(list, month.cheapest) +
                          "," + (month.isShort ? "1" : "0") + "," + roundTripNumber(month.cost) + "\r\n");
    }
    const fees::PeriodChoice& period = choice.months->period;
    print(stdout, "period," + std::to_string(choice.summary->spanDays) + "," + csvTariff(list, period.cheapest) + "," +
                      std::to_string(period.monthsCounted) + "," + roundTripNumber(period.cost) + "\r\n");
}

// --- JSON: one object -----------------------------------------------------------

// "index", "label", "provider" and "tariff" of a tariff, without the braces.
std::string jsonTariff(const tariffs::TariffList& list, std::size_t index) {
    const tariffs::Tarifs& tariff = list.seek(index);
    return "\"index\": " + std::to_string(index) + ", \"label\": " + jsonString(toUtf8(tariffs::tariffLabel(tariff))) +
           ", \"provider\": " + jsonString(toUtf8(tariff.provider)) +
           ", \"tariff\": " + jsonString(toUtf8(tariff.name));
}

std::string jsonTariffOrNull(const tariffs::TariffList& list, const std::optional<std::size_t>& index) {
    return index ? "{" + jsonTariff(list, *index) + "}" : "null";
}

std::string jsonAtOne(const tariffs::TariffList& list, const fees::ScaleChoice& scale) {
    if (!scale.atOne) return "null";
    const fees::ChoiceAtOne& one = *scale.atOne;
    // The stretch as the sentence promises it, in whole percent rounded
    // inward, written as a scale like every other from and to: 56 % is 0.56.
    std::string tied;
    for (const std::size_t other : one.tiedWith) tied += (tied.empty() ? "" : ", ") + std::to_string(other);
    std::string out = "{" + jsonTariff(list, one.tariff) + ", \"cost\": " + jsonNumber(one.cost) + ", \"tiedWith\": [" +
                      tied + "], \"from\": " + jsonNumber(one.fromPercent / 100.0) +
                      ", \"to\": " + jsonNumber(one.toPercent / 100.0) +
                      ", \"below\": " + jsonTariffOrNull(list, one.below) +
                      ", \"above\": " + jsonTariffOrNull(list, one.above) + ", \"next\": ";
    if (one.next) {
        out += "{" + jsonTariff(list, *one.next) + ", \"cost\": " + jsonNumber(one.nextCost) +
               "}, \"difference\": {\"amount\": " + jsonNumber(one.difference) +
               ", \"percent\": " + (one.differencePercent ? jsonNumber(*one.differencePercent) : "null") + "}";
    } else {
        out += "null, \"difference\": null";
    }
    return out + "}";
}

void printJson(const tariffs::TariffList& list, const Choice& choice) {
    const fees::ScaleChoice& scale = choice.scale;
    std::string out = "{\n";
    out += "  \"vary\": " + jsonString(fees::variedZonesName(scale.varied)) + ",\n";
    out += "  \"from\": " + jsonNumber(scale.from) + ",\n";
    out += "  \"to\": " + jsonNumber(scale.to) + ",\n";
    out += "  \"atOne\": " + jsonAtOne(list, scale) + ",\n";
    out += "  \"intervals\": [\n";
    for (std::size_t i = 0; i < scale.intervals.size(); ++i) {
        const fees::CheapestInterval& interval = scale.intervals[i];
        out += "    {\"from\": " + jsonNumber(interval.from) + ", \"to\": " + jsonNumber(interval.to) + ", " +
               jsonTariff(list, interval.tariff) + ", \"costFrom\": " + jsonNumber(interval.costFrom) +
               ", \"costTo\": " + jsonNumber(interval.costTo) + (i + 1 < scale.intervals.size() ? "},\n" : "}\n");
    }
    out += "  ]";
    if (choice.months) {
        const std::vector<fees::MonthChoice>& months = choice.months->months;
        out += ",\n  \"months\": [\n";
        for (std::size_t m = 0; m < months.size(); ++m) {
            out += "    {\"month\": " + jsonString(months[m].month) +
                   ", \"days\": " + std::to_string(months[m].daysCovered) +
                   ", \"short\": " + (months[m].isShort ? "true" : "false") + ", " +
                   jsonTariff(list, months[m].cheapest) + ", \"cost\": " + jsonNumber(months[m].cost) +
                   (m + 1 < months.size() ? "},\n" : "}\n");
        }
        const fees::PeriodChoice& period = choice.months->period;
        out += "  ],\n  \"period\": {" + jsonTariff(list, period.cheapest) + ", \"cost\": " + jsonNumber(period.cost) +
               ", \"monthsCounted\": " + std::to_string(period.monthsCounted) +
               ", \"monthsWon\": " + std::to_string(period.monthsWon) + "}";
    }
    out += "\n}\n";
    print(stdout, out);
}

}  // namespace

ExitStatus runChoose(const ChooseRequest& request, const QLocale& locale) {
    Pricing pricing;
    const ExitStatus status = loadPricing(request.file, request.decimalSeparator, request.input, pricing);
    if (status != Success) return status;
    if (pricing.list.isEmpty()) {
        print(stderr, request.file + ": the file holds no tariffs to choose from\n");
        return Failure;
    }

    Choice choice;
    choice.scale = fees::chooseByScale(pricing.list, pricing.usage, request.varied, request.from, request.to);
    if (request.byMonth) {
        // The command line lets --by-month through only with --calls.
        if (!pricing.calls) {
            print(stderr, "tarif-cli: the months need a call list (--calls)\n");
            return UsageOrOpenFailure;
        }
        choice.summary = &pricing.calls->summary;
        choice.months = fees::chooseByMonth(pricing.list, monthUsages(*choice.summary, pricing.usage));
    }

    switch (request.format) {
    case CostFormat::Text: printText(pricing.list, choice, request, locale); break;
    case CostFormat::Csv: printCsv(pricing.list, choice); break;
    case CostFormat::Json: printJson(pricing.list, choice); break;
    }
    return Success;
}

}  // namespace hovorix::cli
