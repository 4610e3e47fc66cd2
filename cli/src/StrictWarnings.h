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
// line ends of LF alone, texts longer than the file keeps, and every other
// line that a save in the editor would drop (comments, lines no rule reads,
// text after a rate pair), once each.
class StrictWarnings {
public:
    // Receives the 1-based line and a message in UTF-8.
    using Sink = std::function<void(std::size_t lineNumber, const std::string& message)>;

    explicit StrictWarnings(Sink sink) : sink_(std::move(sink)) {}

    // Every line as the reader reports it, in order.
    void inspect(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule, bool applied);
    // A line of which a save keeps nothing or not all, after inspect() saw it.
    void skipped(std::size_t lineNumber, std::string_view line, tariffs::LineRule rule);

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
