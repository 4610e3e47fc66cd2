// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLocale>
#include <QString>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace hovorix::cli {

// The shortest text with a decimal point that reads back as the very same
// double ("1225", "1190.909090909091", "1e+21"); "inf", "-inf", "nan" for
// the values that have no number text.
std::string roundTripNumber(double value);

// roundTripNumber, or null for the values JSON has no number for.
std::string jsonNumber(double value);

// A finite number with exactly four decimals and a decimal point, whatever
// the locale: "310.0000", "19.6452".
std::string fourDecimals(double value);

// One field of a CSV record: quoted, with its quotes doubled, when it holds a
// comma, a quote or a line break.
std::string csvField(std::string_view utf8);

// A JSON string literal, quotes included.
std::string jsonString(std::string_view utf8);

// A text of the tariff file (Windows-1250) as UTF-8.
std::string toUtf8(std::string_view cp1250);

// A text made safe to show on a terminal: control characters (a bare LF, an
// escape sequence) appear as \xNN.
QString visibleText(const QString& text);
// The same for a text of the tariff file.
QString visibleText(std::string_view cp1250);

// Writes UTF-8 text to a stream as it is.
void print(std::FILE* stream, std::string_view text);
inline void print(std::FILE* stream, const char* text) { print(stream, std::string_view(text)); }
void print(std::FILE* stream, const QString& text);

// A table for people: each column as wide as its widest cell, two blanks
// between columns, numbers aligned on the right.
class TextTable {
public:
    void addColumn(const QString& heading, bool alignRight);
    // One cell for each column, in order.
    void addRow(std::vector<QString> cells) { rows_.push_back(std::move(cells)); }
    void print(std::FILE* stream, bool withHeadings) const;

private:
    struct Column {
        QString heading;
        bool alignRight;
    };
    std::vector<Column> columns_;
    std::vector<std::vector<QString>> rows_;
};

}  // namespace hovorix::cli
