// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "tariffs/TariffList.h"

namespace hovorix::tariffs {

// What a line of a tariff file sets. A line is recognised by its first
// characters, byte for byte and case-sensitive; lines that match nothing
// (comments, "konec", ".", empty lines) are ignored.
enum class LineRule {
    None,
    Provider,
    TelephoneFee,
    TariffName,
    FaxFee,
    DataFee,
    FirstFreeMinutes,
    RateJTS,
    RatePAEGAS,
    RateEUROTEL,
    RateJTSMimo,
    RatePAEGASMimo,
    RateEUROTELMimo,
    RateJTSNoc,
    MinimumCharge,
    AllMinutesFree,
    Version,
};

inline constexpr auto AllLineRules = enumerators({
    LineRule::None,
    LineRule::Provider,
    LineRule::TelephoneFee,
    LineRule::TariffName,
    LineRule::FaxFee,
    LineRule::DataFee,
    LineRule::FirstFreeMinutes,
    LineRule::RateJTS,
    LineRule::RatePAEGAS,
    LineRule::RateEUROTEL,
    LineRule::RateJTSMimo,
    LineRule::RatePAEGASMimo,
    LineRule::RateEUROTELMimo,
    LineRule::RateJTSNoc,
    LineRule::MinimumCharge,
    LineRule::AllMinutesFree,
    LineRule::Version,
});
constexpr const auto& enumeratorsOf(LineRule) { return AllLineRules; }
inline constexpr std::size_t LineRuleCount = AllLineRules.size();

enum class ValueKind { Text, Number, NumberPair, None };

struct LineRuleInfo {
    LineRule rule;
    std::string_view prefix;  // compared text, blanks included
    std::size_t valueColumn;  // 1-based; 0 when the line carries no value
    ValueKind kind;
};

// Every rule of the reader, each once.
std::span<const LineRuleInfo> lineRules();

// The rule whose compared text starts the line, or None.
LineRule matchLineRule(std::string_view line);

// Longest text a line may carry; longer texts are cut.
inline constexpr std::size_t MaxTextLength = 255;

struct ReaderEvents {
    // Every "verze " line, with the new data version (the calculator's caption
    // follows it at once).
    std::function<void(std::string_view version)> onVersion;
    // Every line after it was applied; applied is false for tariff lines that
    // stand before the first provider line and have no tariff to set.
    std::function<void(std::size_t lineNumber, std::string_view line, LineRule rule, bool applied)> onLine;
    // Every provider, tariff name or data version longer than the file keeps,
    // after it was cut to its first MaxTextLength characters.
    std::function<void(std::size_t lineNumber, LineRule rule)> onCutText;
    // Every line of which a save keeps nothing, or not all: comments and
    // lines no rule knows (rule None), tariff lines before the first provider
    // line, and text after what a rate pair or the all-minutes-free line
    // reads. Passed over as the writer's own: its header line and the
    // comment after it at the top of the file, empty lines, "konec" and ".".
    std::function<void(std::size_t lineNumber, std::string_view line, LineRule rule)> onSkippedLine;
    // Every line whose value a later line sets again, so that a save keeps
    // only the later one: a field line of a tariff overridden by a line of the
    // same tariff, and a "verze " line overridden by a later one anywhere
    // (rule Version). overridden is the earlier line, lineNumber the later.
    std::function<void(std::size_t overridden, std::size_t lineNumber, LineRule rule)> onOverriddenLine;
    // Every line read whose value starts two columns after its keyword and
    // whose column between them is not a blank ("providerXPAEGAS"): the
    // reader skips that character, a save writes a blank in its place.
    std::function<void(std::size_t lineNumber, std::string_view line, LineRule rule)> onSkippedColumn;
    // Text after the Ctrl+Z that ends the file, which nothing reads and a
    // save drops: the line the Ctrl+Z stands on and how many lines after it
    // hold text (TextAfterEnd). Said at most once, when the reading is done.
    std::function<void(std::size_t lineNumber, std::size_t linesOfText)> onTextAfterEnd;
};

// Counts the lines of text after the Ctrl+Z that ends a file, a piece at a
// time, as an editor shows them: CR and LF each end a line, and a line holds
// text when anything but blanks, tabs, NUL bytes and further Ctrl+Z stands in
// it (stored files may be padded with those).
class TextAfterEnd {
public:
    void look(std::string_view bytes) {
        for (const char byte : bytes) {
            switch (byte) {
            case '\r':
            case '\n':
                lines_ += open_ ? 1 : 0;
                open_ = false;
                break;
            case ' ':
            case '\t':
            case '\0':
            case '\x1a': break;
            default: open_ = true;
            }
        }
    }
    std::size_t linesOfText() const { return lines_ + (open_ ? 1 : 0); }

private:
    std::size_t lines_ = 0;
    bool open_ = false;  // the line being looked at holds text
};

// Applies the lines of one tariff file, one at a time, to the list and the
// data version: each provider line appends a tariff, the other tariff lines
// set a field of the latest one, a "verze " line sets the version. A
// malformed number throws ConversionError carrying its line number.
class TariffReader {
public:
    TariffReader(TariffList& list, std::string& version, char decimalSeparator, const ReaderEvents& events = {});

