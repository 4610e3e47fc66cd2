// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>

#include <exception>

namespace hovorix::desktop {

// The text to show for any error the programs meet: the calculator's and
// the editor's message boxes and tarif-cli's standard error all take it from
// here. Every exception of the project carries UTF-8 (tariffs/MessageText.h
// says how quoted bytes become UTF-8); a byte that is not, from a library,
// shows as U+FFFD rather than as other characters.
QString messageOf(const std::exception& error);

}  // namespace hovorix::desktop
