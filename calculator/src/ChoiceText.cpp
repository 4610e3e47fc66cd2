// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "ChoiceText.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

#include "desktop/CostMark.h"

namespace hovorix::calculator::choicetext {

namespace {

// How a number said aloud begins, which decides "v"/"ve" and "z"/"ze".
enum class Onset { Vowel, Plain, Sibilant, Cluster };

// The onset of the number's first spoken word: "dva", "tři", "čtyři"
// (also in "dvanáct", "dvacet", "dvě stě", ...) begin with two consonants,
// "šest", "sedm" and "sto" with a sibilant, "osm" with a vowel.
Onset onsetOf(std::size_t n) {
    while (n >= 1000) {
        if (n < 2000) return Onset::Plain;  // "tisíc"
        n /= 1000;
    }
    if (n >= 100) {
        if (n < 200) return Onset::Cluster;  // "sto": s and t
        n /= 100;
    } else if (n >= 20) {
        n /= 10;
    } else if (n >= 10) {
        switch (n) {
        case 12: return Onset::Cluster;  // dvanáct
        case 13: return Onset::Cluster;  // třináct
        case 14: return Onset::Cluster;  // čtrnáct
        case 16: return Onset::Sibilant;
        case 17: return Onset::Sibilant;
        case 18: return Onset::Vowel;
        default: return Onset::Plain;
        }
    }
    switch (n) {
    case 2:
    case 3:
    case 4: return Onset::Cluster;
    case 6:
    case 7: return Onset::Sibilant;
    case 8: return Onset::Vowel;
    default: return Onset::Plain;
    }
}

const QChar NoBreak(0x00A0);

// The calls that the scale multiplies, as the sentence names them.
QString variedCalls(fees::VariedZones varied) {
    constexpr auto Calls = tariffs::enumTable<fees::VariedZones, const char*>({
        {fees::VariedZones::All, "volání"},
        {fees::VariedZones::FixedNetwork, "volání do pevné sítě"},
        {fees::VariedZones::Paegas, "volání do sítě Paegas"},
        {fees::VariedZones::Eurotel, "volání do sítě Eurotel"},
    });
    return QString::fromUtf8(Calls[tariffs::indexOf(varied)]);
}

QString wholePercent(int value) { return QString::number(value) + NoBreak + u'%'; }

// The decimals of "od" and "do", so a range end is written as entered.
constexpr int RangeDecimals = 4;

QString monthly(double cost, const QLocale& locale) {
    return amount(cost, locale) + NoBreak + QStringLiteral("Kč měsíčně");
}

QString crowns(double cost, const QLocale& locale) { return amount(cost, locale) + NoBreak + QStringLiteral("Kč"); }

const QString ZeroMinutes = QStringLiteral("Spotřeba v měněných pásmech je nulová; volba na ní nezávisí.");

// "A", "A a B", "A, B a C".
QString listed(const QStringList& names) {
    if (names.size() < 2) return names.value(0);
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" a ") + names.back();
}

// How far the calls may fall and grow within a stretch of whole percent
// fromPercent to toPercent, and whether it reaches either end of the range:
// "ubude nejvýše o 20 % nebo přibude až o 50 % (horní mez rozsahu)".
QString howFar(int fromPercent, int toPercent, bool toRangeStart, bool toRangeEnd, const QLocale& locale) {
    QStringList ways;
    if (fromPercent < 100) {
        ways << (toRangeStart ? QStringLiteral("ubude až o %1 (dolní mez rozsahu)")
                              : QStringLiteral("ubude nejvýše o %1"))
                    .arg(wholePercent(100 - fromPercent));
    }
    if (toPercent > 200) {
        // Growth of thousands of percent reads better as a multiple.
        ways << (toRangeEnd ? QStringLiteral("přibude až na %1 zadané spotřeby (horní mez rozsahu)")
                            : QStringLiteral("přibude nejvýše na %1 zadané spotřeby"))
                    .arg(scale(toPercent / 100.0, locale));
    } else if (toPercent > 100) {
        ways << (toRangeEnd ? QStringLiteral("přibude až o %1 (horní mez rozsahu)")
                            : QStringLiteral("přibude nejvýše o %1"))
                    .arg(wholePercent(toPercent - 100));
    }
    return ways.join(QStringLiteral(" nebo "));
}

QString wholeRange(const fees::ScaleChoice& choice, const QLocale& locale) {
    return QStringLiteral(" v celém zvoleném rozsahu, od %1 do %2 zadané spotřeby.")
        .arg(scale(choice.from, locale, RangeDecimals), scale(choice.to, locale, RangeDecimals));
}

// How far the named tariff stays the cheapest, and who takes over; named
// says the tariff's label rather than "Zůstává" after another sentence.
QString staysSentence(const fees::ScaleChoice& choice, const fees::ChoiceAtOne& one, bool named, const LabelOf& labelOf,
                      const QLocale& locale) {
    const QString stays =
        named ? labelOf(one.tariff) + QStringLiteral(" zůstává nejlevnější") : QStringLiteral("Zůstává nejlevnější");
    if (!one.below && !one.above) return stays + wholeRange(choice, locale);
    // Rounded inward, 100 % on both sides means that a change of a whole
    // percent already leaves the stretch.
    if (one.fromPercent == 100 && one.toPercent == 100) {
        return QString(QStringLiteral("Tarif %1 je nejlevnější jen při zadané spotřebě; už při změně o 1") + NoBreak +
                       QStringLiteral("% je nejlevnější jiný."))
            .arg(labelOf(one.tariff));
    }
    QString sentence = stays + QStringLiteral(", když ") + variedCalls(choice.varied) + u' ' +
                       howFar(one.fromPercent, one.toPercent, !one.below, !one.above, locale);
    if (one.below && one.above && *one.below == *one.above) {
        sentence += QStringLiteral("; při menší i větší spotřebě je nejlevnější %1").arg(labelOf(*one.below));
    } else if (one.below && one.above) {
        sentence += QStringLiteral("; při menší spotřebě je nejlevnější %1, při větší %2")
                        .arg(labelOf(*one.below), labelOf(*one.above));
    } else if (one.below) {
        sentence += QStringLiteral("; při menší spotřebě je nejlevnější %1").arg(labelOf(*one.below));
    } else if (one.above) {
        sentence += QStringLiteral("; při větší spotřebě je nejlevnější %1").arg(labelOf(*one.above));
    }
    return sentence + u'.';
}

// The runner-up at the entered usage and how much more it costs.
QString runnerUpSentence(const fees::ChoiceAtOne& one, const LabelOf& labelOf, const QLocale& locale) {
    const QString by = amount(one.difference, locale) + NoBreak + QStringLiteral("Kč");
    const QString runnerUp = labelOf(*one.next);
    if (!one.differencePercent) {
        return QStringLiteral("Druhý nejlevnější, %1, stojí o %2 víc.").arg(runnerUp, by);
    }
    return QStringLiteral("Druhý nejlevnější, %1, stojí o %2 (%3) víc.")
        .arg(runnerUp, by, percent(*one.differencePercent, locale));
}

// The choice over a range that leaves out the entered usage.
QString outsideSentence(const fees::ScaleChoice& choice, const LabelOf& labelOf, const QLocale& locale) {
    const fees::CheapestInterval& first = choice.intervals.front();
    const fees::CheapestInterval& last = choice.intervals.back();
    QString sentence = QStringLiteral("Zvolený rozsah od %1 do %2 zadanou spotřebu nezahrnuje. ")
                           .arg(scale(choice.from, locale, RangeDecimals), scale(choice.to, locale, RangeDecimals));
    if (choice.intervals.size() == 1) {
        const QString costs =
            amount(first.costFrom, locale) == amount(first.costTo, locale)
                ? monthly(first.costFrom, locale)
                : QStringLiteral("od %1 do %2").arg(amount(first.costFrom, locale), monthly(first.costTo, locale));
        return sentence + QStringLiteral("V celém rozsahu je nejlevnější %1 (%2).").arg(labelOf(first.tariff), costs);
    }
    return sentence + QStringLiteral(
                          "Na jeho začátku je nejlevnější %1 (%2), na konci %3 (%4); kde se nejlevnější tarif mění, "
                          "uvádí tabulka.")
                          .arg(labelOf(first.tariff), monthly(first.costFrom, locale), labelOf(last.tariff),
                               monthly(last.costTo, locale));
}

// What the page says after the sentence against the current tariff, which
// has named the cheapest and its cost already: how far it stays the
// cheapest and the runner-up, or the range that leaves out the usage.
QString restOfChoice(const fees::ScaleChoice& choice, const LabelOf& labelOf, const QLocale& locale) {
    if (!choice.atOne) {
        return choice.variedMinutesZero ? ZeroMinutes : outsideSentence(choice, labelOf, locale);
    }
    const fees::ChoiceAtOne& one = *choice.atOne;
    QString sentence = choice.variedMinutesZero ? ZeroMinutes : staysSentence(choice, one, true, labelOf, locale);
    if (one.next && one.tiedWith.empty()) sentence += u' ' + runnerUpSentence(one, labelOf, locale);
    return sentence;
}

}  // namespace

