#pragma once

#include <QString>

class QApplication;

namespace hovorix::desktop {

// What both programs set up before their first window: the program's title,
// name, version and desktop entry, one style and font everywhere (the windows are laid out in fixed
// pixels, so a desktop's own style must not move captions out of their
// controls), and Qt's own texts (file dialogs, message-box buttons) in Czech,
// as the rest of the interface, whatever the system's language.
void setUpApplication(QApplication& application, const QString& title, const QString& name);

}  // namespace hovorix::desktop
