// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "cli/Output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "desktop/Cp1250.h"

namespace hovorix::cli {

namespace {

bool isControl(char16_t c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f); }

}  // namespace

std::string roundTripNumber(double value) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

std::string fourDecimals(double value) {
    // Room for the integer digits of any finite double.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    return std::string(buffer, written.ptr);
}

std::string jsonNumber(double value) {
    // JSON has no text for infinities; null says there is no number.
    return std::isfinite(value) ? roundTripNumber(value) : "null";
}

std::string csvField(std::string_view utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(utf8);
    std::string field = "\"";
    for (const char c : utf8) {
        if (c == '"') field += '"';
        field += c;
    }
    field += '"';
    return field;
}

std::string jsonString(std::string_view utf8) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string literal = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': literal += "\\\""; break;
        case '\\': literal += "\\\\"; break;
        case '\b': literal += "\\b"; break;
        case '\f': literal += "\\f"; break;
        case '\n': literal += "\\n"; break;
        case '\r': literal += "\\r"; break;
        case '\t': literal += "\\t"; break;
        default:
            if (byte < 0x20) {
                literal += "\\u00";
                literal += Hex[byte >> 4];
                literal += Hex[byte & 0xf];
            } else {
                literal += c;
            }
        }
    }
    literal += '"';
    return literal;
}

std::string toUtf8(std::string_view cp1250) { return desktop::fromCp1250(cp1250).toStdString(); }

QString visibleText(std::string_view cp1250) { return visibleText(desktop::fromCp1250(cp1250)); }

QString visibleText(const QString& text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    QString visible;
    visible.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (isControl(u)) {
            visible += QLatin1String("\\x");
            visible += QLatin1Char(Hex[u >> 4]);
            visible += QLatin1Char(Hex[u & 0xf]);
        } else {
            visible += c;
        }
    }
    return visible;
}

void print(std::FILE* stream, std::string_view text) { std::fwrite(text.data(), 1, text.size(), stream); }

void print(std::FILE* stream, const QString& text) { print(stream, text.toStdString()); }

void TextTable::addColumn(const QString& heading, bool alignRight) { columns_.push_back({heading, alignRight}); }

void TextTable::print(std::FILE* stream, bool withHeadings) const {
    std::vector<qsizetype> widths;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        qsizetype width = columns_[c].heading.size();
        for (const auto& row : rows_) width = std::max(width, row[c].size());
        widths.push_back(width);
    }
    const auto printLine = [&](auto cellOf) {
        QString line;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const QString cell = cellOf(c);
            if (c > 0) line += QStringLiteral("  ");
            const bool last = c + 1 == columns_.size();
            if (columns_[c].alignRight) {
                line += cell.rightJustified(widths[c]);
            } else {
                line += last ? cell : cell.leftJustified(widths[c]);
            }
        }
        cli::print(stream, line + QLatin1Char('\n'));
    };
    if (withHeadings) printLine([this](std::size_t c) { return columns_[c].heading; });
    for (const auto& row : rows_) printLine([&row](std::size_t c) { return row[c]; });
}

}  // namespace hovorix::cli
