// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/UsageSource.h"
#include "desktop/CostMark.h"
#include "fees/MonthlyCost.h"

namespace hovorix::cli {

namespace {

struct Row {
    // Windows-1250, as in the file.
    std::string label;
    std::string provider;
    std::string name;
    fees::CostBreakdown parts;

    // Summed in the order the cost is, so the columns add up to the cost.
    double fees() const { return (parts.telephoneFee + parts.faxFee) + parts.dataFee; }
};

std::string yesNo(bool value) { return value ? "yes" : "no"; }

// The breakdown's part of each network, in network order: the text table's
// heading and the key of CSV and JSON.
struct NetworkColumn {
    const char* heading;
    const char* key;
};
constexpr auto NetworkColumns = tariffs::enumTable<tariffs::PricedNetwork, NetworkColumn>({
    {tariffs::PricedNetwork::Jts, {"Fixed network", "fixedNetwork"}},
    {tariffs::PricedNetwork::Paegas, {"Paegas", "paegas"}},
    {tariffs::PricedNetwork::Eurotel, {"Eurotel", "eurotel"}},
});

double networkPart(const Row& row, std::size_t column) { return row.parts.network(tariffs::AllPricedNetworks[column]); }

// --- text: a table for people ---------------------------------------------

void printText(const std::vector<Row>& rows, bool breakdown, const QLocale& locale) {
    TextTable table;
    table.addColumn(QStringLiteral("Tariff"), false);
    if (breakdown) {
        table.addColumn(QStringLiteral("Fees"), true);
        for (const NetworkColumn& column : NetworkColumns) table.addColumn(QString::fromLatin1(column.heading), true);
        table.addColumn(QStringLiteral("Minimum"), false);
    }
    table.addColumn(QStringLiteral("Cost"), true);

    for (const Row& row : rows) {
        std::vector<QString> cells{visibleText(row.label)};
        if (breakdown) {
            cells.push_back(desktop::formatMark(row.fees(), locale));
            for (std::size_t n = 0; n < NetworkColumns.size(); ++n) {
                cells.push_back(desktop::formatMark(networkPart(row, n), locale));
            }
            cells.push_back(QString::fromStdString(yesNo(row.parts.minimumApplied)));
        }
        cells.push_back(desktop::formatMark(row.parts.total, locale));
        table.addRow(std::move(cells));
    }
    // Without the breakdown the two columns explain themselves.
    table.print(stdout, breakdown);
}

// --- CSV: records for spreadsheets and scripts ------------------------------

void printCsv(const std::vector<Row>& rows, bool breakdown) {
    // Records end in CR LF, as the format prescribes.
    std::string header = "label,provider,tariff,";
    if (breakdown) {
        header += "fees,";
        for (const NetworkColumn& column : NetworkColumns) header += std::string(column.key) + ",";
        header += "minimumApplied,";
    }
    print(stdout, header + "cost\r\n");
    for (const Row& row : rows) {
        std::string record =
            csvField(toUtf8(row.label)) + "," + csvField(toUtf8(row.provider)) + "," + csvField(toUtf8(row.name)) + ",";
        if (breakdown) {
            record += roundTripNumber(row.fees()) + ",";
            for (std::size_t n = 0; n < NetworkColumns.size(); ++n)
                record += roundTripNumber(networkPart(row, n)) + ",";
            record += row.parts.minimumApplied ? "true," : "false,";
        }
        record += roundTripNumber(row.parts.total) + "\r\n";
        print(stdout, record);
    }
}

// --- JSON: an array of objects ---------------------------------------------

void printJson(const std::vector<Row>& rows, bool breakdown) {
    if (rows.empty()) {
        print(stdout, "[]\n");
        return;
    }
    print(stdout, "[\n");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        std::string object = "  {\"label\": " + jsonString(toUtf8(row.label)) +
                             ", \"provider\": " + jsonString(toUtf8(row.provider)) +
                             ", \"tariff\": " + jsonString(toUtf8(row.name));
        if (breakdown) {
            object += ", \"fees\": " + jsonNumber(row.fees());
            for (std::size_t n = 0; n < NetworkColumns.size(); ++n) {
                object += ", \"" + std::string(NetworkColumns[n].key) + "\": " + jsonNumber(networkPart(row, n));
            }
            object += std::string(", \"minimumApplied\": ") + (row.parts.minimumApplied ? "true" : "false");
        }
        object += ", \"cost\": " + jsonNumber(row.parts.total) + (r + 1 < rows.size() ? "},\n" : "}\n");
        print(stdout, object);
    }
    print(stdout, "]\n");
}

}  // namespace

ExitStatus runCosts(const CostsRequest& request, const QLocale& locale) {
    Pricing pricing;
    const ExitStatus status = loadPricing(request.file, request.decimalSeparator, request.input, pricing);
    if (status != Success) return status;
    const tariffs::TariffList& list = pricing.list;
    const fees::UsageProfile& usage = pricing.usage;

    std::vector<Row> rows;
    rows.reserve(list.count());
    list.walk([&](const tariffs::Tarifs& tariff) {
        rows.push_back(
            {tariffs::tariffLabel(tariff), tariff.provider, tariff.name, fees::costBreakdown(tariff, usage)});
    });

    switch (request.format) {
    case CostFormat::Text: printText(rows, request.breakdown, locale); break;
    case CostFormat::Csv: printCsv(rows, request.breakdown); break;
    case CostFormat::Json: printJson(rows, request.breakdown); break;
    }
    return Success;
}

}  // namespace hovorix::cli
