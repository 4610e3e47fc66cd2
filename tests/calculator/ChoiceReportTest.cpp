// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>

#include "ChoiceTesting.h"
#include "calculator/ChoiceReport.h"

using namespace hovorix;
using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;

namespace {

// The calculator on the page "Volba tarifu", with the three months' list
// loaded and the report's clock at 5 March 2026, 14:30.
struct Reporting : Calculator {
    Reporting() : Calculator(MonthTariffs, ThreeMonths) {
        form->findChild<ChoiceReport*>()->setClock([] { return QDateTime(QDate(2026, 3, 5), QTime(14, 30)); });
        clickTab(*form, 2);
    }
};

// The text of a PDF as pdftotext lays it out, every run of white space
// (no-break spaces and line ends too) made one space.
QString pdfText(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext (poppler-utils, which scripts/deps installs) could not read " << file.toStdString()
                      << ": " << pdftotext.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).replace(QChar(0x00A0), u' ').simplified();
}

// Where the scripted file dialog saves, or the print dialog prints to a file.
std::function<int(QDialog&)> saveAs(const QString& file) {
    return [file](QDialog& dialog) {
        dynamic_cast<QFileDialog&>(dialog).selectFile(file);
        return static_cast<int>(QDialog::Accepted);
    };
}

std::function<int(QDialog&)> printTo(const QString& file) {
    return [file](QDialog& dialog) {
        QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        return static_cast<int>(QDialog::Accepted);
    };
}

}  // namespace

