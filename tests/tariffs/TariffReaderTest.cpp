// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tariffs/Errors.h"
#include "tariffs/NumberText.h"
#include "tariffs/TariffReader.h"

using namespace hovorix;

namespace {

struct Read {
    tariffs::TariffList list{tariffs::CalculatorDefaults};
    std::string version = "neudáno";
    std::string error;  // the conversion message, empty when none
    std::size_t errorLine = 0;
};

Read read(const std::string& content, char separator = ',') {
    Read result;
    try {
        tariffs::readTariffs(content, result.list, result.version, separator);
    } catch (const tariffs::ConversionError& e) {
        result.error = e.what();
        result.errorLine = e.line();
    }
    return result;
}

// Writes a line under the given separator: every '#' in the template stands
// for it, so the same table serves both regional settings.
std::string withSeparator(std::string text, char separator) {
    for (char& c : text) {
        if (c == '#') c = separator;
    }
    return text;
}

}  // namespace

TEST(TariffReader, OneLineAfterAProviderLine) {
    struct Case {
        const char* line;  // '#' is the decimal separator
        std::function<void(const tariffs::Tarifs&)> check;
        const char* error;  // expected conversion message; '#' is the separator
    };
    const Case cases[] = {
        {"sazba JTS 1#2 30",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::JTS), (tariffs::ZoneRate{1.2, 30}));
         },
         ""},
        {"sazba JTS 1#2 30 pozn\xE1mka",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::JTS), (tariffs::ZoneRate{1.2, 30}));
         },
         ""},
        {"sazba JTS-noc 0#5 0",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::JTSNoc), (tariffs::ZoneRate{0.5, 0}));
         },
         ""},
        {"sazba JTS-mimo 2 5",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::JTSMimo), (tariffs::ZoneRate{2, 5}));
         },
         ""},
        {"sazba PAEGAS 7#5 10",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::PAEGAS), (tariffs::ZoneRate{7.5, 10}));
         },
         ""},
        {"sazba PAEGAS-mimo 3 1",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::PAEGASMimo), (tariffs::ZoneRate{3, 1}));
         },
         ""},
        {"sazba EUROTEL 8 2",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::EUROTEL), (tariffs::ZoneRate{8, 2}));
         },
         ""},
        {"sazba EUROTEL-mimo 4 0",
         [](const tariffs::Tarifs& t) {
             EXPECT_EQ(t.zone(tariffs::Zone::EUROTELMimo), (tariffs::ZoneRate{4, 0}));
         },
         ""},
        {"sazba JTS 1#2", nullptr, "'' is not a valid floating point value"},
        {"sazba JTS  1#2 30", nullptr, "'' is not a valid floating point value"},
        {"sazba JTS 1#2  30", nullptr, "'' is not a valid floating point value"},
        {"sluzba telefon  25", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.telephoneFee, 25); }, ""},
        {"sluzba fax 100", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.faxFee, 100); }, ""},
        {"sluzba data 200#5", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.dataFee, 200.5); }, ""},
        {"prvniminzdarma 60", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.firstFreeMinutes, 60); }, ""},
        {"prvniminzdarma 10 20", nullptr, "'10 20' is not a valid floating point value"},
        {"minimalne 150", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.minimumCharge, 150); }, ""},
        {"minimalne", nullptr, "'' is not a valid floating point value"},
        {"vsechnyminzdarma", [](const tariffs::Tarifs& t) { EXPECT_TRUE(t.allMinutesFree); }, ""},
        {"vsechnyminzdarma ne, nikdy", [](const tariffs::Tarifs& t) { EXPECT_TRUE(t.allMinutesFree); }, ""},
        {"vsechnyminzdarm", [](const tariffs::Tarifs& t) { EXPECT_FALSE(t.allMinutesFree); }, ""},
        {"tarif", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.name, ""); }, ""},
        {"tarif  Ekonom ", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.name, " Ekonom "); }, ""},
        {"Tarif Ekonom", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.name, "Neznamy"); }, ""},
        {"Sazba JTS 1 2", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.zone(tariffs::Zone::JTS), tariffs::ZoneRate{}); },
         ""},
        {"// sazba JTS 1 2",
         [](const tariffs::Tarifs& t) { EXPECT_EQ(t.zone(tariffs::Zone::JTS), tariffs::ZoneRate{}); }, ""},
        {"konec", [](const tariffs::Tarifs& t) { EXPECT_EQ(t.name, "Neznamy"); }, ""},
    };
    for (char separator : {',', '.'}) {
        for (const Case& c : cases) {
            const std::string line = withSeparator(c.line, separator);
            const Read r = read("provider X\r\n" + line + "\r\n", separator);
            SCOPED_TRACE(line);
            EXPECT_EQ(r.error, withSeparator(c.error, separator));
            ASSERT_EQ(r.list.count(), 1u);
            EXPECT_EQ(r.list.seek(0).provider, "X");
            if (c.check) c.check(r.list.seek(0));
            if (!r.error.empty()) {
                EXPECT_EQ(r.errorLine, 2u);
            }
        }
    }
}

