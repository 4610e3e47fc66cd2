#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/Commands.h"
#include "cli/Output.h"
#include "desktop/NumberText.h"
#include "fees/MonthlyCost.h"

namespace hovorix::cli {

namespace {

struct Row {
    // Windows-1250, as in the file.
    std::string label;
    std::string provider;
    std::string name;
    CostBreakdown parts;

    // Summed in the order the cost is, so the columns add up to the cost.
    double fees() const { return (parts.telephoneFee + parts.faxFee) + parts.dataFee; }
};

std::string yesNo(bool value) { return value ? "yes" : "no"; }

// --- text: a table for people ---------------------------------------------

struct Column {
    QString heading;
    bool alignRight;
    std::vector<QString> cells;

    qsizetype width() const {
        qsizetype w = heading.size();
        for (const QString& cell : cells) w = std::max(w, cell.size());
        return w;
    }
};

void printText(const std::vector<Row>& rows, bool breakdown, const QLocale& locale) {
    std::vector<Column> columns;
    columns.push_back({QStringLiteral("Tariff"), false, {}});
    if (breakdown) {
        for (const char* heading : {"Fees", "Fixed network", "Paegas", "Eurotel"}) {
            columns.push_back({QString::fromLatin1(heading), true, {}});
        }
        columns.push_back({QStringLiteral("Minimum"), false, {}});
    }
    columns.push_back({QStringLiteral("Cost"), true, {}});

    for (const Row& row : rows) {
        std::size_t c = 0;
        columns[c++].cells.push_back(visibleText(row.label));
        if (breakdown) {
            for (const double part : {row.fees(), row.parts.fixedNetwork, row.parts.paegas, row.parts.eurotel}) {
                columns[c++].cells.push_back(desktop::formatMark(part, locale));
            }
            columns[c++].cells.push_back(QString::fromStdString(yesNo(row.parts.minimumApplied)));
        }
        columns[c].cells.push_back(desktop::formatMark(row.parts.total, locale));
    }

    std::vector<qsizetype> widths;
    for (const Column& column : columns) widths.push_back(column.width());
    auto printLine = [&](auto cellOf) {
        QString line;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QString cell = cellOf(columns[c]);
            if (c > 0) line += QStringLiteral("  ");
            const bool last = c + 1 == columns.size();
            if (columns[c].alignRight) {
                line += cell.rightJustified(widths[c]);
            } else {
                line += last ? cell : cell.leftJustified(widths[c]);
            }
        }
        print(stdout, line + QLatin1Char('\n'));
    };
    // Without the breakdown the two columns explain themselves.
    if (breakdown) printLine([](const Column& column) { return column.heading; });
    for (std::size_t r = 0; r < rows.size(); ++r) {
        printLine([r](const Column& column) { return column.cells[r]; });
    }
}

// --- CSV: records for spreadsheets and scripts ------------------------------

void printCsv(const std::vector<Row>& rows, bool breakdown) {
    // Records end in CR LF, as the format prescribes.
    print(stdout, breakdown ? "label,provider,tariff,fees,fixedNetwork,paegas,eurotel,minimumApplied,cost\r\n"
                            : "label,provider,tariff,cost\r\n");
    for (const Row& row : rows) {
        std::string record = csvField(toUtf8(row.label)) + "," +
                             csvField(toUtf8(row.provider)) + "," + csvField(toUtf8(row.name)) + ",";
        if (breakdown) {
            for (const double part : {row.fees(), row.parts.fixedNetwork, row.parts.paegas, row.parts.eurotel}) {
                record += roundTripNumber(part) + ",";
            }
            record += row.parts.minimumApplied ? "true," : "false,";
        }
        record += roundTripNumber(row.parts.total) + "\r\n";
        print(stdout, record);
    }
}

// --- JSON: an array of objects ---------------------------------------------

std::string jsonNumber(double value) {
    // JSON has no text for infinities; null says there is no number.
    return std::isfinite(value) ? roundTripNumber(value) : "null";
}

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
            object += ", \"fees\": " + jsonNumber(row.fees()) + ", \"fixedNetwork\": " +
                      jsonNumber(row.parts.fixedNetwork) + ", \"paegas\": " + jsonNumber(row.parts.paegas) +
                      ", \"eurotel\": " + jsonNumber(row.parts.eurotel) +
                      ", \"minimumApplied\": " + (row.parts.minimumApplied ? "true" : "false");
        }
        object += ", \"cost\": " + jsonNumber(row.parts.total) + (r + 1 < rows.size() ? "},\n" : "}\n");
        print(stdout, object);
    }
    print(stdout, "]\n");
}

}  // namespace

ExitStatus runCosts(const CostsRequest& request, const QLocale& locale) {
    TariffList list(CalculatorDefaults);
    std::string version;
    const ExitStatus status = loadTariffFile(request.file, request.decimalSeparator, list, version);
    if (status != Success) return status;

    std::vector<Row> rows;
    rows.reserve(list.count());
    list.walk([&](const Tarifs& tariff) {
        rows.push_back({tariffLabel(tariff), tariff.provider, tariff.name, costBreakdown(tariff, request.usage)});
    });

    switch (request.format) {
    case CostFormat::Text: printText(rows, request.breakdown, locale); break;
    case CostFormat::Csv: printCsv(rows, request.breakdown); break;
    case CostFormat::Json: printJson(rows, request.breakdown); break;
    }
    return Success;
}

}  // namespace hovorix::cli
