// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QIcon>
#include <QString>

class QApplication;

namespace hovorix::desktop {

// What both programs set up before their first window: the program's title,
// name, version, desktop entry and icon, one style and font everywhere (the
// windows are laid out in fixed pixels, so a desktop's own style must not
// move captions out of their controls), and Qt's own texts (file dialogs,
// message-box buttons) in Czech, as the rest of the interface, whatever the
// system's language.
void setUpApplication(QApplication& application, const QString& title, const QString& name);

// The program's icon in every size that the build compiled into the program,
// found as the resources ":/icons/<N>x<N>/apps/<desktopId>.png" (the layout of
// the hicolor icon theme); each size is read when it is first shown.
// desktopId is the name that the program's desktop entry and its icon in the
// theme go by. Empty when the program has none.
QIcon programIcon(const QString& desktopId);

}  // namespace hovorix::desktop
