// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QIcon>

namespace hovorix::editor {

enum class ArrowDirection { Up, Down };

// The glyph of the buttons that move a tariff: a red arrow, and for a disabled
// button the same arrow embossed in grey, the way glyph buttons grey out.
QIcon arrowGlyph(ArrowDirection direction);

// Side of the square the glyph is drawn in, in device-independent pixels.
inline constexpr int ArrowGlyphSize = 16;

}  // namespace hovorix::editor
