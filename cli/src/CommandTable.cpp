// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// The commands of tarif-cli, each with the options it takes.

#include "cli/CommandTable.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Alternatives.h"
#include "calls/CallList.h"
#include "cli/Commands.h"
#include "desktop/RegionalSettings.h"
#include "fees/ScaledUsage.h"
#include "fees/UsageProfile.h"

namespace hovorix::cli {

namespace {

// Minute counts as the calculator holds them: whole numbers from 0 up to the
// largest 32-bit count.
std::optional<std::int32_t> parseMinutes(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

const CLI::Validator Minutes(
    [](std::string& text) -> std::string {
        if (parseMinutes(text)) return {};
        const std::string_view digits = std::string_view(text).substr(text.starts_with('-') || text.starts_with('+'));
        const bool wholeNumber = !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
        if (wholeNumber && text.starts_with('-')) return "'" + text + "': minutes cannot be negative";
        if (wholeNumber) return "'" + text + "': at most 2147483647 minutes";
        return "'" + text + "' is not a whole number of minutes";
    },
    "");

// A decimal number with a point or a comma ("0.5", "0,5", "2"), either way
// whatever the regional settings; no exponent, no "inf".
std::optional<double> parseDecimal(std::string_view text) {
    std::string plain;
    bool separator = false;
    bool digit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 0 && (c == '-' || c == '+')) {
            if (c == '-') plain += c;
        } else if (c >= '0' && c <= '9') {
            digit = true;
            plain += c;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too many digits for a double: far too large, or as good as 0.
        const bool large = plain.find_first_of("123456789") < plain.find('.');
        return (large ? HUGE_VAL : 0.0) * (plain.starts_with('-') ? -1 : 1);
    }
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

// How many times the usage entered: from 0 to 100.
const CLI::Validator Scale(
    [](std::string& text) -> std::string {
        const std::optional<double> scale = parseDecimal(text);
        if (!scale) return "'" + text + "' is not a number; write a scale of the usage as 0.5 or 0,5";
        if (*scale < 0) return "'" + text + "': a scale cannot be negative";
        if (*scale > fees::MaxScale) return "'" + text + "': at most 100 times the usage";
        return {};
    },
    "");

// An amount of Kč: 0 or more.
const CLI::Validator Crowns(
    [](std::string& text) -> std::string {
        const std::optional<double> amount = parseDecimal(text);
        if (!amount || !std::isfinite(*amount)) return "'" + text + "' is not an amount; write it as 1500 or 1500,50";
        if (*amount < 0) return "'" + text + "': a cost cannot be negative";
        return {};
    },
    "");

// The days a call list's minutes are spread over: a whole number from 1.
const CLI::Validator Days(
    [](std::string& text) -> std::string {
        const std::optional<std::int32_t> days = parseMinutes(text);
        if (days && *days >= 1) return {};
        return "'" + text + "' is not a whole number of days from 1 to 2147483647";
    },
    "");

// Accepts one of a few words and names them all when given another.
CLI::Validator oneOf(std::vector<std::string> choices, std::string what) {
    return CLI::Validator(
        [choices, what](std::string& text) -> std::string {
            if (std::find(choices.begin(), choices.end(), text) != choices.end()) return {};
            return "'" + text + "' is not " + what + "; use " + alternatives(choices);
        },
        "");
}

// The names the core gives the values of an enumeration, in their order: the
// words an option of that kind accepts.
template <typename Enum>
std::vector<std::string> namesOf(std::string_view (*name)(Enum)) {
    std::vector<std::string> names;
    for (const Enum value : enumeratorsOf(Enum{})) names.emplace_back(name(value));
    return names;
}

// "a|b|c", the value an option takes as its help shows it.
std::string typeName(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : "|") + name;
    return text;
}

// The option of each zone: its name in lower case, and its help.
struct ZoneOption {
    const char* flag;
    const char* help;
};

constexpr auto ZoneOptions = tariffs::enumTable<tariffs::Zone, ZoneOption>({
    {tariffs::Zone::JTS, {"--jts", "Minutes into the fixed network, peak"}},
    {tariffs::Zone::JTSMimo, {"--jts-mimo", "Minutes into the fixed network, off-peak"}},
    {tariffs::Zone::JTSNoc, {"--jts-noc", "Minutes into the fixed network, at night"}},
    {tariffs::Zone::PAEGAS, {"--paegas", "Minutes into the Paegas network, peak"}},
    {tariffs::Zone::PAEGASMimo, {"--paegas-mimo", "Minutes into the Paegas network, off-peak"}},
    {tariffs::Zone::EUROTEL, {"--eurotel", "Minutes into the Eurotel network, peak"}},
    {tariffs::Zone::EUROTELMimo, {"--eurotel-mimo", "Minutes into the Eurotel network, off-peak"}},
});

const std::map<std::string, CostFormat> Formats = {
    {"text", CostFormat::Text}, {"csv", CostFormat::Csv}, {"json", CostFormat::Json}};

void addSeparatorOption(CLI::App& command, std::string& separator) {
    command
        .add_option("--decimal-separator", separator,
                    "Decimal separator of the numbers in the file (default: the one of your regional settings)")
        ->type_name(",|.")
        ->check(oneOf({",", "."}, "a decimal separator"));
}

// The options that read a call list and shape its summary, shared by usage
// and costs --calls. Returns the options, so costs can tie them to --calls.
std::vector<CLI::Option*> addCallListOptions(CLI::App& command, CallListRequest& request, std::string& rounding,
                                             std::int32_t& days) {
    const std::vector<std::string> roundings = namesOf(calls::roundingName);
    return {
        command
            .add_option("--rounding", rounding,
                        "How each call's duration is charged: exact (to the second), 60/60 (every started "
                        "minute), 30/30 (every started half minute) or 60/1 (the first minute whole, then per second)")
            ->type_name(typeName(roundings))
            ->check(oneOf(roundings, "a rounding"))
            ->capture_default_str(),
        command.add_flag("--holidays", request.options.holidaysAsWeekend,
                         "Count Czech public holidays on working days as weekend days"),
        command
            .add_option("--days", days,
                        "Spread the minutes over N days to get a month of 30 (default: the days from the first to "
                        "the last call, both included)")
            ->type_name("N")
            ->check(Days),
        command
            .add_option("--prefixes", request.prefixes,
                        "Prefix table to sort the called numbers by (default: predvolby.txt beside the tariff "
                        "file, or in the current folder for usage, else the one installed with the programs)")
            ->type_name("FILE"),
        command
            .add_option("--sim", request.sim,
                        "Of a call list with the calls of two or more SIMs (a column such as Číslo účastníka, SIM "
                        "or MSISDN), read the calls of this number only; such a list is refused without it")
            ->type_name("NUMBER"),
    };
}

void applyCallListOptions(CallListRequest& request, const std::string& rounding, std::int32_t days) {
    request.options.rounding = *calls::roundingNamed(rounding);
    if (days > 0) request.options.days = days;
}

char separatorOf(const std::string& given) {
    return given.empty() ? desktop::RegionalSettings().decimalSeparator() : given.front();
}

// --- the commands: each adds its options, then runs once they are read ----

class CheckCommand : public Command {
public:
    explicit CheckCommand(CLI::App& command) {
        command.add_option("FILE", request_.files, "Tariff files to check")->required()->type_name("");
        command.add_flag("--strict", request_.strict,
                         "Also warn about lines the programs ignore silently (exit status 1 when there are any)");
        addSeparatorOption(command, separator_);
    }

