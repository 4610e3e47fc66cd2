#include "desktop/Application.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "desktop/ErrorHandling.h"
#include "desktop/ProgramFont.h"
#include "hovorix/Version.h"

namespace hovorix::desktop {

void setUpApplication(QApplication& application, const QString& title, const QString& name) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(programFont());
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(HOVORIX_VERSION));
    // Ties the windows to the program's desktop entry, whose icon and name a
    // desktop shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral(HOVORIX_DESKTOP_ID_PREFIX) + name.toLower());
    // Windows without an icon of their own (a message box before the main
    // window is up) show the program's icon.
    QApplication::setWindowIcon(programIcon(QGuiApplication::desktopFileName()));
    setApplicationTitle(title);

    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    }
}

QIcon programIcon(const QString& desktopId) {
    QIcon icon;
    const QString file = QStringLiteral("/apps/%1.png").arg(desktopId);
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        const QString path = sizes.next() + file;
        if (QFileInfo::exists(path)) icon.addFile(path);
    }
    return icon;
}

}  // namespace hovorix::desktop