TEST(TariffReader, TheOtherSeparatorIsMalformed) {
    EXPECT_EQ(read("provider X\r\nsazba JTS 1.2 30\r\n", ',').error, "'1.2' is not a valid floating point value");
    EXPECT_EQ(read("provider X\r\nsazba JTS 1,2 30\r\n", '.').error, "'1,2' is not a valid floating point value");
    // Whole numbers read the same under either.
    EXPECT_EQ(read("provider X\r\nsazba JTS 1 30\r\n", '.').list.seek(0).zone(tariffs::Zone::JTS),
              (tariffs::ZoneRate{1, 30}));
}

TEST(TariffReader, ProviderLinesStartTariffs) {
    struct Case {
        const char* content;
        std::vector<std::string> providers;
    };
    const Case cases[] = {
        {"providerXABC\r\n", {"ABC"}},  // column 9 is skipped whatever it holds
        {"provider\r\n", {""}},
        {"provider \r\n", {""}},
        {"Provider X\r\n provider Y\r\n", {}},
        {"provider A\r\nprovider B\r\nprovider C", {"A", "B", "C"}},
        {"// comment\r\nverze 2\r\n\r\n", {}},
    };
    for (const Case& c : cases) {
        const Read r = read(c.content);
        std::vector<std::string> providers;
        r.list.walk([&](const tariffs::Tarifs& t) { providers.push_back(t.provider); });
        EXPECT_EQ(providers, c.providers) << c.content;
    }
}

TEST(TariffReader, TextsAreCutAt255Bytes) {
    const std::string provider(300, '\x9a');  // š
    const Read r = read("provider " + provider + "\r\ntarif " + std::string(255, 'n') + "\r\nverze " +
                        std::string(256, 'v') + "\r\n");
    ASSERT_EQ(r.list.count(), 1u);
    EXPECT_EQ(r.list.seek(0).provider, provider.substr(0, 255));
    EXPECT_EQ(r.list.seek(0).name, std::string(255, 'n'));
    EXPECT_EQ(r.version, std::string(255, 'v'));
}

TEST(TariffReader, LinesEndAtCarriageReturnAndTheFileAtCtrlZ) {
    struct Case {
        const char* what;
        std::string content;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"CR alone", "a\rb", {"a", "b"}},
        {"LF alone is a character", "a\nb\n", {"a\nb\n"}},
        {"LF before CR", "a\n\r\nb", {"a\n", "b"}},
        {"only one LF is skipped", "a\r\n\nb", {"a", "\nb"}},
        {"empty lines", "\r\n\r\n", {"", ""}},
        {"Ctrl+Z ends the file", "a\r\nb\x1a\r\nc\r\n", {"a", "b"}},
        {"Ctrl+Z at a line start",
         "a\r\n\x1a"
         "b",
         {"a"}},
        {"NUL is a character", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        tariffs::forEachLine(c.content, [&](std::string_view line) { lines.emplace_back(line); });
        EXPECT_EQ(lines, c.lines) << c.what;
    }
}