    int run() override {
        request_.decimalSeparator = separatorOf(separator_);
        return runCheck(request_);
    }

private:
    CheckRequest request_;
    std::string separator_;
};

// The options that say what usage to price, shared by costs and choose:
// minutes per zone with their period and the fax and data switches, or the
// monthly minutes of a call list with the options that read it.
class UsageOptions {
public:
    explicit UsageOptions(CLI::App& command) {
        for (const tariffs::Zone zone : tariffs::AllZones) {
            const ZoneOption& option = ZoneOptions[tariffs::indexOf(zone)];
            command.add_option(option.flag, minutes_[tariffs::indexOf(zone)], option.help)
                ->type_name("N")
                ->check(Minutes);
        }
        const std::vector<std::string> periods = namesOf(fees::periodName);
        CLI::Option* period = command
                                  .add_option("--period", period_,
                                              "What the minutes are counted per: den (a month is 30 days), "
                                              "tyden (4.2857 weeks) or mesic")
                                  ->type_name(typeName(periods))
                                  ->check(oneOf(periods, "a period"))
                                  ->capture_default_str();
        command.add_flag("--fax", fax_, "The fax service is used (its fee counts)");
        command.add_flag("--data", data_, "The data service is used (its fee counts)");
        calls_ = command
                     .add_option("--calls", callList_.file,
                                 "Take the minutes from a call list (CSV) instead: monthly figures, so --period and "
                                 "the zone options cannot go with it")
                     ->type_name("CALLS.csv");
        for (CLI::Option* option : addCallListOptions(command, callList_, rounding_, days_)) option->needs(calls_);
        for (const ZoneOption& option : ZoneOptions) calls_->excludes(command.get_option(option.flag));
        calls_->excludes(period);
    }

