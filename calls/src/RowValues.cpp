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
    {"hlasovou", VoiceWord},        {"odchozi", OutgoingWord},      {"outgoing", OutgoingWord},
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

DateAndTime splitDateTime(std::string_view value) {
    DateAndTime result;
    const std::size_t cut = value.find_last_of(" T");
    if (cut != std::string_view::npos && value.find(':', cut) != std::string_view::npos) {
        result.hasTime = true;
        result.time = parseTime(value.substr(cut + 1));
        value = trimmed(value.substr(0, cut));
    }
    result.date = parseDate(value);
    return result;
}

std::string fieldsText(std::size_t n) { return std::to_string(n) + (n >= 1 && n <= 4 ? " pole" : " polí"); }

}  // namespace hovorix::calls
