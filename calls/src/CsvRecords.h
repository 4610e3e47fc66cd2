// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// Records of a CSV text, read with libcsv in strict RFC 4180 mode, each with
// the line it starts on. libcsv knows nothing of lines, so the text is fed to
// it a line at a time and the lines are counted here: that is how a quote
// that is never closed is reported at the line where it opened.

#include <csv.h>

#include <cstddef>
#include <exception>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calls/CallListError.h"

namespace hovorix::calls {

class CsvRecords {
public:
    using Sink = std::function<void(std::size_t line, std::span<const std::string_view> fields)>;

    // No record of a call list comes near this; a longer one is a broken
    // quote or not a call list, and is refused rather than held in memory.
    static constexpr std::size_t MaxRecordBytes = 64 * 1024;

    // lineBreak is the byte that ends a line: LF, or CR in files that know
    // no other.
    CsvRecords(char separator, char lineBreak, Sink sink);
    ~CsvRecords();
    CsvRecords(const CsvRecords&) = delete;
    CsvRecords& operator=(const CsvRecords&) = delete;

    // Any piece of the text; records are handed to the sink as they end.
    // Throws CallListError for a broken quote or a record too long, and
    // whatever the sink throws.
    void feed(std::string_view bytes);
    // The end of the text: the last record, if it has no line break.
    void finish();

    // The line the next byte belongs to (1-based).
    std::size_t line() const { return line_; }

private:
    static void onField(void* data, std::size_t size, void* self);
    static void onRecordEnd(int terminator, void* self);
    void parse(std::string_view piece);
    void endOfLine();
    std::size_t openingLine() const;
    [[noreturn]] void parseFailed();
    void rethrowPending();

    csv_parser parser_{};
    char lineBreak_;
    Sink sink_;
    std::size_t line_ = 1;
    std::size_t quoteLine_ = 0;       // where the open quoted field began
    bool quotedAtLineStart_ = false;  // the line began inside a quoted field
    std::size_t fieldsThisLine_ = 0;
    std::size_t recordLine_ = 0;
    std::size_t recordBytes_ = 0;
    std::string fieldBytes_;
    std::vector<std::size_t> fieldEnds_;
    std::vector<std::string_view> fields_;
    std::exception_ptr pending_;
};

}  // namespace hovorix::calls
