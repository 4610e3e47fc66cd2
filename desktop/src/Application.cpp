#include "desktop/Application.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
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

void setDesktopId(const QString& desktopId) {
    QGuiApplication::setDesktopFileName(desktopId);
    QApplication::setWindowIcon(programIcon(desktopId));
}

}  // namespace hovorix::desktop