    void line(std::string_view text);
    std::size_t linesRead() const { return lineNumber_; }

    // Whether anyone is to hear of text after the Ctrl+Z that ends the file,
    // which is then looked at to the end of the file.
    bool wantsTextAfterEnd() const { return static_cast<bool>(events_.onTextAfterEnd); }
    // The file ended at a Ctrl+Z, at the start of a line or after the text of
    // the last line read; linesOfText as TextAfterEnd counts them.
    void endedAtCtrlZ(bool atLineStart, std::size_t linesOfText);

private:
    bool apply(const LineRuleInfo& info, std::string_view text);
    double number(std::string_view text) const;
    // The text value of a line, reported when it had to be cut.
    std::string_view text(const LineRuleInfo& info, std::string_view line) const;
    // Whether a save would keep less of the line than it holds.
    bool skipped(const LineRuleInfo* info, std::string_view line, bool applied);
    // Reports what a save of an applied line would keep otherwise than the
    // file has it: an earlier value it overrides, a skipped column that is
    // not a blank.
    void noteRewritten(const LineRuleInfo& info, std::string_view line);

    TariffList& list_;
    std::string& version_;
    char separator_;
    ReaderEvents events_;
    std::size_t lineNumber_ = 0;
    bool haveCurrent_ = false;    // lines before the first provider line have no tariff
    bool writersHeader_ = false;  // the first line is the header the editor writes
    bool tailIgnored_ = false;    // the line applied holds text after its value
    bool hearsOfLines_;           // anyone listens to the events of every line
    // The line that last set each field of the current tariff, and the data
    // version; 0 where none has.
    std::array<std::size_t, LineRuleCount> setAt_{};
};

// Splits the content into lines the way the tariff file is read: CR ends a
// line and one LF right after it is skipped, a bare LF is an ordinary
// character, Ctrl+Z ends the file (the text before it on its line is still a
// line). Calls sink(line) for each line, in order.
template <typename Sink>
void forEachLine(std::string_view content, Sink&& sink);

// Whether a Ctrl+Z stands at the start of a line, given the bytes before it
// that no line read so far holds: there are none, or they end in a line end.
inline bool atLineStart(std::string_view before) {
    return before.empty() || before.back() == '\r' || before.ends_with("\r\n");
}

// Applies the lines of content to the list and the data version, appending
// tariffs (the list is never emptied here). A malformed number throws
// ConversionError carrying its line number; everything read before it stays.
// Returns the number of lines read.
std::size_t readTariffs(std::string_view content, TariffList& list, std::string& version, char decimalSeparator,
                        const ReaderEvents& events = {});

// ---------------------------------------------------------------------------

template <typename Sink>
void forEachLine(std::string_view content, Sink&& sink) {
    if (content.empty()) return;
    // Ctrl+Z ends the file: only what stands before it is read.
    if (const void* end = std::memchr(content.data(), '\x1a', content.size())) {
        content = content.substr(0, static_cast<std::size_t>(static_cast<const char*>(end) - content.data()));
    }
    const char* pos = content.data();
    const char* const stop = pos + content.size();
    while (pos < stop) {
        const void* cr = std::memchr(pos, '\r', static_cast<std::size_t>(stop - pos));
        const char* end = cr ? static_cast<const char*>(cr) : stop;
        sink(std::string_view(pos, static_cast<std::size_t>(end - pos)));
        if (!cr) return;
        pos = end + 1;
        if (pos < stop && *pos == '\n') ++pos;
    }
}

}  // namespace hovorix::tariffs
