// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace hovorix::tariffs {

// The seven priced call destinations and time bands, always in this order: the
// three fixed-network bands, then Paegas, then Eurotel. The tariff file writes
// its rate lines in another order, so zones are addressed by name, never by
// position in the file.
enum class Zone : std::size_t {
    JTS,          // fixed network, peak 7:00-19:00
    JTSMimo,      // fixed network, off-peak 19:00-22:00 and weekends
    JTSNoc,       // fixed network, night 22:00-7:00
    PAEGAS,       // Paegas, peak
    PAEGASMimo,   // Paegas, off-peak
    EUROTEL,      // Eurotel, peak
    EUROTELMimo,  // Eurotel, off-peak
};

inline constexpr std::size_t ZoneCount = 7;

inline constexpr std::array<Zone, ZoneCount> AllZones = {
    Zone::JTS, Zone::JTSMimo, Zone::JTSNoc, Zone::PAEGAS, Zone::PAEGASMimo, Zone::EUROTEL, Zone::EUROTELMimo,
};

// The three networks a tariff prices, each made of its zones: the fixed
// network of its three bands, Paegas and Eurotel of two each.
enum class PricedNetwork : std::size_t { FixedNetwork, Paegas, Eurotel };

inline constexpr std::size_t PricedNetworkCount = 3;

inline constexpr std::array<PricedNetwork, PricedNetworkCount> AllPricedNetworks = {
    PricedNetwork::FixedNetwork,
    PricedNetwork::Paegas,
    PricedNetwork::Eurotel,
};

constexpr PricedNetwork networkOf(Zone zone) {
    switch (zone) {
    case Zone::JTS:
    case Zone::JTSMimo:
    case Zone::JTSNoc: return PricedNetwork::FixedNetwork;
    case Zone::PAEGAS:
    case Zone::PAEGASMimo: return PricedNetwork::Paegas;
    case Zone::EUROTEL:
    case Zone::EUROTELMimo: break;
    }
    return PricedNetwork::Eurotel;
}

// A table with one entry for each zone, in zone order, or for each priced
// network: perZone<T>({...}) and perNetwork<T>({...}) do not compile when an
// entry is missing or one too many, so a new zone cannot be forgotten in one.
template <typename T, std::size_t N>
constexpr std::array<T, ZoneCount> perZone(T (&&entries)[N]) {
    static_assert(N == ZoneCount, "a zone table holds one entry for each zone");
    return std::to_array(std::move(entries));
}

template <typename T, std::size_t N>
constexpr std::array<T, PricedNetworkCount> perNetwork(T (&&entries)[N]) {
    static_assert(N == PricedNetworkCount, "a network table holds one entry for each priced network");
    return std::to_array(std::move(entries));
}

// For a zone table whose entries name their zone: every entry names the zone
// of its place. Meant for a static_assert beside the table.
template <typename Entry>
constexpr bool inZoneOrder(const std::array<Entry, ZoneCount>& table, Zone Entry::*zone) {
    for (std::size_t i = 0; i < ZoneCount; ++i) {
        if (table[i].*zone != AllZones[i]) return false;
    }
    return true;
}

// For an order of the zones: each zone appears in it, once.
constexpr bool eachZoneOnce(const std::array<Zone, ZoneCount>& order) {
    for (const Zone zone : AllZones) {
        std::size_t seen = 0;
        for (const Zone listed : order) seen += listed == zone ? 1 : 0;
        if (seen != 1) return false;
    }
    return true;
}

// The zone's name as the tariff file and the price lists spell it.
std::string_view zoneName(Zone zone);

struct ZoneRate {
    double rate = 0;         // price of one minute
    double freeMinutes = 0;  // minutes per month included in the flat fee

    bool operator==(const ZoneRate&) const = default;
};

// One mobile tariff. Texts are Windows-1250 bytes exactly as the tariff file
// holds them; amounts are per month, rates per minute, no currency is stored.
struct Tarifs {
    std::string provider;
    std::string name;
    double telephoneFee = 0;
    double faxFee = 0;
    double dataFee = 0;
    // Free minutes valid in any band: shared among the fixed-network zones, or
    // among all seven zones when allMinutesFree is set.
    double firstFreeMinutes = 0;
    std::array<ZoneRate, ZoneCount> zones{};  // indexed by Zone
    bool allMinutesFree = false;
    // Minimum monthly charge, for prepaid tariffs that must be topped up.
    double minimumCharge = 0;

    ZoneRate& zone(Zone z) { return zones[static_cast<std::size_t>(z)]; }
    const ZoneRate& zone(Zone z) const { return zones[static_cast<std::size_t>(z)]; }

    bool operator==(const Tarifs&) const = default;
};

// Provider, hyphen, tariff name: the bar label of the calculator and the row
// text of the editor.
std::string tariffLabel(const Tarifs& tariff);

}  // namespace hovorix::tariffs
