// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <algorithm>
#include <charconv>
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
    // With --current: the tariff the user has now against the cheapest, and
    // over the months against the period's cheapest.
    std::optional<fees::CurrentComparison> current;
    std::optional<fees::PeriodAgainstCurrent> periodCurrent;
    double switchCost = 0;
};

// The months' regret table is shown, and compared, with two or more
// counted months.
bool comparesMonths(const fees::MonthsChoice& months) { return months.period.monthsCounted >= 2; }

// The tariff --current names: all digits, a place in the file from 0; else
// a label compared in UTF-8, which one tariff alone must have. Says why on
// standard error when none is named.
std::optional<std::size_t> currentTariff(const tariffs::TariffList& list, const std::string& given) {
    const bool index =
        !given.empty() && std::all_of(given.begin(), given.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (index) {
        std::size_t place = 0;
        const auto [end, error] = std::from_chars(given.data(), given.data() + given.size(), place);
        if (error == std::errc() && end == given.data() + given.size() && place < list.count()) return place;
        print(stderr, "tarif-cli: --current " + given + ": the file holds tariffs 0 to " +
                          std::to_string(list.count() - 1) + "\n");
        return std::nullopt;
    }
    std::vector<std::size_t> labelled;
    for (std::size_t i = 0; i < list.count(); ++i) {
        if (toUtf8(tariffs::tariffLabel(list.seek(i))) == given) labelled.push_back(i);
    }
    if (labelled.size() == 1) return labelled.front();
    const QString label = visibleText(QString::fromStdString(given));
    if (labelled.empty()) {
        print(stderr, QStringLiteral("tarif-cli: --current: no tariff is labelled '%1'\n").arg(label));
        return std::nullopt;
    }
    std::string places;
    for (std::size_t k = 0; k < labelled.size(); ++k) {
        if (k > 0) places += k + 1 < labelled.size() ? ", " : " and ";
        places += std::to_string(labelled[k]);
    }
    print(stderr, QStringLiteral("tarif-cli: --current: tariffs %1 are all labelled '%2'; give the number of yours\n")
                      .arg(QString::fromStdString(places), label));
    return std::nullopt;
}

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

// The whole months after which switching has paid for itself: "1 month", "3 months".
QString monthsText(double months, const QLocale& locale) {
    return locale.toString(months, 'f', 0) + (months == 1 ? QStringLiteral(" month") : QStringLiteral(" months"));
}

void printCurrent(const tariffs::TariffList& list, const Choice& choice, const QLocale& locale) {
    const fees::CurrentComparison& current = *choice.current;
    const QString mine = tariffText(list, current.tariff);
    if (current.tie) {
        print(stdout, QStringLiteral("Your current tariff %1 is the cheapest at your usage.\n").arg(mine));
        return;
    }
    const QString cheapest = tariffText(list, current.cheapest);
    QString saving =
        QStringLiteral("With your current tariff %1 you pay %2 a month; %3 costs %4: you would save %5 a month")
            .arg(mine, desktop::formatMark(current.cost, locale), cheapest,
                 desktop::formatMark(current.cheapestCost, locale), desktop::formatMark(current.saving, locale));
    if (current.savingPercent) saving += QStringLiteral(" (%1 %)").arg(locale.toString(*current.savingPercent, 'f', 1));
    print(stdout, saving + QStringLiteral(", %1 a year.\n").arg(desktop::formatMark(current.yearlySaving(), locale)));
    if (current.cheaperFrom && current.cheaperTo) {
        const bool wholeRange = *current.cheaperFrom <= choice.scale.from && *current.cheaperTo >= choice.scale.to;
        if (!wholeRange && current.fromPercent == 100 && current.toPercent == 100) {
            print(stdout, QStringLiteral(
                              "%1 is cheaper than yours only at your usage; a change of 1 % makes it no longer so.\n")
                              .arg(cheapest));
        } else {
            QString holds = QStringLiteral("%1 stays cheaper than yours from %2 % to %3 % of %4")
                                .arg(cheapest)
                                .arg(current.fromPercent)
                                .arg(current.toPercent)
                                .arg(QString::fromLatin1(variedCalls(choice.scale.varied)));
            if (wholeRange) holds += QStringLiteral(", the whole range");
            print(stdout, holds + QStringLiteral(".\n"));
        }
    }
    if (const std::optional<double> months = fees::breakEvenMonths(choice.switchCost, current.saving)) {
        print(stdout, QStringLiteral("Switching pays for itself in %1.\n").arg(monthsText(*months, locale)));
    }
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
    // What the period's cheapest tariff cost in each month, and the
    // current tariff.
    table.addColumn(periodTariff, true);
    // The position of the current tariff; the number of tariffs without one.
    const std::size_t current = choice.current ? choice.current->tariff : list.count();
    const bool withCurrent = current < list.count();
    if (withCurrent) table.addColumn(QStringLiteral("Yours: ") + tariffText(list, current), true);
    for (std::size_t m = 0; m < months.months.size(); ++m) {
        const fees::MonthChoice& month = months.months[m];
        QString days = QStringLiteral("%1/%2").arg(month.daysCovered).arg(month.daysInMonth);
        if (month.isShort) days += QStringLiteral(" short");
        std::vector<QString> row{QString::fromStdString(month.month), days, tariffText(list, month.cheapest),
                                 desktop::formatMark(month.cost, locale),
                                 desktop::formatMark(month.costs[period.cheapest], locale)};
        if (withCurrent) row.push_back(desktop::formatMark(month.costs[current], locale));
        table.addRow(std::move(row));
    }
    std::vector<QString> total{QStringLiteral("Period"), QString::number(choice.summary->spanDays), periodTariff,
                               desktop::formatMark(period.cost, locale), desktop::formatMark(period.cost, locale)};
    if (withCurrent) total.push_back(desktop::formatMark(choice.periodCurrent->cost, locale));
    table.addRow(std::move(total));
    table.print(stdout, true);
    if (withCurrent && period.monthsCounted > 0) {
        const fees::PeriodAgainstCurrent& against = *choice.periodCurrent;
        const QString mine = tariffText(list, current);
        if (against.tie) {
            print(stdout, QStringLiteral("Over the period you paid %1 with %2, the least of all tariffs.\n")
                              .arg(desktop::formatMark(against.cost, locale), mine));
        } else {
            QString paid =
                QStringLiteral("Over the period you paid %1 with %2; %3 would have cost %4, %5 less")
                    .arg(desktop::formatMark(against.cost, locale), mine, periodTariff,
                         desktop::formatMark(period.cost, locale), desktop::formatMark(against.saving, locale));
            if (period.monthsCounted >= 2) {
                paid += QStringLiteral(", and was cheaper in %1 of %2 months")
                            .arg(against.monthsCheaper)
                            .arg(period.monthsCounted);
            }
            print(stdout, paid + QStringLiteral(".\n"));
        }
    }
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

    print(stdout, "\nHow the tariffs would have fared over the counted months:\n");
    TextTable fared;
    fared.addColumn(QStringLiteral("Tariff"), false);
    fared.addColumn(QStringLiteral("Cheapest in"), true);
    fared.addColumn(QStringLiteral("Worst month over"), true);
    fared.addColumn(QStringLiteral("Period over"), true);
    for (std::size_t i = 0; i < months.regret.size(); ++i) {
        const fees::TariffRegret& regret = months.regret[i];
        fared.addRow(
            {tariffText(list, i), QStringLiteral("%1 of %2").arg(regret.monthsCheapest).arg(period.monthsCounted),
             desktop::formatMark(regret.worstExcess, locale), desktop::formatMark(regret.totalExcess, locale)});
    }
    fared.print(stdout, true);
    if (period.safest && *period.safest != period.cheapest) {
        print(stdout, QStringLiteral("Least risk: %1, in no month more than %2 above that month's cheapest.\n")
                          .arg(tariffText(list, *period.safest),
                               desktop::formatMark(months.regret[*period.safest].worstExcess, locale)));
    }
}

void printText(const tariffs::TariffList& list, const Choice& choice, const ChooseRequest& request,
               const QLocale& locale) {
    printAtOne(list, choice.scale, locale);
    if (choice.current) printCurrent(list, choice, locale);
    printIntervals(list, choice.scale, locale);
    if (choice.months) printMonths(list, choice, request.input.calls->file, locale);
}

// --- CSV: the intervals, or the months and the period -------------------------

std::string csvTariff(const tariffs::TariffList& list, std::size_t index) {
    const tariffs::Tarifs& tariff = list.seek(index);
    return std::to_string(index) + "," + csvField(toUtf8(tariffs::tariffLabel(tariff))) + "," +
           csvField(toUtf8(tariff.provider)) + "," + csvField(toUtf8(tariff.name));
}

// A number or an empty field for none.
std::string csvNumber(const std::optional<double>& value) { return value ? roundTripNumber(*value) : std::string(); }

// The current tariff's fields, the same on every record of the stretches:
// what JSON's "current" holds.
std::string csvCurrent(const tariffs::TariffList& list, const Choice& choice) {
    const fees::CurrentComparison& current = *choice.current;
    return "," + std::to_string(current.tariff) + "," +
           csvField(toUtf8(tariffs::tariffLabel(list.seek(current.tariff)))) + "," + roundTripNumber(current.cost) +
           "," + roundTripNumber(current.saving) + "," + csvNumber(current.savingPercent) + "," +
           roundTripNumber(current.yearlySaving()) + "," +
           csvNumber(fees::breakEvenMonths(choice.switchCost, current.saving)) + "," + csvNumber(current.cheaperFrom) +
           "," + csvNumber(current.cheaperTo);
}

void printCsv(const tariffs::TariffList& list, const Choice& choice) {
    // Records end in CR LF, as the format prescribes.
    if (!choice.months) {
        print(stdout, std::string("from,to,index,label,provider,tariff,costFrom,costTo") +
                          (choice.current ? ",currentIndex,currentLabel,currentCost,saving,savingPercent,"
                                            "yearlySaving,breakEvenMonths,cheaperFrom,cheaperTo"
                                          : "") +
                          "\r\n");
        const std::string current = choice.current ? csvCurrent(list, choice) : std::string();
        for (const fees::CheapestInterval& interval : choice.scale.intervals) {
            print(stdout, roundTripNumber(interval.from) + "," + roundTripNumber(interval.to) + "," +
                              csvTariff(list, interval.tariff) + "," + roundTripNumber(interval.costFrom) + "," +
                              roundTripNumber(interval.costTo) + current + "\r\n");
        }
        return;
    }
    // "short" is 0 or 1 for a month; for the period, the months counted.
    // With the current tariff: its cost, and what the record's cheapest
    // saves on it (0 in a tie).
    print(stdout, std::string("month,days,index,label,provider,tariff,short,cost") +
                      (choice.current ? ",currentCost,saving" : "") + "\r\n");
    const auto mine = [&](double currentCost, double cost) {
        if (!choice.current) return std::string();
        return "," + roundTripNumber(currentCost) + "," +
               roundTripNumber(fees::costsTie(currentCost, cost) ? 0 : currentCost - cost);
    };
    for (const fees::MonthChoice& month : choice.months->months) {
        print(stdout, month.month + "," + std::to_string(month.daysCovered) + "," + csvTariff(list, month.cheapest) +
                          "," + (month.isShort ? "1" : "0") + "," + roundTripNumber(month.cost) +
                          (choice.current ? mine(month.costs[choice.current->tariff], month.cost) : "") + "\r\n");
    }
    const fees::PeriodChoice& period = choice.months->period;
    print(stdout, "period," + std::to_string(choice.summary->spanDays) + "," + csvTariff(list, period.cheapest) + "," +
                      std::to_string(period.monthsCounted) + "," + roundTripNumber(period.cost) +
                      (choice.current ? mine(choice.periodCurrent->cost, period.cost) : "") + "\r\n");
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

std::string jsonNumberOrNull(const std::optional<double>& value) { return value ? jsonNumber(*value) : "null"; }

std::string jsonCurrent(const tariffs::TariffList& list, const Choice& choice) {
    if (!choice.current) return "null";
    const fees::CurrentComparison& current = *choice.current;
    return "{\"index\": " + std::to_string(current.tariff) +
           ", \"label\": " + jsonString(toUtf8(tariffs::tariffLabel(list.seek(current.tariff)))) +
           ", \"cost\": " + jsonNumber(current.cost) + ", \"saving\": " + jsonNumber(current.saving) +
           ", \"savingPercent\": " + jsonNumberOrNull(current.savingPercent) +
           ", \"yearlySaving\": " + jsonNumber(current.yearlySaving()) +
           ", \"breakEvenMonths\": " + jsonNumberOrNull(fees::breakEvenMonths(choice.switchCost, current.saving)) +
           ", \"cheaperFrom\": " + jsonNumberOrNull(current.cheaperFrom) +
           ", \"cheaperTo\": " + jsonNumberOrNull(current.cheaperTo) + "}";
}

std::string jsonRegret(const tariffs::TariffList& list, const fees::MonthsChoice& months) {
    if (!comparesMonths(months)) return "null";
    std::string out = "[\n";
    for (std::size_t i = 0; i < months.regret.size(); ++i) {
        const fees::TariffRegret& regret = months.regret[i];
        out += "    {\"index\": " + std::to_string(i) +
               ", \"label\": " + jsonString(toUtf8(tariffs::tariffLabel(list.seek(i)))) +
               ", \"monthsCheapest\": " + std::to_string(regret.monthsCheapest) +
               ", \"worstExcess\": " + jsonNumber(regret.worstExcess) +
               ", \"totalExcess\": " + jsonNumber(regret.totalExcess) + (i + 1 < months.regret.size() ? "},\n" : "}\n");
    }
    return out + "  ]";
}

void printJson(const tariffs::TariffList& list, const Choice& choice) {
    const fees::ScaleChoice& scale = choice.scale;
    std::string out = "{\n";
    out += "  \"vary\": " + jsonString(fees::variedZonesName(scale.varied)) + ",\n";
    out += "  \"from\": " + jsonNumber(scale.from) + ",\n";
    out += "  \"to\": " + jsonNumber(scale.to) + ",\n";
    out += "  \"atOne\": " + jsonAtOne(list, scale) + ",\n";
    out += "  \"current\": " + jsonCurrent(list, choice) + ",\n";
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
                   (choice.current ? ", \"currentCost\": " + jsonNumber(months[m].costs[choice.current->tariff])
                                   : std::string()) +
                   (m + 1 < months.size() ? "},\n" : "}\n");
        }
        const fees::PeriodChoice& period = choice.months->period;
        out += "  ],\n  \"period\": {" + jsonTariff(list, period.cheapest) + ", \"cost\": " + jsonNumber(period.cost) +
               ", \"monthsCounted\": " + std::to_string(period.monthsCounted) +
               ", \"monthsWon\": " + std::to_string(period.monthsWon);
        if (choice.periodCurrent) {
            out += ", \"currentCost\": " + jsonNumber(choice.periodCurrent->cost) +
                   ", \"saving\": " + jsonNumber(choice.periodCurrent->saving);
        }
        out += ", \"safest\": " + jsonTariffOrNull(list, period.safest) + "},\n";
        out += "  \"regret\": " + jsonRegret(list, *choice.months);
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
    std::optional<std::size_t> current;
    if (request.current) {
        current = currentTariff(pricing.list, *request.current);
        if (!current) return UsageOrOpenFailure;
    }
    choice.scale = fees::chooseByScale(pricing.list, pricing.usage, request.varied, request.from, request.to);
    choice.switchCost = request.switchCost;
    if (current) choice.current = fees::compareWithCurrent(pricing.list, pricing.usage, choice.scale, *current);
    if (request.byMonth) {
        // The command line lets --by-month through only with --calls.
        if (!pricing.calls) {
            print(stderr, "tarif-cli: the months need a call list (--calls)\n");
            return UsageOrOpenFailure;
        }
        choice.summary = &pricing.calls->summary;
        choice.months = fees::chooseByMonth(pricing.list, monthUsages(*choice.summary, pricing.usage));
        if (current) choice.periodCurrent = fees::compareWithCurrent(*choice.months, *current);
    }

    switch (request.format) {
    case CostFormat::Text: printText(pricing.list, choice, request, locale); break;
    case CostFormat::Csv: printCsv(pricing.list, choice); break;
    case CostFormat::Json: printJson(pricing.list, choice); break;
    }
    return Success;
}

}  // namespace hovorix::cli
