// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

namespace hovorix::editor {

// How a screen reader meets the editor's windows where Qt's own view of them
// misleads: the main window is a frame, as every program's main window, and
// a combo box with a name (the tariff dialog's operator box) goes by that
// name, the text of its label, rather than by the text typed into it.
// Installed once; further calls do nothing.
void installEditorAccessibility();

}  // namespace hovorix::editor
