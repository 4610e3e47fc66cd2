// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <exception>
#include <stdexcept>
#include <string>

namespace hovorix::calls {

// What is wrong with a call list.
enum class Problem {
    OpenFailed,         // the file cannot be opened
    ReadFailed,         // an input/output error while reading
    Empty,              // no bytes at all
    Workbook,           // a spreadsheet workbook (XLS, XLSX, ODS), not CSV
    Utf16,              // a text file in UTF-16
    Binary,             // a NUL byte or another control character
    BadEncoding,        // bytes that the file's encoding does not define
    LineTooLong,        // a line longer than any call list writes
    UnclosedQuote,      // a quoted field that never ends (line: where it opened)
    BadQuote,           // a quote inside a field, or text after a closing quote
    NoHeader,           // no row naming the columns within the first 20 lines
    MissingColumn,      // the header lacks a column the reading needs
    DuplicateColumn,    // two columns of the same meaning
    UnknownUnit,        // the duration column's header names a unit that is not one of time
    FieldCount,         // a row with another number of fields than the header
    BadDate,            // impossible, ambiguous or malformed date
    BadTime,            // impossible or malformed time
    BadDuration,        // negative, fractional or malformed duration
    DurationTooLong,    // a call longer than 24 hours
    MissingNumber,      // an outgoing call without a called number
    BadNumber,          // a called number with letters or other signs
    NumberExponent,     // a called number a spreadsheet turned into 4,20602E+11
    NoOutgoingCall,     // nothing in the list is an outgoing call
    UnknownSubscriber,  // the subscriber's number asked for is not in the list
};

// A call list that cannot be used. The message is Czech (UTF-8), one or two
// sentences ending with a full stop, naming neither the file nor the line:
// the front ends put "FILE:LINE: " before it.
class CallListError : public std::runtime_error {
public:
    CallListError(Problem problem, std::string message, std::size_t line, std::string row = {});

    Problem problem() const { return problem_; }
    // 1-based line of the file; 0 when the fault is the file's as a whole
    // (it cannot be read, is empty, is a workbook, has no header or no
    // outgoing call).
    std::size_t line() const { return line_; }
    // The row refused, as the list writes it from its first cell (UTF-8,
    // cut after 60 characters), for the front ends to quote beside the
    // line; empty when the fault is not a row's.
    const std::string& row() const { return row_; }

private:
    Problem problem_;
    std::size_t line_;
    std::string row_;
};

// The user cancelled the reading through the progress callback.
class ReadCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "reading the call list was cancelled"; }
};

}  // namespace hovorix::calls