QString scale(double value, const QLocale& locale, int decimals) {
    QString text = locale.toString(value, 'f', decimals);
    if (decimals > 0) {
        const QString point = locale.decimalPoint();
        while (text.endsWith(u'0')) text.chop(1);
        if (text.endsWith(point)) text.chop(point.size());
    }
    return text + QChar(0x00D7);
}

QString scaleFixed(double value, const QLocale& locale, int decimals) {
    return locale.toString(value, 'f', decimals) + QChar(0x00D7);
}

QString amount(double value, const QLocale& locale) { return desktop::formatMark(value, locale); }

QString percent(double value, const QLocale& locale) {
    if (std::fabs(value) < 0.05) return QStringLiteral("méně než ") + locale.toString(0.1, 'f', 1) + NoBreak + u'%';
    return locale.toString(value, 'f', 1) + NoBreak + u'%';
}

QString inBefore(std::size_t number) {
    return onsetOf(number) == Onset::Cluster ? QStringLiteral("ve") : QStringLiteral("v");
}

QString ofBefore(std::size_t number) {
    const Onset onset = onsetOf(number);
    return onset == Onset::Cluster || onset == Onset::Sibilant ? QStringLiteral("ze") : QStringLiteral("z");
}

QString choiceSentence(const fees::ScaleChoice& choice, std::size_t tariffCount, const LabelOf& labelOf,
                       const QLocale& locale, const QString& noTariffs, const CurrentTerms& current) {
    if (tariffCount == 0 || choice.intervals.empty()) return noTariffs;
    if (current.comparison != nullptr) {
        const fees::CurrentComparison& against = *current.comparison;
        if (against.tie) {
            return QStringLiteral("Váš současný tarif %1 je při zadané spotřebě nejlevnější. ")
                       .arg(labelOf(against.tariff)) +
                   choiceSentence(choice, tariffCount, labelOf, locale, noTariffs, {});
        }
        QStringList said{savingSentence(against, labelOf, locale)};
        if (!choice.variedMinutesZero) said << cheaperSentence(choice, against, labelOf, locale);
        if (const std::optional<double> months = fees::breakEvenMonths(current.switchCost, against.saving)) {
            said << breakEvenSentence(*months, locale);
        }
        said << restOfChoice(choice, labelOf, locale);
        said.removeAll(QString());
        return said.join(u' ');
    }
    const std::optional<fees::ChoiceAtOne>& one = choice.atOne;
    // With no minutes in the varied zones every cost is the same at every
    // scale, so the choice at the entered usage holds wherever 1 lies.
    const std::size_t cheapest = one ? one->tariff : choice.intervals.front().tariff;
    const std::optional<double> cost = one ? std::optional<double>(one->cost)
                                       : choice.variedMinutesZero
                                           ? std::optional<double>(choice.intervals.front().costFrom)
                                           : std::nullopt;
    if (tariffCount == 1) {
        const QString costs = cost ? QStringLiteral(" (%1)").arg(monthly(*cost, locale)) : QString();
        return QStringLiteral("V ceníku je jediný tarif, %1%2; není s čím ho srovnat.").arg(labelOf(cheapest), costs);
    }
    if (!cost) return outsideSentence(choice, labelOf, locale);

    const bool tie = one && !one->tiedWith.empty();
    QString sentence;
    if (tie) {
        QStringList names{labelOf(one->tariff)};
        for (std::size_t other : one->tiedWith) names << labelOf(other);
        sentence = QStringLiteral("Při zadané spotřebě jsou nejlevnější %1 (každý %2).")
                       .arg(listed(names), monthly(*cost, locale));
    } else {
        sentence = QStringLiteral("Při zadané spotřebě je nejlevnější %1 (%2).")
                       .arg(labelOf(cheapest), monthly(*cost, locale));
    }
    if (choice.variedMinutesZero) {
        sentence += u' ' + ZeroMinutes;
    } else {
        sentence += u' ' + staysSentence(choice, *one, tie, labelOf, locale);
    }
    if (one && one->next && !tie) sentence += u' ' + runnerUpSentence(*one, labelOf, locale);
    return sentence;
}

