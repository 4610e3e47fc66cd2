#include "desktop/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "desktop/ErrorHandling.h"
#include "desktop/ProgramFont.h"

namespace hovorix::desktop {

void setUpApplication(QApplication& application, const QString& title, const QString& name) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(programFont());
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(HOVORIX_VERSION));
    // Ties the windows to the program's desktop entry, whose icon and name a
    // desktop shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral(HOVORIX_DESKTOP_ID_PREFIX) + name.toLower());
    setApplicationTitle(title);

    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    }
}

}  // namespace hovorix::desktop