// The report, printed or saved, says what the page says: read back from the
// PDF, it has the date of its clock, the tariff file and its data version,
// what was entered and set, the call list, the page's sentences and the
// rows of its tables, and the assumptions.
TEST(ChoiceReport, PrintedOrSavedItSaysWhatThePageSays) {
    const struct {
        const char* name;
        // Asks for the report; the dialog is answered with a file to write.
        std::function<void(Reporting&, const QString& file)> ask;
    } ways[] = {
        {"Uložit jako PDF…",
         [](Reporting& calculator, const QString& file) {
             calculator.workspace.prompter.onDialog(saveAs(file));
             QTest::mouseClick(child<QPushButton>(*calculator.form, "UlozitPdf"), Qt::LeftButton);
         }},
        {"Tisk…",
         [](Reporting& calculator, const QString& file) {
             calculator.workspace.prompter.onDialog(printTo(file));
             QTest::mouseClick(child<QPushButton>(*calculator.form, "Tisk"), Qt::LeftButton);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        Reporting calculator;
        // Up to 20 times the usage, where P-X costs 2 740 Kč; P-Y the
        // tariff the user has now, and 100 Kč to switch.
        child<QDoubleSpinBox>(*calculator.form, "Do")->setValue(20);
        child<QComboBox>(*calculator.form, "Soucasny")->setCurrentIndex(2);
        child<QDoubleSpinBox>(*calculator.form, "NakladyPrechodu")->setValue(100);
        const QString file = calculator.path("zprava.pdf");
        way.ask(calculator, file);
        const QString report = pdfText(file);
        const TariffChoicePage& page = calculator.form->choicePage();
        const auto shown = [&](const char* name) {
            QWidget* control = child<QWidget>(*calculator.form, name);
            if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
            return static_cast<QAbstractSpinBox*>(control)->text();
        };
        // What the report says in its own words; the list fills in 132
        // minutes a month.
        QStringList expected = {
            utf8("Vytvořeno 5. 3. 2026 14:30"),
            utf8("Soubor tarifů tarif.ini Verze dat 2.3"),
            utf8("Volání Minut za měsíc Pevná síť – Ve špičce 132 Pevná síť – Mimo špičku 0"),
            utf8("Faxové služby: ne. Datové služby: ne."),
            utf8("Váš současný tarif P-Y Jednorázové náklady přechodu (Kč) 100,00 Měnit %1 od %2 do %3")
                .arg(shown("Menit"), shown("Od"), shown("Do")),
            utf8("Jak by si tarify vedly Tarif Nejlevnější v měsících"),
            utf8("Výpis hovorů: tri-mesice.csv, od 1. 4. 2000 do 30. 6. 2000; měsíce duben 2000, květen 2000, "
                 "červen 2000."),
            utf8("když se všechny zadané minuty změní na 0,5× až 20× zadaného počtu"),
            // The amounts of the tables with their thousands grouped.
            utf8("0,76 20,00 P-X 200,00 2 740,00"),
            utf8("minuty zadané za den se násobí 30, za týden 4,2857"),
            utf8("méně než 7 dní"),
            utf8("roaming, SMS ani objem přenesených dat neoceňuje"),
            utf8("Volba tarifu – 5. 3. 2026 14:30 strana 1 z"),
        };
        // And what the page says: each of its sentences and every row of
        // its tables, which it copies with its amounts ungrouped.
        EXPECT_EQ(page.sentences().size(), 2);
        const QStringList sentences = page.sentences();
        QStringList rows;
        for (const QString& line : page.tablesText().split(u'\n')) {
            if (line.contains(u'\t')) rows << line;
        }
        const QRegularExpression thousands(QStringLiteral("(?<=\\d) (?=\\d{3}(\\D|$))"));
        const QString ungrouped = QString(report).remove(thousands);
        const auto tidy = [](QString said) {
            return said.replace(u'\t', u' ').replace(QChar(0x00A0), u' ').simplified();
        };
        for (const QString& said : expected + sentences) {
            EXPECT_TRUE(report.contains(tidy(said))) << tidy(said).toStdString() << "\nnot in:\n"
                                                     << report.toStdString();
        }
        // Both without spaces before three digits: the page's rows hold none.
        for (const QString& row : rows) {
            const QString said = tidy(row).remove(thousands);
            EXPECT_TRUE(ungrouped.contains(said)) << said.toStdString() << "\nnot in:\n" << ungrouped.toStdString();
        }
    }
}

// Ctrl+P asks for the print dialog wherever Tab has brought the focus on
// the page, the page tabs included.
TEST(ChoiceReport, CtrlPPrintsFromEveryStopOfTab) {
    Reporting calculator;
    QTabBar* tabs = pageTabs(*calculator.form);
    tabs->setFocus(Qt::TabFocusReason);
    QStringList asked;
    QStringList stops;
    do {
        stops << (QApplication::focusWidget() == tabs ? QStringLiteral("tabs")
                                                      : QApplication::focusWidget()->objectName());
        calculator.workspace.prompter.onDialog([&asked, &stops](QDialog& dialog) {
            if (qobject_cast<QPrintDialog*>(&dialog) != nullptr) asked << stops.back();
            return static_cast<int>(QDialog::Rejected);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != tabs && stops.size() < 20);
    EXPECT_EQ(asked, stops);
    EXPECT_EQ(stops.size(), 15);
}

// A report that cannot be written says so and names the file.
TEST(ChoiceReport, AReportThatCannotBeWrittenSaysSo) {
    const struct {
        const char* name;
        const char* button;
        std::function<std::function<int(QDialog&)>(const QString&)> answer;
        const char* message;  // %1: the file
    } cases[] = {
        {"saved into a folder that is not there", "UlozitPdf", saveAs,
         "Zprávu se nepodařilo uložit do souboru %1.\nSoubor neexistuje."},
        {"printed to a file in a folder that is not there", "Tisk", printTo, "Zprávu se nepodařilo vytisknout (%1)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reporting calculator;
        const QString file = calculator.path("chybi") + QStringLiteral("/zprava.pdf");
        // The file as the dialog hands it over.
        QString chosen;
        calculator.workspace.prompter.onDialog([&, answer = c.answer(file)](QDialog& dialog) {
            const int result = answer(dialog);
            if (auto* files = qobject_cast<QFileDialog*>(&dialog)) chosen = files->selectedFiles().value(0);
            if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) chosen = print->printer()->outputFileName();
            return result;
        });
        calculator.workspace.prompter.expectError();
        QTest::mouseClick(child<QPushButton>(*calculator.form, c.button), Qt::LeftButton);
        EXPECT_TRUE(chosen.endsWith(QStringLiteral("/chybi/zprava.pdf"))) << chosen.toStdString();
        EXPECT_EQ(calculator.workspace.prompter.errors(), QStringList{utf8(c.message).arg(chosen)});
        EXPECT_FALSE(QFileInfo::exists(chosen));
    }
}
