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
    setApplicationTitle(title);

    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    }
}

}  // namespace hovorix::desktop
