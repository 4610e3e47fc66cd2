// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;

namespace hovorix::desktop {

// Pasted text as a number field takes it: the blanks, tabs and line ends a
// spreadsheet cell or a web page brings around it dropped, and blanks between
// two digits removed ("1 200" gives "1200"). Every other character stays, for
// the field's own filter to judge as if it were typed.
QString tidyPastedNumber(QStringView text);

// The paste of an edit box's context menu, as Qt makes the menu.
QAction* pasteAction(const QMenu& menu);

// Every paste into the edit box goes through `paste`, which is given the
// pasted text and returns whether it inserted anything: the paste keys, the
// paste of the box's own context menu (where it shows one), text dropped on
// it from elsewhere, and the X selection's middle-button paste. A dropped
// link or file is no text to paste; text moved within the box stays the
// box's own.
void routePastes(QLineEdit& field, std::function<bool(const QString&)> paste);

}  // namespace hovorix::desktop
