// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

namespace hovorix::desktop {

// A turn of the mouse wheel changes no data unless the control under the
// pointer had the keyboard focus before the turn: combo boxes and spin
// boxes neither take the focus from the wheel nor change their value while
// they lack it, so scrolling past them changes nothing. Lists and other
// scroll areas still scroll. Installed once for the whole application; the
// programs' main windows ask for it before they create their controls.
void guardInputsFromStrayWheel();

}  // namespace hovorix::desktop
