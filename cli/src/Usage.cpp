// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <array>

#include "cli/Commands.h"
#include "cli/Output.h"

namespace hovorix::cli {

namespace {

struct ReasonName {
    const char* key;   // csv and json
    const char* text;  // the text table
};

// In the order of calls::NotCounted.
constexpr std::array<ReasonName, calls::NotCountedCount> Reasons = {{
    {"otherNetwork", "other network (Oskar)"},
    {"abroad", "abroad"},
    {"free", "free numbers"},
    {"sharedCost", "shared-cost numbers"},
    {"premium", "premium numbers"},
    {"services", "services"},
    {"unknown", "unknown numbers"},
    {"notOutgoingVoice", "incoming calls, SMS, data and other"},
}};

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

// --- text: a report for people ---------------------------------------------

void printText(const UsageRequest& request, const LoadedCallList& loaded) {
    const calls::CallSummary& s = loaded.summary;
    const auto days = [](std::int32_t n) { return std::to_string(n) + (n == 1 ? " day" : " days"); };
    print(stdout, "Call list:  " + request.calls.file + " (" + text(calls::encodingText(loaded.tally.encoding)) +
                      ", separator " + separatorName(loaded.tally.separator) + ")\n");
    print(stdout, "Prefixes:   " + loaded.prefixSource + "\n");
    print(stdout,
          "Period:     " + isoDate(s.firstDate) + " to " + isoDate(s.lastDate) + ", " + days(s.spanDays) + "\n");
    print(stdout, "Days (D):   " + days(s.days) + (request.calls.options.days ? " (given)" : "") + "\n");
    print(stdout, "Rounding:   " + text(calls::roundingName(request.calls.options.rounding)) + "\n");
    print(stdout, "Holidays:   " + std::to_string(s.holidayCalls) + " counted calls, priced as " +
                      (request.calls.options.holidaysAsWeekend ? "weekend days" : "working days") + "\n\n");

    const auto figures = [](TextTable& table, const QString& name, const calls::Figures& f) {
        table.addRow({name, QString::number(f.calls), QString::fromStdString(calls::durationText(f.seconds)),
                      QString::number(f.monthlyMinutes)});
    };
    const auto columns = [](TextTable& table, const char* first) {
        table.addColumn(QString::fromLatin1(first), false);
        table.addColumn(QStringLiteral("Calls"), true);
        table.addColumn(QStringLiteral("Duration"), true);
        table.addColumn(QStringLiteral("Minutes a month"), true);
    };
    TextTable zones;
    columns(zones, "Zone");
    for (const tariffs::Zone zone : tariffs::AllZones)
        figures(zones, QString::fromStdString(text(tariffs::zoneName(zone))), s.zone(zone));
    zones.print(stdout, true);
    print(stdout, "\n");
    TextTable notCounted;
    columns(notCounted, "Not counted");
    for (std::size_t i = 0; i < Reasons.size(); ++i) {
        figures(notCounted, QString::fromLatin1(Reasons[i].text), reasonFigures(s, i));
    }
    notCounted.print(stdout, true);
}

// --- CSV: one record per zone and reason ------------------------------------

void printCsv(const LoadedCallList& loaded) {
    const calls::CallSummary& s = loaded.summary;
    const auto record = [](const char* group, std::string_view name, const calls::Figures& f) {
        print(stdout, std::string(group) + "," + csvField(name) + "," + std::to_string(f.calls) + "," +
                          std::to_string(f.seconds) + "," + std::to_string(f.monthlyMinutes) + "\r\n");
    };
    print(stdout, "group,name,calls,seconds,monthlyMinutes\r\n");
    for (const tariffs::Zone zone : tariffs::AllZones) record("zone", tariffs::zoneName(zone), s.zone(zone));
    for (std::size_t i = 0; i < Reasons.size(); ++i) record("notCounted", Reasons[i].key, reasonFigures(s, i));
}

// --- JSON: one object ---------------------------------------------------------

void printJson(const UsageRequest& request, const LoadedCallList& loaded) {
    const calls::CallSummary& s = loaded.summary;
    const auto figures = [](const calls::Figures& f) {
        return ", \"calls\": " + std::to_string(f.calls) + ", \"seconds\": " + std::to_string(f.seconds) +
               ", \"monthlyMinutes\": " + std::to_string(f.monthlyMinutes) + "}";
    };
    std::string out = "{\n";
    out += "  \"file\": " + jsonString(request.calls.file) + ",\n";
    out += "  \"encoding\": " + jsonString(calls::encodingText(loaded.tally.encoding)) + ",\n";
    out += "  \"separator\": " + jsonString(std::string(1, loaded.tally.separator)) + ",\n";
    out += "  \"prefixes\": " + jsonString(loaded.prefixSource) + ",\n";
    out += "  \"firstDate\": \"" + isoDate(s.firstDate) + "\",\n";
    out += "  \"lastDate\": \"" + isoDate(s.lastDate) + "\",\n";
    out += "  \"spanDays\": " + std::to_string(s.spanDays) + ",\n";
    out += "  \"days\": " + std::to_string(s.days) + ",\n";
    out += std::string("  \"shortPeriod\": ") + (s.shortPeriod() ? "true" : "false") + ",\n";
    out += "  \"rounding\": " + jsonString(calls::roundingName(request.calls.options.rounding)) + ",\n";
    out +=
        std::string("  \"holidaysAsWeekend\": ") + (request.calls.options.holidaysAsWeekend ? "true" : "false") + ",\n";
    out += "  \"holidayCalls\": " + std::to_string(s.holidayCalls) + ",\n";
    out += "  \"zones\": [\n";
    for (std::size_t z = 0; z < tariffs::ZoneCount; ++z) {
        out += "    {\"zone\": " + jsonString(tariffs::zoneName(tariffs::AllZones[z])) +
               figures(s.zone(tariffs::AllZones[z])) + (z + 1 < tariffs::ZoneCount ? ",\n" : "\n");
    }
    out += "  ],\n  \"notCounted\": [\n";
    for (std::size_t i = 0; i < Reasons.size(); ++i) {
        out += std::string("    {\"reason\": \"") + Reasons[i].key +
               "\", \"text\": " + jsonString(calls::notCountedText(static_cast<calls::NotCounted>(i))) +
               figures(reasonFigures(s, i)) + (i + 1 < Reasons.size() ? ",\n" : "\n");
    }
    out += "  ]\n}\n";
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
    case CostFormat::Csv: printCsv(loaded); break;
    case CostFormat::Json: printJson(request, loaded); break;
    }
    return Success;
}

}  // namespace hovorix::cli