TEST(TariffReader, LinesBeforeTheFirstProviderAreIgnoredAndReported) {
    std::vector<std::pair<tariffs::LineRule, bool>> seen;
    tariffs::ReaderEvents events;
    events.onLine = [&](std::size_t, std::string_view, tariffs::LineRule rule, bool applied) {
        seen.emplace_back(rule, applied);
    };
    tariffs::TariffList list(tariffs::CalculatorDefaults);
    std::string version;
    tariffs::readTariffs("sluzba telefon abc\r\ntarif T\r\nprovider P\r\ntarif U\r\n", list, version, ',', events);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.seek(0).name, "U");
    const std::vector<std::pair<tariffs::LineRule, bool>> expected = {{tariffs::LineRule::TelephoneFee, false},
                                                                      {tariffs::LineRule::TariffName, false},
                                                                      {tariffs::LineRule::Provider, true},
                                                                      {tariffs::LineRule::TariffName, true}};
    EXPECT_EQ(seen, expected);
}

TEST(TariffReader, TheLastVersionLineWinsAndEachIsAnnounced) {
    std::vector<std::string> announced;
    tariffs::ReaderEvents events;
    events.onVersion = [&](std::string_view v) { announced.emplace_back(v); };
    tariffs::TariffList list(tariffs::CalculatorDefaults);
    std::string version = "neud\xE1no";
    tariffs::readTariffs("verze 2.1\r\nprovider A\r\nverze 2.2\r\nverzeX\r\n", list, version, ',', events);
    EXPECT_EQ(version, "2.2");
    EXPECT_EQ(announced, (std::vector<std::string>{"2.1", "2.2"}));

    std::string untouched = "1.0";
    tariffs::readTariffs("provider A\r\n", list, untouched, ',');
    EXPECT_EQ(untouched, "1.0");
}

TEST(TariffReader, AMalformedNumberKeepsWhatWasReadBefore) {
    const Read r = read(
        "verze 3\r\nprovider A\r\ntarif Prvni\r\nprovider B\r\nsluzba telefon 10\r\nsazba JTS 2 x\r\n"
        "tarif Never\r\nverze 4\r\n");
    EXPECT_EQ(r.error, "'x' is not a valid floating point value");
    EXPECT_EQ(r.errorLine, 6u);
    ASSERT_EQ(r.list.count(), 2u);
    EXPECT_EQ(r.list.seek(1).telephoneFee, 10);
    EXPECT_EQ(r.list.seek(1).zone(tariffs::Zone::JTS).rate, 2);  // the first number of the pair was set
    EXPECT_EQ(r.list.seek(1).name, "Neznamy");
    EXPECT_EQ(r.version, "3");
}

TEST(TariffReader, LaterLinesReplaceEarlierValues) {
    const Read r = read("provider A\r\nsluzba telefon 1\r\nsluzba telefon 2\r\ntarif X\r\ntarif Y\r\n");
    EXPECT_EQ(r.list.seek(0).telephoneFee, 2);
    EXPECT_EQ(r.list.seek(0).name, "Y");
}

TEST(TariffReader, LineRulesMatchOnlyTheirExactPrefix) {
    struct Case {
        const char* line;
        tariffs::LineRule rule;
    };
    const Case cases[] = {
        {"sazba JTS 1 2", tariffs::LineRule::RateJTS},
        {"sazba JTS-mimo 1 2", tariffs::LineRule::RateJTSMimo},
        {"sazba JTS-noc 1 2", tariffs::LineRule::RateJTSNoc},
        {"sazba JTS", tariffs::LineRule::None},
        {"sazba PAEGAS-mimo", tariffs::LineRule::RatePAEGASMimo},
        {"sazba EUROTEL 1 1", tariffs::LineRule::RateEUROTEL},
        {"verze", tariffs::LineRule::None},
        {"verze ", tariffs::LineRule::Version},
        {"tarify", tariffs::LineRule::TariffName},
        {"provide", tariffs::LineRule::None},
        {"", tariffs::LineRule::None},
    };
    for (const Case& c : cases) EXPECT_EQ(tariffs::matchLineRule(c.line), c.rule) << c.line;
}

