// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// Counts and tables that follow their enumeration, checked by the compiler.
//
// An enumeration that counts something or indexes a table lists its values
// once, beside its declaration, and makes the list known to this header by a
// function of its own namespace:
//
//     enum class Band : std::uint8_t { Peak, OffPeak };
//     inline constexpr auto AllBands = enumerators({Band::Peak, Band::OffPeak});
//     constexpr const auto& enumeratorsOf(Band) { return AllBands; }
//     inline constexpr std::size_t BandCount = AllBands.size();
//
// enumerators() does not compile unless the list holds every value of the
// enumeration, from 0 up, in its order: an enumerator added anywhere stops the
// build until it is listed, and then the count follows.
//
// A table with an entry for each value is written as pairs of the value and
// its entry, in the enumeration's order, and is a std::array indexed by the
// value:
//
//     constexpr auto BandNames = enumTable<Band, std::string_view>({
//         {Band::Peak, "ve špičce"},
//         {Band::OffPeak, "mimo špičku"},
//     });
//     BandNames[indexOf(band)]
//
// A pair missing, one too many, a value paired twice or a pair out of order
// stops the build. enumOrder() lists every value once in an order of its own
// (the order a file writes them in, say); enumeratorWith() finds the value
// whose entry is the one given (a name read from a file or a command line).

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace hovorix::tariffs {

namespace enum_table {

// Called only where a check fails: a function that is not constexpr cannot
// run while the compiler builds a table, so the build stops and the message
// names the fault.
inline void listedOutOfTheEnumerationsOrder() {}
inline void pairOutOfTheEnumerationsOrderOrRepeated() {}
inline void orderListsAValueTwice() {}

// Whether the enumeration names this value. The compiler writes a named value
// by its name in the signature of a function made for it, and any other value
// as a cast, "(Band)2" (GCC and Clang, the compilers the programs are built
// with).
template <auto Value>
consteval bool isNamed() {
    const std::string_view signature = __PRETTY_FUNCTION__;
    const std::size_t at = signature.find("Value = ");
    return at != std::string_view::npos && signature[at + 8] != '(';
}

// The entries of the pairs, in their order.
template <typename T, typename Pair, std::size_t N, std::size_t... I>
constexpr std::array<T, N> entriesOf(Pair (&pairs)[N], std::index_sequence<I...>) {
    return {std::move(pairs[I].value)...};
}

}  // namespace enum_table

template <typename E, std::size_t N>
consteval std::array<E, N> enumerators(const E (&values)[N]) {
    static_assert(std::is_enum_v<E>);
    static_assert(!enum_table::isNamed<static_cast<E>(N)>(), "an enumerator is missing from the list of its values");
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(values[i]) != i) enum_table::listedOutOfTheEnumerationsOrder();
    }
    return std::to_array(values);
}

// How many values the enumeration has: the length of its list.
template <typename E>
inline constexpr std::size_t enumCount = enumeratorsOf(E{}).size();

// A value's place in its enumeration's tables.
template <typename E>
constexpr std::size_t indexOf(E value) {
    static_assert(std::is_enum_v<E>);
    return static_cast<std::size_t>(value);
}

template <typename E, typename T>
struct EnumPair {
    E key;
    T value;
};

template <typename E, typename T, std::size_t N>
consteval std::array<T, N> enumTable(EnumPair<E, T> (&&pairs)[N]) {
    static_assert(N >= enumCount<E>, "a table by an enumeration misses the entry of a value");
    static_assert(N <= enumCount<E>, "a table by an enumeration has an entry too many");
    for (std::size_t i = 0; i < N; ++i) {
        if (indexOf(pairs[i].key) != i) enum_table::pairOutOfTheEnumerationsOrderOrRepeated();
    }
    return enum_table::entriesOf<T>(pairs, std::make_index_sequence<N>{});
}

template <typename E, std::size_t N>
consteval std::array<E, N> enumOrder(const E (&order)[N]) {
    static_assert(N >= enumCount<E>, "an order of an enumeration's values misses one");
    static_assert(N <= enumCount<E>, "an order of an enumeration's values has one too many");
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (order[i] == order[j]) enum_table::orderListsAValueTwice();
        }
    }
    return std::to_array(order);
}

// The first value whose entry, as entryOf gives it, is the one wanted.
template <typename E, typename EntryOf, typename Wanted>
constexpr std::optional<E> enumeratorWith(const EntryOf& entryOf, const Wanted& wanted) {
    for (const E value : enumeratorsOf(E{})) {
        if (entryOf(value) == wanted) return value;
    }
    return std::nullopt;
}

// The same for the entries of a table by the enumeration.
template <typename E, typename T, std::size_t N, typename Wanted>
constexpr std::optional<E> enumeratorWith(const std::array<T, N>& table, const Wanted& wanted) {
    return enumeratorWith<E>([&table](E value) -> const T& { return table[indexOf(value)]; }, wanted);
}

}  // namespace hovorix::tariffs
