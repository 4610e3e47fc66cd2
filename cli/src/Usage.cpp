// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <array>
#include <iterator>

#include "cli/Commands.h"
#include "cli/Output.h"

namespace hovorix::cli {

namespace {

struct ReasonName {
    const char* key;   // csv and json
    const char* text;  // the text table
};

constexpr auto Reasons = tariffs::enumTable<calls::NotCounted, ReasonName>({
    {calls::NotCounted::OtherNetwork, {"otherNetwork", "other network (Oskar)"}},
    {calls::NotCounted::Abroad, {"abroad", "abroad"}},
    {calls::NotCounted::Roaming, {"roaming", "in roaming"}},
    {calls::NotCounted::Free, {"free", "free numbers"}},
    {calls::NotCounted::SharedCost, {"sharedCost", "shared-cost numbers"}},
    {calls::NotCounted::Premium, {"premium", "premium numbers"}},
    {calls::NotCounted::Services, {"services", "services"}},
    {calls::NotCounted::Unknown, {"unknown", "unknown numbers"}},
    {calls::NotCounted::NotOutgoingVoice, {"notOutgoingVoice", "incoming calls, SMS, data and other"}},
});

const calls::Figures& reasonFigures(const calls::CallSummary& summary, std::size_t i) {
    return summary.notCountedFor(static_cast<calls::NotCounted>(i));
}

std::string text(std::string_view view) { return std::string(view); }

std::string isoDate(std::chrono::year_month_day date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buffer;
}

std::string separatorName(char separator) { return separator == '\t' ? "tab" : std::string("'") + separator + "'"; }

std::string daysText(std::int32_t n) { return std::to_string(n) + (n == 1 ? " day" : " days"); }

// --- text: a report for people ---------------------------------------------

void addFigures(TextTable& table, const QString& name, const calls::Figures& f) {
    table.addRow({name, QString::number(f.calls), QString::fromStdString(calls::durationText(f.seconds)),
                  QString::number(f.monthlyMinutes)});
}

TextTable figuresTable(const char* first) {
    TextTable table;
    table.addColumn(QString::fromLatin1(first), false);
    table.addColumn(QStringLiteral("Calls"), true);
    table.addColumn(QStringLiteral("Duration"), true);
    table.addColumn(QStringLiteral("Minutes a month"), true);
    return table;
}

void printZones(const std::array<calls::Figures, tariffs::ZoneCount>& figures) {
    TextTable zones = figuresTable("Zone");
    for (const tariffs::Zone zone : tariffs::AllZones) {
        addFigures(zones, QString::fromStdString(text(tariffs::zoneName(zone))),
                   figures[static_cast<std::size_t>(zone)]);
    }
    zones.print(stdout, true);
}

void printText(const UsageRequest& request, const LoadedCallList& loaded) {
    const calls::CallSummary& s = loaded.summary;
    print(stdout, "Call list:  " + request.calls.file + " (" + text(calls::encodingText(loaded.tally.encoding)) +
                      ", separator " + separatorName(loaded.tally.separator) + ")\n");
    if (!loaded.tally.subscriber.empty()) print(stdout, "Subscriber: " + loaded.tally.subscriber + "\n");
    print(stdout, "Prefixes:   " + loaded.prefixSource + "\n");
    print(stdout,
          "Period:     " + isoDate(s.firstDate) + " to " + isoDate(s.lastDate) + ", " + daysText(s.spanDays) + "\n");
    print(stdout, "Days (D):   " + daysText(s.days) + (request.calls.options.days ? " (given)" : "") + "\n");
    print(stdout, "Rounding:   " + text(calls::roundingName(request.calls.options.rounding)) + "\n");
    print(stdout, "Holidays:   " + std::to_string(s.holidayCalls) + " counted calls, priced as " +
                      (request.calls.options.holidaysAsWeekend ? "weekend days" : "working days") + "\n");
    const calls::SkippedRows& skipped = loaded.tally.skippedRows;
    if (skipped.count > 0) {
        print(stdout, "Skipped rows that are not calls: " + std::to_string(skipped.count) + " (first: line " +
                          std::to_string(skipped.firstLine) + " \"" + skipped.firstText + "\")\n");
    }
    print(stdout, "\n");
    printZones(s.zones);
    print(stdout, "\n");
    TextTable notCounted = figuresTable("Not counted");
    for (std::size_t i = 0; i < std::size(Reasons); ++i) {
        addFigures(notCounted, QString::fromLatin1(Reasons[i].text), reasonFigures(s, i));
    }
    notCounted.print(stdout, true);
    if (!request.byMonth) return;
    for (const calls::MonthFigures& month : s.months) {
        print(stdout, "\nMonth " + calls::monthKey(month.month) + ": " + isoDate(month.firstDate) + " to " +
                          isoDate(month.lastDate) + ", " + daysText(month.days) +
                          (month.shortPeriod() ? " (short: less than a week)" : "") + "\n");
        printZones(month.zones);
    }
}

// --- CSV: one record per zone and reason ------------------------------------

void printCsv(const UsageRequest& request, const LoadedCallList& loaded) {
    const calls::CallSummary& s = loaded.summary;
    // With the months, every record begins with its month and its days.
    const auto monthColumns = [&request](const std::string& month, std::int32_t days) {
        return request.byMonth ? month + "," + std::to_string(days) + "," : std::string();
    };
    const std::string whole = monthColumns("all", s.days);
    // With the months, a last column: a month's zone's minutes of the
    // calendar month, empty on every other record.
    const std::string noMinutes = request.byMonth ? "," : "";
    const auto record = [](const std::string& front, const char* group, std::string_view name, const calls::Figures& f,
                           const std::string& minutes) {
        print(stdout, front + group + "," + csvField(name) + "," + std::to_string(f.calls) + "," +
                          std::to_string(f.seconds) + "," + std::to_string(f.monthlyMinutes) + minutes + "\r\n");
    };
    print(stdout, std::string(request.byMonth ? "month,days," : "") + "group,name,calls,seconds,monthlyMinutes" +
                      (request.byMonth ? ",minutes" : "") + "\r\n");
    for (const tariffs::Zone zone : tariffs::AllZones)
        record(whole, "zone", tariffs::zoneName(zone), s.zone(zone), noMinutes);
    for (std::size_t i = 0; i < std::size(Reasons); ++i)
        record(whole, "notCounted", Reasons[i].key, reasonFigures(s, i), noMinutes);
    print(stdout, whole + "skipped,rows," + std::to_string(loaded.tally.skippedRows.count) + ",," + noMinutes + "\r\n");
    if (!request.byMonth) return;
    for (const calls::MonthFigures& month : s.months) {
        const std::string front = monthColumns(calls::monthKey(month.month), month.days);
        for (const tariffs::Zone zone : tariffs::AllZones)
            record(front, "zone", tariffs::zoneName(zone), month.zone(zone), "," + fourDecimals(month.minutes(zone)));
    }
}

// --- JSON: one object ---------------------------------------------------------

std::string jsonFigures(const calls::Figures& f, const std::string& more = {}) {
    return ", \"calls\": " + std::to_string(f.calls) + ", \"seconds\": " + std::to_string(f.seconds) +
           ", \"monthlyMinutes\": " + std::to_string(f.monthlyMinutes) + more + "}";
}

// The zones in the order and with the names of "zones", indented by indent;
// a month's with their minutes of the calendar month.
std::string jsonZones(const std::array<calls::Figures, tariffs::ZoneCount>& figures, const std::string& indent,
                      const calls::MonthFigures* month = nullptr) {
    std::string out;
    for (std::size_t z = 0; z < tariffs::ZoneCount; ++z) {
        const tariffs::Zone zone = tariffs::AllZones[z];
        const std::string minutes = month ? ", \"minutes\": " + fourDecimals(month->minutes(zone)) : std::string();
        out += indent + "{\"zone\": " + jsonString(tariffs::zoneName(zone)) +
               jsonFigures(figures[static_cast<std::size_t>(zone)], minutes) +
               (z + 1 < tariffs::ZoneCount ? ",\n" : "\n");
    }
    return out;
}

std::string jsonBool(bool value) { return value ? "true" : "false"; }

void printJson(const UsageRequest& request, const LoadedCallList& loaded) {
    const calls::CallSummary& s = loaded.summary;
    const calls::SkippedRows& skipped = loaded.tally.skippedRows;
    std::string out = "{\n";
    out += "  \"file\": " + jsonString(request.calls.file) + ",\n";
    out += "  \"encoding\": " + jsonString(calls::encodingText(loaded.tally.encoding)) + ",\n";
    out += "  \"separator\": " + jsonString(std::string(1, loaded.tally.separator)) + ",\n";
    out += "  \"prefixes\": " + jsonString(loaded.prefixSource) + ",\n";
    out +=
        "  \"subscriber\": " + (loaded.tally.subscriber.empty() ? "null" : jsonString(loaded.tally.subscriber)) + ",\n";
    out += "  \"firstDate\": \"" + isoDate(s.firstDate) + "\",\n";
    out += "  \"lastDate\": \"" + isoDate(s.lastDate) + "\",\n";
    out += "  \"spanDays\": " + std::to_string(s.spanDays) + ",\n";
    out += "  \"days\": " + std::to_string(s.days) + ",\n";
    out += "  \"shortPeriod\": " + jsonBool(s.shortPeriod()) + ",\n";
    out += "  \"rounding\": " + jsonString(calls::roundingName(request.calls.options.rounding)) + ",\n";
    out += "  \"holidaysAsWeekend\": " + jsonBool(request.calls.options.holidaysAsWeekend) + ",\n";
    out += "  \"holidayCalls\": " + std::to_string(s.holidayCalls) + ",\n";
    out += "  \"skippedRows\": {\"count\": " + std::to_string(skipped.count) +
           ", \"firstLine\": " + (skipped.count > 0 ? std::to_string(skipped.firstLine) : "null") +
           ", \"firstText\": " + (skipped.count > 0 ? jsonString(skipped.firstText) : "null") + "},\n";
    out += "  \"zones\": [\n" + jsonZones(s.zones, "    ");
    out += "  ],\n  \"notCounted\": [\n";
    for (std::size_t i = 0; i < std::size(Reasons); ++i) {
        out += std::string("    {\"reason\": \"") + Reasons[i].key +
               "\", \"text\": " + jsonString(calls::notCountedText(static_cast<calls::NotCounted>(i))) +
               jsonFigures(reasonFigures(s, i)) + (i + 1 < std::size(Reasons) ? ",\n" : "\n");
    }
    out += "  ]";
    if (request.byMonth) {
        out += ",\n  \"months\": [\n";
        for (std::size_t m = 0; m < s.months.size(); ++m) {
            const calls::MonthFigures& month = s.months[m];
            out += "    {\"month\": \"" + calls::monthKey(month.month) + "\", \"firstDate\": \"" +
                   isoDate(month.firstDate) + "\", \"lastDate\": \"" + isoDate(month.lastDate) +
                   "\", \"days\": " + std::to_string(month.days) + ", \"short\": " + jsonBool(month.shortPeriod()) +
                   ", \"zones\": [\n" + jsonZones(month.zones, "      ", &month) + "    ]}" +
                   (m + 1 < s.months.size() ? ",\n" : "\n");
        }
        out += "  ]";
    }
    out += "\n}\n";
    print(stdout, out);
}

}  // namespace

ExitStatus runUsage(const UsageRequest& request) {
    LoadedCallList loaded;
    // Without a tariff file, the current folder stands for the folder the
    // calculator would read its tariff file from.
    const ExitStatus status = loadCallList(request.calls, ".", loaded);
    if (status != Success) return status;
    switch (request.format) {
    case CostFormat::Text: printText(request, loaded); break;
    case CostFormat::Csv: printCsv(request, loaded); break;
    case CostFormat::Json: printJson(request, loaded); break;
    }
    return Success;
}

}  // namespace hovorix::cli
