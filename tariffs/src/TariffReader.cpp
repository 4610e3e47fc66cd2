#include "tariffs/TariffReader.h"

#include "tariffs/Errors.h"
#include "tariffs/NumberText.h"

namespace hovorix {

namespace {

constexpr std::array<LineRuleInfo, 16> Rules = {{
    {LineRule::Provider, "provider", 10, ValueKind::Text},
    {LineRule::TelephoneFee, "sluzba telefon", 16, ValueKind::Number},
    {LineRule::TariffName, "tarif", 7, ValueKind::Text},
    {LineRule::FaxFee, "sluzba fax", 12, ValueKind::Number},
    {LineRule::DataFee, "sluzba data", 13, ValueKind::Number},
    {LineRule::FirstFreeMinutes, "prvniminzdarma", 16, ValueKind::Number},
    {LineRule::RateJTS, "sazba JTS ", 11, ValueKind::NumberPair},
    {LineRule::RatePAEGAS, "sazba PAEGAS ", 14, ValueKind::NumberPair},
    {LineRule::RateEUROTEL, "sazba EUROTEL ", 15, ValueKind::NumberPair},
    {LineRule::RateJTSMimo, "sazba JTS-mimo", 16, ValueKind::NumberPair},
    {LineRule::RatePAEGASMimo, "sazba PAEGAS-mimo", 19, ValueKind::NumberPair},
    {LineRule::RateEUROTELMimo, "sazba EUROTEL-mimo", 20, ValueKind::NumberPair},
    {LineRule::RateJTSNoc, "sazba JTS-noc", 15, ValueKind::NumberPair},
    {LineRule::MinimumCharge, "minimalne", 11, ValueKind::Number},
    {LineRule::AllMinutesFree, "vsechnyminzdarma", 0, ValueKind::None},
    {LineRule::Version, "verze ", 7, ValueKind::Text},
}};

// The characters from the 1-based column to the end of the line, at most 255:
// the file keeps no longer texts.
std::string_view textFrom(std::string_view line, std::size_t column) {
    if (column - 1 >= line.size()) return {};
    return line.substr(column - 1, MaxTextLength);
}

// The characters from the 1-based column up to the first blank.
std::string_view tokenFrom(std::string_view line, std::size_t column) {
    if (column - 1 >= line.size()) return {};
    const std::string_view rest = line.substr(column - 1);
    return rest.substr(0, rest.find(' '));
}

Zone zoneOf(LineRule rule) {
    switch (rule) {
    case LineRule::RateJTSMimo: return Zone::JTSMimo;
    case LineRule::RateJTSNoc: return Zone::JTSNoc;
    case LineRule::RatePAEGAS: return Zone::PAEGAS;
    case LineRule::RatePAEGASMimo: return Zone::PAEGASMimo;
    case LineRule::RateEUROTEL: return Zone::EUROTEL;
    case LineRule::RateEUROTELMimo: return Zone::EUROTELMimo;
    default: return Zone::JTS;
    }
}

char at(std::string_view line, std::size_t index) { return index < line.size() ? line[index] : '\0'; }

// The rule whose compared text starts the line. The compared texts exclude one
// another, so at most one can match; a few characters at the places where the
// texts differ pick the only candidate, which is then compared in full.
const LineRuleInfo* findRule(std::string_view line) {
    int candidate = -1;
    switch (at(line, 0)) {
    case 'p': candidate = at(line, 2) == 'o' ? 0 : 5; break;  // provider, prvniminzdarma
    case 's':
        if (at(line, 1) == 'l') {  // sluzba telefon, fax, data
            switch (at(line, 7)) {
            case 't': candidate = 1; break;
            case 'f': candidate = 3; break;
            case 'd': candidate = 4; break;
            }
        } else {  // sazba <zone>: the zone's name, then a blank or its band
            switch (at(line, 6)) {
            case 'J': candidate = at(line, 9) == ' ' ? 6 : at(line, 10) == 'm' ? 9 : 12; break;
            case 'P': candidate = at(line, 12) == ' ' ? 7 : 10; break;
            case 'E': candidate = at(line, 13) == ' ' ? 8 : 11; break;
            }
        }
        break;
    case 't': candidate = 2; break;                           // tarif
    case 'm': candidate = 13; break;                          // minimalne
    case 'v': candidate = at(line, 1) == 's' ? 14 : 15; break;  // vsechnyminzdarma, verze
    }
    if (candidate < 0) return nullptr;
    const LineRuleInfo& rule = Rules[static_cast<std::size_t>(candidate)];
    return line.starts_with(rule.prefix) ? &rule : nullptr;
}

}  // namespace

namespace {
[[noreturn, gnu::noinline]] void malformed(std::string_view text, std::size_t line) {
    throw ConversionError(std::string(text), line);
}
}  // namespace

inline double TariffReader::number(std::string_view text) const {
    double value = 0;
    if (!tryParseNumber(text, separator_, value)) malformed(text, lineNumber_);
    return value;
}

TariffReader::TariffReader(TariffList& list, std::string& version, char decimalSeparator, const ReaderEvents& events)
    : list_(list), version_(version), separator_(decimalSeparator), events_(events) {}

void TariffReader::line(std::string_view text) {
    ++lineNumber_;
    const LineRuleInfo* info = findRule(text);
    bool applied = false;
    if (info) applied = apply(*info, text);
    if (events_.onLine) events_.onLine(lineNumber_, text, info ? info->rule : LineRule::None, applied);
}



bool TariffReader::apply(const LineRuleInfo& info, std::string_view text) {
    switch (info.rule) {
    case LineRule::Provider:
        list_.append().provider = textFrom(text, info.valueColumn);
        haveCurrent_ = true;
        return true;
    case LineRule::Version:
        version_ = textFrom(text, info.valueColumn);
        if (events_.onVersion) events_.onVersion(version_);
        return true;
    default:
        break;
    }
    // Tariff lines before the first provider line have no tariff to set.
    if (!haveCurrent_) return false;
    Tarifs& tariff = list_.current();
    switch (info.rule) {
    case LineRule::TariffName: tariff.name = textFrom(text, info.valueColumn); break;
    case LineRule::TelephoneFee: tariff.telephoneFee = number(textFrom(text, info.valueColumn)); break;
    case LineRule::FaxFee: tariff.faxFee = number(textFrom(text, info.valueColumn)); break;
    case LineRule::DataFee: tariff.dataFee = number(textFrom(text, info.valueColumn)); break;
    case LineRule::FirstFreeMinutes: tariff.firstFreeMinutes = number(textFrom(text, info.valueColumn)); break;
    case LineRule::MinimumCharge: tariff.minimumCharge = number(textFrom(text, info.valueColumn)); break;
    case LineRule::AllMinutesFree: tariff.allMinutesFree = true; break;
    default: {
        // A rate and its free minutes: the second number starts just after
        // the single blank that ends the first.
        ZoneRate& zone = tariff.zone(zoneOf(info.rule));
        const std::string_view rate = tokenFrom(text, info.valueColumn);
        zone.rate = number(rate);
        zone.freeMinutes = number(tokenFrom(text, info.valueColumn + rate.size() + 1));
        break;
    }
    }
    return true;
}

const std::array<LineRuleInfo, 16>& lineRules() { return Rules; }

LineRule matchLineRule(std::string_view line) {
    const LineRuleInfo* info = findRule(line);
    return info ? info->rule : LineRule::None;
}

std::size_t readTariffs(std::string_view content, TariffList& list, std::string& version, char decimalSeparator,
                 const ReaderEvents& events) {
    TariffReader reader(list, version, decimalSeparator, events);
    forEachLine(content, [&reader](std::string_view line) { reader.line(line); });
    return reader.linesRead();
}

}  // namespace hovorix