    // --calls, for the options that make sense only with a call list.
    CLI::Option* calls() const { return calls_; }

    // Once parsed: the usage as given.
    UsageInput input() const {
        UsageInput input;
        for (const tariffs::Zone zone : tariffs::AllZones) {
            const std::string& given = minutes_[static_cast<std::size_t>(zone)];
            if (!given.empty()) input.usage.count(zone) = *parseMinutes(given);
        }
        input.usage.periodFactor = fees::periodFactor(*fees::periodNamed(period_));
        input.usage.fax = fax_;
        input.usage.data = data_;
        if (calls_->count() > 0) {
            input.calls = callList_;
            applyCallListOptions(*input.calls, rounding_, days_);
        }
        return input;
    }

private:
    std::array<std::string, tariffs::ZoneCount> minutes_;  // indexed by Zone, as given
    std::string period_{fees::periodName(fees::Period::Month)};
    bool fax_ = false;
    bool data_ = false;
    CLI::Option* calls_ = nullptr;
    CallListRequest callList_;
    std::string rounding_{calls::roundingName(calls::Rounding::Exact)};
    std::int32_t days_ = 0;
};

CLI::Option* addFormatOption(CLI::App& command, std::string& format) {
    return command.add_option("--format", format, "Output: text, csv (RFC 4180) or json")
        ->type_name("text|csv|json")
        ->check(oneOf({"text", "csv", "json"}, "an output format"))
        ->capture_default_str();
}

class CostsCommand : public Command {
public:
    explicit CostsCommand(CLI::App& command) : usage_(command) {
        command.add_option("FILE", request_.file, "Tariff file")->required()->type_name("");
        addFormatOption(command, format_);
        command.add_flag("--breakdown", request_.breakdown,
                         "Add the parts of the cost: fees, fixed network, Paegas, Eurotel, minimum applied");
        addSeparatorOption(command, separator_);
    }

    int run() override {
        request_.input = usage_.input();
        request_.format = Formats.at(format_);
        request_.decimalSeparator = separatorOf(separator_);
        return runCosts(request_, QLocale::system());
    }

private:
    CostsRequest request_;
    UsageOptions usage_;
    std::string separator_;
    std::string format_ = "text";
};

class UsageCommand : public Command {
public:
    explicit UsageCommand(CLI::App& command) {
        command.add_option("CALLS", request_.calls.file, "Call list (CSV)")->required()->type_name("");
        addCallListOptions(command, request_.calls, rounding_, days_);
        command.add_flag("--by-month", request_.byMonth,
                         "Add every calendar month the list covers: its days and each zone's minutes a month");
        addFormatOption(command, format_);
    }