TEST(TariffReader, EveryRuleIsFoundByItsOwnKeyword) {
    // Whatever the order of the rule table, no rule's lines go unread.
    for (const tariffs::LineRuleInfo& info : tariffs::lineRules()) {
        EXPECT_EQ(tariffs::matchLineRule(std::string(info.prefix) + "1 2"), info.rule) << info.prefix;
    }
}

// What a save would drop is reported line by line, and nothing else: the
// writer's own header and comment at the top, empty lines, "konec" and "."
// are written again by every save.
TEST(TariffReader, ReportsTheLinesASaveWouldDrop) {
    const std::string header = "// Generov\xE1no z Cenikar 1.0 dne 1.1.01 ve 9:00:00";
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::vector<std::size_t> skipped;
    };
    const Case cases[] = {
        {"a file as the editor writes it",
         {header, "// kdokoli", "verze 1", "", "provider A", "tarif B", "vsechnyminzdarma", "sazba JTS 1 2", "konec",
          "", "."},
         {}},
        {"a comment in place of the header", {"// Cen\xEDk", "// dal\x9A\xED", "verze 1"}, {1, 2}},
        {"the header below the top", {"verze 1", header, "// kdokoli"}, {2, 3}},
        {"a comment after the header's two lines", {header, "// kdokoli", "// pozn\xE1mka"}, {3}},
        {"lines no rule knows", {"provider A", "Provider B", " tarif C", "konec!", "konec ", ".  ", "\t"}, {2, 3, 4}},
        {"tariff lines before the first provider", {"tarif T", "sluzba telefon 1", "verze 2", "provider A"}, {1, 2}},
        {"text after a rate pair",
         {"provider A", "sazba JTS 5 20 pozn", "sazba JTS-noc 1 2 ", "sazba PAEGAS 1 2  "},
         {2}},
        {"text after the all-minutes-free line", {"provider A", "vsechnyminzdarma ano", "vsechnyminzdarma  "}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string content;
        for (const std::string& line : c.lines) content += line + "\r\n";
        std::vector<std::size_t> skipped;
        std::vector<std::string> texts;
        tariffs::ReaderEvents events;
        events.onSkippedLine = [&](std::size_t line, std::string_view text, tariffs::LineRule) {
            skipped.push_back(line);
            texts.emplace_back(text);
        };
        tariffs::TariffList list(tariffs::EditorDefaults);
        std::string version;
        tariffs::readTariffs(content, list, version, ',', events);
        EXPECT_EQ(skipped, c.skipped);
        for (std::size_t i = 0; i < skipped.size(); ++i) EXPECT_EQ(texts[i], c.lines[skipped[i] - 1]);
    }
}

// Only a text longer than the file keeps is reported as cut, with its line
// and what it is.
TEST(TariffReader, ReportsEveryTextItCuts) {
    using Rule = tariffs::LineRule;
    const std::string content = "verze " + std::string(256, 'v') + "\r\nprovider " + std::string(255, 'p') +
                                "\r\ntarif " + std::string(300, 't') + "\r\nprovider " + std::string(256, 'q') +
                                "\r\ntarif kratky\r\nverze " + std::string(255, 'w') + "\r\n";
    std::vector<std::pair<std::size_t, Rule>> cut;
    tariffs::ReaderEvents events;
    events.onCutText = [&](std::size_t line, Rule rule) { cut.emplace_back(line, rule); };
    tariffs::TariffList list(tariffs::EditorDefaults);
    std::string version;
    tariffs::readTariffs(content, list, version, ',', events);
    const std::vector<std::pair<std::size_t, Rule>> expected = {
        {1, Rule::Version}, {3, Rule::TariffName}, {4, Rule::Provider}};
    EXPECT_EQ(cut, expected);
}

