// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <functional>

class QAbstractItemView;
class QAccessibleInterface;
class QWidget;

namespace hovorix::desktop {

// A screen reader reads out whatever says it has the focus, so at any time
// one control should say so, together with at most the current item of the
// list or table that has it. Qt's items say so whenever they are current,
// whether their list has the focus or not.

// The view has a current item only while it has the focus; when the focus
// comes back, the item it left becomes current again. The selection stays
// as it is meanwhile.
void keepCurrentItemWithFocus(QAbstractItemView& view);

// For every drop-down list of the application: its items are current only
// while the list is down; and once an editable one has the focus, the screen
// reader is told that its edit box, which says it has the focus, took it.
// Installed once for the whole application by each program's accessibility
// set-up.
void keepDropDownListsTrue();

// Where a control takes the focus for a part of itself (the tab shown of a
// row of page tabs, the edit box of an editable drop-down list), tells the
// screen reader, right after Qt has told it of the control, that the part
// took it, as long as the control still has the focus then.
void reportFocusOnPart(QWidget& holder, const std::function<QAccessibleInterface*()>& part);

}  // namespace hovorix::desktop
