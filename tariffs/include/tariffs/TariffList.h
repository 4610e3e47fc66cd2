// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "tariffs/Tarifs.h"

namespace hovorix::tariffs {

// The two texts a freshly appended tariff receives. Each program owns one list
// and brings its own pair: the provider default is overwritten at once when the
// reader creates a tariff, the name default stays when the file gives a
// provider line but no tariff line.
struct DefaultTexts {
    std::string provider;
    std::string name;
};

// The calculator's defaults are plain ASCII...
extern const DefaultTexts CalculatorDefaults;  // "NEDEFINOVAN" / "Neznamy"
// ...the editor's are Czech, in Windows-1250.
extern const DefaultTexts EditorDefaults;  // "NEDEFINOVÁN" / "Neznámý"

// The program's tariffs in file order. Positions are 0-based; every operation
// that takes a position expects one inside the list.
class TariffList {
public:
    explicit TariffList(DefaultTexts defaults);

    const DefaultTexts& defaults() const { return defaults_; }

    std::size_t count() const { return tariffs_.size(); }
    bool isEmpty() const { return tariffs_.empty(); }

    // Appends a tariff with every number 0, the flag clear and the default
    // texts; it becomes the current tariff, the one the reader fills.
    Tarifs& append();

    // The tariff most recently appended; only valid while the list is not empty.
    Tarifs& current() { return tariffs_.back(); }

    // Visits every tariff in order.
    template <typename Visitor>
    void walk(Visitor&& visit) const {
        for (std::size_t i = 0, n = tariffs_.size(); i < n; ++i) visit(tariffs_[i]);
    }

    Tarifs& seek(std::size_t position) { return tariffs_.at(position); }
    const Tarifs& seek(std::size_t position) const { return tariffs_.at(position); }

    void removeAt(std::size_t position);
    // Exchanges the contents of the tariffs at position and position + 1.
    void swapWithNext(std::size_t position);
    // Drops the last tariff (a cancelled add).
    void dropLast();
    // Empties the list (before another file is opened).
    void clear() { tariffs_.clear(); }

    // Makes room for that many tariffs in all, so a long file is read
    // without moving every tariff each time the list outgrows its memory.
    void reserve(std::size_t total) { tariffs_.reserve(total); }

    const std::vector<Tarifs>& tariffs() const { return tariffs_; }

    bool operator==(const TariffList& other) const { return tariffs_ == other.tariffs_; }

private:
    std::size_t checked(std::size_t position) const;

    DefaultTexts defaults_;
    std::vector<Tarifs> tariffs_;
};

}  // namespace hovorix::tariffs
