// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// The version texts as users see them, written out once for every test. The
// tests compare with these, never with the build's own numbers, so a wrong
// version in the build fails them. The display lane reads them from here too.
namespace versions {

// What --version prints after the program's name.
inline constexpr char Package[] = "1.0.2.13";
// The calculator's caption before its data version.
inline constexpr char CalculatorCaption[] = "Hovorix pro Windows 1.1";
// The editor's caption before its file name; the header line of a saved
// file names the editor so too.
inline constexpr char EditorCaption[] = "Cenikar 1.0";

}  // namespace versions
