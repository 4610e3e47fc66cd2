// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "tariffs/EnumTable.h"

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
inline constexpr auto AllZones = enumerators({
    Zone::JTS,
    Zone::JTSMimo,
    Zone::JTSNoc,
    Zone::PAEGAS,
    Zone::PAEGASMimo,
    Zone::EUROTEL,
    Zone::EUROTELMimo,
});
constexpr const auto& enumeratorsOf(Zone) { return AllZones; }
inline constexpr std::size_t ZoneCount = AllZones.size();

// The networks a tariff prices, each made of its zones: the fixed network
// (JTS) of its three bands, Paegas and Eurotel of two each. The call lists
// sort their calls into the same networks.
enum class PricedNetwork : std::size_t { Jts, Paegas, Eurotel };
inline constexpr auto AllPricedNetworks =
    enumerators({PricedNetwork::Jts, PricedNetwork::Paegas, PricedNetwork::Eurotel});
constexpr const auto& enumeratorsOf(PricedNetwork) { return AllPricedNetworks; }
inline constexpr std::size_t PricedNetworkCount = AllPricedNetworks.size();

constexpr PricedNetwork networkOf(Zone zone) {
    constexpr auto Networks = enumTable<Zone, PricedNetwork>({
        {Zone::JTS, PricedNetwork::Jts},
        {Zone::JTSMimo, PricedNetwork::Jts},
        {Zone::JTSNoc, PricedNetwork::Jts},
        {Zone::PAEGAS, PricedNetwork::Paegas},
        {Zone::PAEGASMimo, PricedNetwork::Paegas},
        {Zone::EUROTEL, PricedNetwork::Eurotel},
        {Zone::EUROTELMimo, PricedNetwork::Eurotel},
    });
    return Networks[indexOf(zone)];
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