    int run() override {
        applyCallListOptions(request_.calls, rounding_, days_);
        request_.format = Formats.at(format_);
        return runUsage(request_);
    }

private:
    UsageRequest request_;
    std::string rounding_{calls::roundingName(calls::Rounding::Exact)};
    std::int32_t days_ = 0;
    std::string format_ = "text";
};

class ChooseCommand : public Command {
public:
    explicit ChooseCommand(CLI::App& command) : usage_(command) {
        command.add_option("FILE", request_.file, "Tariff file")->required()->type_name("");
        const std::vector<std::string> varied = namesOf(fees::variedZonesName);
        command
            .add_option("--vary", vary_,
                        "The calls that grow or shrink: all, jts (the fixed network), paegas or eurotel; the "
                        "others stay as given")
            ->type_name(typeName(varied))
            ->check(oneOf(varied, "a part of the calls"))
            ->capture_default_str();
        command
            .add_option(
                "--from", from_,
                "The smallest scale of those calls, with a decimal point or comma (default 0.5, half the usage)")
            ->type_name("X")
            ->check(Scale);
        command.add_option("--to", to_, "The largest scale, at most 100 (default 2, twice the usage)")
            ->type_name("Y")
            ->check(Scale);
        command
            .add_flag("--by-month", request_.byMonth,
                      "Add the cheapest tariff of each calendar month of the call list, and of the whole period")
            ->needs(usage_.calls());
        currentOption_ =
            command
                .add_option("--current", current_,
                            "The tariff you have now, by its place in the file from 0 or by its label PROVIDER-NAME: "
                            "what switching to the cheapest saves, and how far the saving holds")
                ->type_name("N|LABEL");
        command
            .add_option("--switch-cost", switchCost_,
                        "What switching costs once, in Kč with a decimal point or comma: the months it takes to "
                        "save it (default 0)")
            ->type_name("KČ")
            ->check(Crowns);
        addFormatOption(command, format_);
        addSeparatorOption(command, separator_);
        // Each bound is checked as it is read; that they make a range needs both.
        command.final_callback([this] {
            request_.from = from_.empty() ? fees::DefaultScaleFrom : *parseDecimal(from_);
            request_.to = to_.empty() ? fees::DefaultScaleTo : *parseDecimal(to_);
            if (!fees::isValidScaleRange(request_.from, request_.to)) {
                throw CLI::ValidationError("--from (" + (from_.empty() ? "0.5, the default" : from_) +
                                           ") must be below --to (" + (to_.empty() ? "2, the default" : to_) + ")");
            }
        });
    }

    int run() override {
        request_.input = usage_.input();
        request_.varied = *fees::variedZonesNamed(vary_);
        if (currentOption_->count() > 0) request_.current = current_;
        request_.switchCost = switchCost_.empty() ? 0 : *parseDecimal(switchCost_);
        request_.format = Formats.at(format_);
        request_.decimalSeparator = separatorOf(separator_);
        return runChoose(request_, QLocale::system());
    }

private:
    ChooseRequest request_;
    UsageOptions usage_;
    std::string vary_{fees::variedZonesName(fees::VariedZones::All)};
    std::string from_;  // as given; empty: the default
    std::string to_;
    CLI::Option* currentOption_ = nullptr;
    std::string current_;
    std::string switchCost_;  // as given; empty: 0
    std::string format_ = "text";
    std::string separator_;
};

}  // namespace

// One line for each command, in the order --help lists them.
constexpr CommandEntry TarifCliCommands[] = {
    {"check", "Read tariff files and report their first error", setUpBy<CheckCommand>},
    {"costs", "Print every tariff's monthly cost, in file order", setUpBy<CostsCommand>},
    {"usage", "Print what a call list gives: calls, duration and monthly minutes per zone, and the calls not counted",
     setUpBy<UsageCommand>},
    {"choose",
     "Print which tariff is the cheapest as the usage grows or shrinks, how far the choice holds, and which tariff "
     "wins each month of a call list",
     setUpBy<ChooseCommand>},
};

std::span<const CommandEntry> tarifCliCommands() { return TarifCliCommands; }

}  // namespace hovorix::cli