QString savingSentence(const fees::CurrentComparison& against, const LabelOf& labelOf, const QLocale& locale) {
    return QStringLiteral("Se současným tarifem %1 platíte %2. Nejlevnější %3 stojí %4: ušetříte %5, %6.")
        .arg(labelOf(against.tariff), monthly(against.cost, locale), labelOf(against.cheapest),
             crowns(against.cheapestCost, locale), monthly(against.saving, locale),
             crowns(against.yearlySaving(), locale) + QStringLiteral(" ročně"));
}

QString cheaperSentence(const fees::ScaleChoice& choice, const fees::CurrentComparison& against, const LabelOf& labelOf,
                        const QLocale& locale) {
    if (!against.cheaperFrom || !against.cheaperTo) return {};
    const QString cheaper = labelOf(against.cheapest);
    const bool toStart = *against.cheaperFrom <= choice.from;
    const bool toEnd = *against.cheaperTo >= choice.to;
    if (toStart && toEnd)
        return cheaper + QStringLiteral(" zůstává levnější než váš tarif") + wholeRange(choice, locale);
    if (against.fromPercent == 100 && against.toPercent == 100) {
        return QString(QStringLiteral("%1 je levnější než váš tarif jen při zadané spotřebě; už při změně o 1") +
                       NoBreak + QStringLiteral("% tomu tak není."))
            .arg(cheaper);
    }
    return cheaper + QStringLiteral(" zůstává levnější než váš tarif, když ") + variedCalls(choice.varied) + u' ' +
           howFar(against.fromPercent, against.toPercent, toStart, toEnd, locale) + u'.';
}

