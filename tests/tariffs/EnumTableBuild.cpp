// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Compiled, not run: an enumeration's list of values, a table by it and an
// order of its values must refuse to build when they do not hold each value
// once, in its place. The ctests compile this file once as it is (which must
// succeed) and once for each fault (which must fail with its own message).
// The enumeration is the fixed network's time bands, standing for any.
#include <cstdint>

#include "tariffs/EnumTable.h"

namespace {

using namespace hovorix::tariffs;

enum class Band : std::uint8_t { Peak, OffPeak, Night };

#if defined(UNLISTED_VALUE)
constexpr auto AllBands = enumerators({Band::Peak, Band::OffPeak});
#elif defined(LIST_OUT_OF_ORDER)
constexpr auto AllBands = enumerators({Band::Peak, Band::Night, Band::OffPeak});
#else
constexpr auto AllBands = enumerators({Band::Peak, Band::OffPeak, Band::Night});
#endif
constexpr const auto& enumeratorsOf(Band) { return AllBands; }

struct Field {
    const char* name;
    int column;
};

// Each fault takes out, adds or moves an entry of the one complete table.
constexpr auto Fields = enumTable<Band, Field>({
    {Band::Peak, {"JTS", 1}},
#if defined(SWAPPED_ENTRIES)
        {Band::Night, {"JTSNoc", 3}},
#endif
        {Band::OffPeak, {"JTSMimo", 2}},
#if defined(REPEATED_ENTRY)
        {Band::OffPeak, {"JTSNoc", 3}},
#elif !defined(MISSING_ENTRY) && !defined(SWAPPED_ENTRIES)
        {Band::Night, {"JTSNoc", 3}},
#endif
#if defined(EXTRA_ENTRY)
        {Band::Night, {"JTSRano", 4}},
#endif
});
static_assert(Fields[indexOf(Band::Night)].column == 3);
static_assert(enumeratorWith<Band>([](Band band) { return Fields[indexOf(band)].column; }, 2) == Band::OffPeak);

#if defined(REPEATED_IN_ORDER)
constexpr auto FileOrder = enumOrder({Band::Night, Band::Peak, Band::Night});
#else
constexpr auto FileOrder = enumOrder({Band::Night, Band::Peak, Band::OffPeak});
#endif
static_assert(FileOrder[0] == Band::Night);

}  // namespace
