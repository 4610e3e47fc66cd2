#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "TCenikarForm.h"
#include "desktop/ErrorHandling.h"
#include "desktop/ProgramFont.h"
#include "desktop/Prompter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cenikar"));
    QApplication::setFont(hovorix::desktop::programFont());

    // The program speaks Czech, so Qt's own texts (file dialogs, the buttons
    // of message boxes) do too, whatever the language of the system.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    hovorix::desktop::setApplicationTitle(QStringLiteral("Cenikar - editor ceníku projektu Hovorix"));
    hovorix::desktop::QtPrompter prompter;
    hovorix::editor::TCenikarForm form(prompter);
    form.createTariffDialog();
    form.show();
    return QApplication::exec();
}