QString monthsText(double months, const QLocale& locale) {
    const QString number = locale.toString(months, 'f', 0);
    if (months == 1) return number + QStringLiteral(" měsíc");
    if (months >= 2 && months <= 4) return number + QStringLiteral(" měsíce");
    return number + QStringLiteral(" měsíců");
}

QString breakEvenSentence(double months, const QLocale& locale) {
    return QStringLiteral("Přechod se vyplatí za %1.").arg(monthsText(months, locale));
}

QString dateText(std::chrono::year_month_day day) {
    return QStringLiteral("%1. %2. %3")
        .arg(static_cast<unsigned>(day.day()))
        .arg(static_cast<unsigned>(day.month()))
        .arg(static_cast<int>(day.year()));
}

QString periodText(std::chrono::year_month_day first, std::chrono::year_month_day last) {
    // The year once, at the end, when both days are of one year.
    QString start = dateText(first);
    if (first.year() == last.year()) start.chop(QString::number(static_cast<int>(first.year())).size() + 1);
    return start + QStringLiteral(" – ") + dateText(last);
}

QString periodSentence(const fees::MonthsChoice& months, const fees::PeriodAgainstCurrent& against, std::size_t current,
                       const QString& period, const LabelOf& labelOf, const QLocale& locale) {
    const QString paid = QStringLiteral("Za období výpisu%1 jste s tarifem %2 zaplatili %3")
                             .arg(period.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(period), labelOf(current),
                                  crowns(against.cost, locale));
    if (against.tie) return paid + QStringLiteral(", nejméně ze všech tarifů.");
    const QString cheapest = labelOf(months.period.cheapest);
    QString sentence = paid + QStringLiteral("; s %1 byste zaplatili %2, o %3 méně.")
                                  .arg(cheapest, crowns(months.period.cost, locale), crowns(against.saving, locale));
    const std::size_t counted = months.period.monthsCounted;
    if (counted >= 2) {
        sentence += QStringLiteral(" %1 by byl levnější %2 %3 %4 %5 měsíců.")
                        .arg(cheapest, inBefore(against.monthsCheaper))
                        .arg(against.monthsCheaper)
                        .arg(ofBefore(counted))
                        .arg(counted);
    }
    return sentence;
}