// What a save would keep otherwise than the file has it, though the reader
// read it, is reported once each: text after the Ctrl+Z that ends the file
// (the Ctrl+Z's line and the lines after it that hold text), a value a later
// line sets again (a field within its tariff, the data version anywhere), and
// a skipped column that is not a blank.
TEST(TariffReader, ReportsWhatASaveWouldWriteOtherwise) {
    using namespace std::string_literals;
    struct Case {
        const char* what;
        std::string content;
        std::vector<std::string> reported;
    };
    const Case cases[] = {
        {"text after Ctrl+Z", "provider A\r\ntarif B\r\n\x1a\r\nprovider C\r\n\r\n  tarif D", {"Ctrl+Z on 3, 2 lines"}},
        {"Ctrl+Z within a line",
         "provider A\x1a"
         "B\r\nC\nD",
         {"Ctrl+Z on 1, 3 lines"}},
        {"only blanks, tabs, line ends, NUL and Ctrl+Z after it", "provider A\r\n\x1a \t\r\n\0\x1a\n\x1a\r"s, {}},
        {"a field set again in its tariff",
         "provider A\r\nsluzba fax 1\r\nsazba JTS 1 2\r\nsluzba fax 2\r\nsazba JTS-mimo 1 2\r\nsazba JTS 3 4 x\r\n"
         "sluzba fax 3\r\n",
         {"sluzba fax 2 by 4", "sazba JTS  3 by 6", "sluzba fax 4 by 7"}},
        {"the same fields in two tariffs, and before the first",
         "tarif X\r\nprovider A\r\ntarif X\r\nvsechnyminzdarma\r\nprovider B\r\ntarif X\r\nvsechnyminzdarma\r\n",
         {}},
        {"verze again, across tariffs",
         "verze 1\r\nprovider A\r\nverze 2\r\nprovider B\r\nverze 3\r\n",
         {"verze  1 by 3", "verze  3 by 5"}},
        {"skipped columns not blank",
         "providerXPAEGAS\r\ntarify\r\nsazba JTS-mimo\t1 2\r\nsluzba fax 1\r\nprovider\r\nsazba JTS 1 2\r\n"
         "sluzba telefon  5\r\n",
         {"column on 1", "column on 2", "column on 3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> reported;
        tariffs::ReaderEvents events;
        events.onOverriddenLine = [&](std::size_t overridden, std::size_t line, tariffs::LineRule rule) {
            const auto& rules = tariffs::lineRules();
            const auto info = std::find_if(rules.begin(), rules.end(), [rule](auto& r) { return r.rule == rule; });
            reported.push_back(std::string(info->prefix) + " " + std::to_string(overridden) + " by " +
                               std::to_string(line));
        };
        events.onSkippedColumn = [&](std::size_t line, std::string_view, tariffs::LineRule) {
            reported.push_back("column on " + std::to_string(line));
        };
        events.onTextAfterEnd = [&](std::size_t line, std::size_t lines) {
            reported.push_back("Ctrl+Z on " + std::to_string(line) + ", " + std::to_string(lines) + " lines");
        };
        tariffs::TariffList list(tariffs::EditorDefaults);
        std::string version;
        tariffs::readTariffs(c.content, list, version, ',', events);
        EXPECT_EQ(reported, c.reported);
    }
}

// A number written under the other regional settings fails as any malformed
// number does, and is known by reading with the other separator; other
// malformed numbers are not.
TEST(TariffReader, TellsANumberOfTheOtherSeparator) {
    struct Case {
        const char* line;
        char separator;
        bool other;
    };
    const Case cases[] = {
        {"sazba JTS 7,9 30", '.', true},  {"sazba JTS 1.2 30", ',', true},     {"sluzba fax  1.5E3 ", ',', true},
        {"sluzba fax 1.2.3", ',', false}, {"sluzba fax 15 K\xE8", ',', false}, {"sazba JTS ", ',', false},
    };
    for (const Case& c : cases) {
        tariffs::TariffList list(tariffs::EditorDefaults);
        std::string version;
        try {
            tariffs::readTariffs("provider A\r\n" + std::string(c.line) + "\r\n", list, version, c.separator);
            ADD_FAILURE() << c.line << " read";
        } catch (const tariffs::ConversionError& error) {
            EXPECT_EQ(tariffs::readsWithOtherSeparator(error.text(), c.separator), c.other) << c.line;
        }
    }
}
