// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "RowValues.h"

#include "Text.h"

namespace hovorix::calls {

using namespace std::chrono;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

namespace {

struct ClassedWord {
    std::string_view word;
    WordClass wordClass;
};

// Folded: lower case, no accents. Whole words only: "data" is not in
// "metadata", nor "in" in "cinske".
constexpr ClassedWord ClassedWords[] = {
    {"hovor", VoiceWord},           {"hovory", VoiceWord},          {"hovoru", VoiceWord},
    {"hovorem", VoiceWord},         {"volani", VoiceWord},          {"call", VoiceWord},
    {"calls", VoiceWord},           {"voice", VoiceWord},           {"hlas", VoiceWord},
    {"hlasove", VoiceWord},         {"hlasova", VoiceWord},         {"hlasovy", VoiceWord},
    {"hlasovou", VoiceWord},        {"phone", VoiceWord},           {"telefon", VoiceWord},
    {"telefonni", VoiceWord},       {"odchozi", OutgoingWord},      {"outgoing", OutgoingWord},
    {"outbound", OutgoingWord},     {"prichozi", IncomingWord},     {"incoming", IncomingWord},
    {"inbound", IncomingWord},      {"zmeskany", NotMadeWord},      {"zmeskane", NotMadeWord},
    {"zmeskana", NotMadeWord},      {"neprijaty", NotMadeWord},     {"neprijate", NotMadeWord},
    {"neprijata", NotMadeWord},     {"odmitnuty", NotMadeWord},     {"odmitnute", NotMadeWord},
    {"odmitnuta", NotMadeWord},     {"nedovolany", NotMadeWord},    {"nedovolane", NotMadeWord},
    {"nedovolana", NotMadeWord},    {"neuskutecneny", NotMadeWord}, {"neuskutecnene", NotMadeWord},
    {"neuskutecnena", NotMadeWord}, {"missed", NotMadeWord},        {"rejected", NotMadeWord},
    {"declined", NotMadeWord},      {"unanswered", NotMadeWord},    {"blocked", NotMadeWord},
    {"voicemail", VoicemailWord},   {"mailbox", VoicemailWord},     {"schranka", VoicemailWord},
    {"schranky", VoicemailWord},    {"schranku", VoicemailWord},    {"schrance", VoicemailWord},
    {"facetime", ApplicationWord},  {"whatsapp", ApplicationWord},  {"viber", ApplicationWord},
    {"signal", ApplicationWord},    {"skype", ApplicationWord},     {"teams", ApplicationWord},
    {"messenger", ApplicationWord}, {"telegram", ApplicationWord},  {"sms", NotVoiceWord},
    {"smska", NotVoiceWord},        {"smsky", NotVoiceWord},        {"mms", NotVoiceWord},
    {"data", NotVoiceWord},         {"dat", NotVoiceWord},          {"datove", NotVoiceWord},
    {"datova", NotVoiceWord},       {"datovy", NotVoiceWord},       {"gprs", NotVoiceWord},
    {"internet", NotVoiceWord},     {"internetu", NotVoiceWord},    {"internetove", NotVoiceWord},
    {"internetova", NotVoiceWord},  {"internetovy", NotVoiceWord},  {"roaming", RoamingWord},
    {"roamingu", RoamingWord},      {"roamingem", RoamingWord},     {"roamingove", RoamingWord},
    {"roamingova", RoamingWord},    {"roamingovy", RoamingWord},
};

bool isWordCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

WordClass classOf(std::string_view word) {
    for (const ClassedWord& known : ClassedWords) {
        if (known.word == word) return known.wordClass;
    }
    return OtherWord;
}

}  // namespace

std::uint16_t wordClasses(std::string_view value, Encoding encoding, bool wholeValueDirections) {
    const std::string folded = text::fold(value, encoding);
    if (wholeValueDirections) {
        if (folded == "in" || folded == "p") return IncomingWord;
        if (folded == "out" || folded == "o") return OutgoingWord;
    }
    std::uint16_t classes = 0;
    std::size_t i = 0;
    while (i < folded.size()) {
        while (i < folded.size() && !isWordCharacter(folded[i])) ++i;
        std::size_t end = i;
        while (end < folded.size() && isWordCharacter(folded[end])) ++end;
        if (end > i) classes |= classOf(std::string_view(folded).substr(i, end - i));
        i = end;
    }
    return classes;
}

RowKind rowKindOf(std::uint16_t words, CellRole role, bool voicemailIsACall) {
    switch (role) {
    case CellRole::Application: return (words & ApplicationWord) ? RowKind::OtherVoice : RowKind::OutgoingVoice;
    case CellRole::Zone: return RowKind::OutgoingVoice;
    case CellRole::Kind:
    case CellRole::Direction: break;
    }
    // Any word of something not counted beats a voice word: "Zmeškaný hovor".
    if (words & NotVoiceWord) return RowKind::NotVoice;
    if (words & (NotMadeWord | IncomingWord | ApplicationWord)) return RowKind::OtherVoice;
    if ((words & VoicemailWord) && !voicemailIsACall) return RowKind::OtherVoice;
    if (role == CellRole::Direction) return RowKind::OutgoingVoice;
    return (words & (VoiceWord | OutgoingWord | VoicemailWord | RoamingWord)) ? RowKind::OutgoingVoice
                                                                              : RowKind::OtherVoice;
}

bool isCallLogType(std::uint16_t words) {
    return (words & (IncomingWord | OutgoingWord | NotMadeWord | VoicemailWord)) &&
           !(words & (NotVoiceWord | ApplicationWord | RoamingWord | OtherWord));
}

bool holdsKindWord(std::uint16_t words) { return (words & ~OtherWord) != 0; }

bool holdsDirectionOnly(std::uint16_t words) {
    return (words & (IncomingWord | OutgoingWord)) && !(words & ~(IncomingWord | OutgoingWord));
}

bool isYes(std::string_view value, Encoding encoding) {
    const std::string folded = text::fold(value, encoding);
    return folded == "ano" || folded == "yes" || folded == "true" || folded == "1" || folded == "a" || folded == "y";
}

std::pair<year_month_day, std::uint32_t> pragueTime(sys_seconds instant) {
    const year y = year_month_day{floor<days>(instant)}.year();
    const sys_seconds summerStarts = sys_days{y / March / Sunday[last]} + hours{1};
    const sys_seconds summerEnds = sys_days{y / October / Sunday[last]} + hours{1};
    const sys_seconds local = instant + hours{summerStarts <= instant && instant < summerEnds ? 2 : 1};
    const sys_days day = floor<days>(local);
    return {year_month_day{day}, static_cast<std::uint32_t>((local - day).count())};
}

namespace {

// An offset from UTC at the end of an ISO 8601 time, in minutes: "Z",
// "+01:00", "+0100", "+01", "-05:00"; nullopt when there is none. The
// offset and a fraction of a second are taken off text; a malformed offset
// leaves a time that does not read.
std::optional<int> takeOffset(std::string_view& text) {
    std::optional<int> minutesEast;
    if (text.ends_with('Z') || text.ends_with('z')) {
        text.remove_suffix(1);
        minutesEast = 0;
    } else if (const std::size_t sign = text.find_last_of("+-"); sign != std::string_view::npos && sign > 0) {
        const bool west = text[sign] == '-';
        std::string offset(text.substr(sign + 1));
        text = text.substr(0, sign);
        if (offset.size() == 5 && offset[2] == ':') offset.erase(2, 1);
        const bool digits = offset.find_first_not_of("0123456789") == std::string::npos;
        if (!digits || (offset.size() != 2 && offset.size() != 4)) {
            text = {};
            return std::nullopt;
        }
        const int hours = std::stoi(offset.substr(0, 2));
        const int minutes = offset.size() == 4 ? std::stoi(offset.substr(2)) : 0;
        if (hours > 14 || minutes > 59) {
            text = {};
            return std::nullopt;
        }
        minutesEast = (west ? -1 : 1) * (hours * 60 + minutes);
    }
    // A fraction of the second: the call started within it.
    if (const std::size_t point = text.find('.');
        point != std::string_view::npos && point + 1 < text.size() &&
        text.find_first_not_of("0123456789", point + 1) == std::string_view::npos) {
        text = text.substr(0, point);
    }
    return minutesEast;
}

}  // namespace

namespace {

// Where the time of a date-and-time value begins (the blank or "T" before
// it); npos when it has none.
std::size_t timeCut(std::string_view value) {
    const std::size_t cut = value.find_last_of(" T");
    return cut != std::string_view::npos && value.find(':', cut) != std::string_view::npos ? cut
                                                                                           : std::string_view::npos;
}

}  // namespace

std::string_view datePart(std::string_view value) {
    const std::size_t cut = timeCut(value);
    return cut == std::string_view::npos ? value : trimmed(value.substr(0, cut));
}

QuantityUnit quantityUnitNamed(std::string_view value, Encoding encoding) {
    const std::string folded = text::fold(value, encoding);
    if (folded.empty()) return {};
    if (const std::optional<TimeUnit> unit = timeUnitNamed(folded)) return {true, unit};
    // "m:ss", "hh:mm:ss": how the time is written, not a unit.
    if (folded.find(':') != std::string::npos && folded.find_first_not_of("hms:") == std::string::npos) return {};
    return {false, std::nullopt};
}

DateAndTime splitDateTime(std::string_view value, std::optional<DayMonthOrder> slashOrder) {
    DateAndTime result;
    const std::size_t cut = timeCut(value);
    if (cut != std::string_view::npos) {
        result.hasTime = true;
        std::string_view time = value.substr(cut + 1);
        // An offset follows the "T" of ISO 8601, or the blank that exports
        // put there instead, after a date written year first.
        const bool isoDate =
            cut >= 5 && value.substr(0, 4).find_first_not_of("0123456789") == std::string_view::npos && value[4] == '-';
        const std::optional<int> offset = value[cut] == 'T' || isoDate ? takeOffset(time) : std::nullopt;
        result.time = parseTime(time);
        value = trimmed(value.substr(0, cut));
        result.dateText = value;
        result.date = parseDate(value, slashOrder);
        if (offset && result.date && result.time) {
            std::tie(result.date, result.time) =
                pragueTime(sys_days{*result.date} + seconds{*result.time} - minutes{*offset});
        }
        return result;
    }
    result.dateText = value;
    result.date = parseDate(value, slashOrder);
    return result;
}

std::string fieldsText(std::size_t n) { return std::to_string(n) + (n >= 1 && n <= 4 ? " pole" : " polí"); }

}  // namespace hovorix::calls