QString safestSentence(const fees::MonthsChoice& months, const LabelOf& labelOf, const QLocale& locale) {
    const fees::PeriodChoice& period = months.period;
    if (period.monthsCounted < 2 || !period.safest || *period.safest == period.cheapest) return {};
    return QStringLiteral(
               "Nejmenší riziko: %1 – v žádném měsíci nebyl o víc než %2 dražší než tehdy nejlevnější tarif.")
        .arg(labelOf(*period.safest), crowns(months.regret[*period.safest].worstExcess, locale));
}

QString monthsSentence(const fees::MonthsChoice& months, const LabelOf& labelOf, const QStringList& monthNames,
                       const QLocale& locale) {
    const fees::PeriodChoice& period = months.period;
    const std::size_t count = period.monthsCounted;
    static_assert(fees::ShortMonthDays == 7, "the sentence names the days a month needs to be counted");
    if (count < 2) return QStringLiteral("Výpis nemá dva měsíce s aspoň 7 dny; měsíce nelze porovnat.");
    // Months each tariff wins, a tie counting for every tariff in it, as the
    // period's cheapest counts its own; a short month wins nothing.
    std::vector<std::size_t> won(period.costs.size(), 0);
    QStringList shortMonths;
    for (std::size_t m = 0; m < months.months.size(); ++m) {
        const fees::MonthChoice& month = months.months[m];
        if (month.isShort) {
            shortMonths << monthNames.value(static_cast<qsizetype>(m));
            continue;
        }
        for (std::size_t i = 0; i < month.costs.size(); ++i) {
            if (fees::costsTie(month.costs[i], month.cost)) ++won[i];
        }
    }
    // The tariff that wins the most months; the period's cheapest where it
    // wins as many, else the first in the file.
    std::size_t most = period.cheapest;
    for (std::size_t i = 0; i < won.size(); ++i) {
        if (won[i] > won[most]) most = i;
    }
    const QString total = QStringLiteral("celkem ") + amount(period.cost, locale) + NoBreak + QStringLiteral("Kč");
    const auto inMonths = [count](std::size_t wins) {
        if (wins == count) return QStringLiteral("ve všech %1 měsících").arg(count);
        return QStringLiteral("%1 %2 %3 %4 měsíců").arg(inBefore(wins)).arg(wins).arg(ofBefore(count)).arg(count);
    };
    const QString notCounted =
        shortMonths.isEmpty()
            ? QString()
            : QStringLiteral(" (krátké měsíce se nepočítají: %1)").arg(shortMonths.join(QStringLiteral(", ")));
    if (most == period.cheapest) {
        return QStringLiteral("Podle výpisu hovorů je %1 nejlevnější %2 i za celé období (%3)%4.")
            .arg(labelOf(period.cheapest), inMonths(won[most]), total, notCounted);
    }
    return QStringLiteral("Podle výpisu hovorů by %1 byl nejlevnější %2; za celé období je nejlevnější %3 (%4)%5.")
        .arg(labelOf(most), inMonths(won[most]), labelOf(period.cheapest), total, notCounted);
}

}  // namespace hovorix::calculator::choicetext
