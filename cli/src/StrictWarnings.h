// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "tariffs/TariffReader.h"

namespace hovorix::cli {

// Finds what the reader passes over without a word although whoever wrote
// the file almost certainly meant something by it: field lines before the
// first provider line, keywords with a leading blank or in the wrong case,
// line ends of LF alone, texts longer than the file keeps, every other
// line that a save in the editor would drop (comments, lines no rule reads,
// text after a rate pair), once each, and what such a save writes otherwise
// than the file has it: values a later line overrides, a skipped column that
// is not a blank, text after the Ctrl+Z that ends the file.
class StrictWarnings {
public:
    // Receives the 1-based line and a message in UTF-8.
    using Sink = std::function<void(std::size_t lineNumber, const std::string& message)>;

    explicit StrictWarnings(Sink sink) : sink_(std::move(sink)) {}

    // Every line as the reader reports it, in order.
    void inspect(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule, bool applied);
    // A line of which a save keeps nothing or not all, after inspect() saw it.
    void skipped(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule);
    // The later of two lines that set the same value.
    void overridden(std::size_t overridden, std::size_t lineNumber, tariffs::LineRule rule);
    // A line whose column after the keyword, which the reader skips, is not a blank.
    void skippedColumn(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule);
    // Text after the Ctrl+Z that ends the file, on the given lines.
    void textAfterEnd(std::size_t lineNumber, std::size_t linesOfText);

    std::size_t warningCount() const { return count_; }

private:
    void warn(std::size_t lineNumber, const std::string& message);
    void checkNearMiss(std::size_t lineNumber, std::string_view line);
    void checkBareLineFeeds(std::size_t lineNumber, std::string_view line);
    void checkCutText(std::size_t lineNumber, std::string_view line, const tariffs::LineRuleInfo& rule);

    Sink sink_;
    std::size_t count_ = 0;
    // The last line that a warning already explained as ignored.
    std::size_t explained_ = 0;
};

}  // namespace hovorix::cli
