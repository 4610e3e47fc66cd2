// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Compiled, not run: the zone tables must refuse to build with an entry
// missing, one too many, or out of zone order. The ctests compile this file
// once as it is (which must succeed) and once for each fault (which must
// fail with the table's own message).
#include "tariffs/Tarifs.h"

using hovorix::tariffs::Zone;

namespace {

struct Field {
    const char* name;
    Zone zone;
};

#if defined(MISSING_ENTRY)
constexpr auto Fields = hovorix::tariffs::perZone<Field>({
    {"JTS", Zone::JTS},
    {"JTSMimo", Zone::JTSMimo},
    {"JTSNoc", Zone::JTSNoc},
    {"Pekac", Zone::PAEGAS},
    {"PekacMimo", Zone::PAEGASMimo},
    {"Eurotel", Zone::EUROTEL},
});
#elif defined(EXTRA_ENTRY)
constexpr auto Fields = hovorix::tariffs::perZone<Field>({
    {"JTS", Zone::JTS},
    {"JTSMimo", Zone::JTSMimo},
    {"JTSNoc", Zone::JTSNoc},
    {"Pekac", Zone::PAEGAS},
    {"PekacMimo", Zone::PAEGASMimo},
    {"Eurotel", Zone::EUROTEL},
    {"EurotelMimo", Zone::EUROTELMimo},
    {"Oskar", Zone::EUROTELMimo},
});
#elif defined(SWAPPED_ENTRIES)
constexpr auto Fields = hovorix::tariffs::perZone<Field>({
    {"JTS", Zone::JTS},
    {"JTSMimo", Zone::JTSMimo},
    {"JTSNoc", Zone::JTSNoc},
    {"Eurotel", Zone::EUROTEL},
    {"PekacMimo", Zone::PAEGASMimo},
    {"Pekac", Zone::PAEGAS},
    {"EurotelMimo", Zone::EUROTELMimo},
});
#else
constexpr auto Fields = hovorix::tariffs::perZone<Field>({
    {"JTS", Zone::JTS},
    {"JTSMimo", Zone::JTSMimo},
    {"JTSNoc", Zone::JTSNoc},
    {"Pekac", Zone::PAEGAS},
    {"PekacMimo", Zone::PAEGASMimo},
    {"Eurotel", Zone::EUROTEL},
    {"EurotelMimo", Zone::EUROTELMimo},
});
#endif
static_assert(hovorix::tariffs::inZoneOrder(Fields, &Field::zone), "zone table out of zone order");

#if defined(REPEATED_ZONE)
constexpr auto FileOrder = hovorix::tariffs::perZone<Zone>(
    {Zone::JTS, Zone::JTSMimo, Zone::JTSNoc, Zone::EUROTEL, Zone::EUROTEL, Zone::PAEGAS, Zone::PAEGASMimo});
#else
constexpr auto FileOrder = hovorix::tariffs::perZone<Zone>(
    {Zone::JTS, Zone::JTSMimo, Zone::JTSNoc, Zone::EUROTEL, Zone::EUROTELMimo, Zone::PAEGAS, Zone::PAEGASMimo});
#endif
static_assert(hovorix::tariffs::eachZoneOnce(FileOrder), "zone order lists a zone twice");

}  // namespace
