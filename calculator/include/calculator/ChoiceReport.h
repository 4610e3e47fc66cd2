// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>

#include "tariffs/Tarifs.h"

class QFileDialog;
class QPagedPaintDevice;
class QPrinter;
class QTextDocument;

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::calculator {

class TariffChoicePage;

// What the report names beyond the page: the tariff file the prices come
// from, its data version as the window's caption shows it, and the minute
// fields by their names on the input page.
struct ReportSource {
    QString tariffFile;
    QString dataVersion;
    std::array<QString, tariffs::ZoneCount> zoneNames;  // indexed by Zone
};

// The report of "Volba tarifu", for the printer ("Tisk…", Ctrl+P) or a PDF
// file ("Uložit jako PDF…"): one document with the date, the tariff file,
// what was entered and set on the page, the page's sentences, its plot and
// tables, and in plain words what the figures assume. Its content comes from
// the page's own accessors, so whatever the page says the report says.
class ChoiceReport : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // Follows the page's buttons; the prompter shows the print and file
    // dialogs and says when the report could not be printed or saved.
    ChoiceReport(TariffChoicePage& page, desktop::Prompter& prompter, std::function<ReportSource()> source,
                 QObject* parent = nullptr);
    ~ChoiceReport() override;

    // When the report says it was made; the system's clock unless set.
    void setClock(Clock clock);

    // "Tisk…": the print dialog, then the report on the printer chosen.
    void print();
    // "Uložit jako PDF…": the file dialog, then the report in that file,
    // written whole or not at all.
    void saveAsPdf();

    // The report laid out for the device's pages, and painted onto them:
    // false when the device cannot be painted on. A printer's page range
    // and page order are honoured.
    bool render(QPagedPaintDevice& device) const;
    // The report as a PDF file's bytes, on A4.
    QByteArray pdf() const;

private:
    std::unique_ptr<QTextDocument> document(QPagedPaintDevice& device) const;

    TariffChoicePage& page_;
    desktop::Prompter& prompter_;
    std::function<ReportSource()> source_;
    Clock clock_;
    // Kept, so the next report goes where the last one went.
    std::unique_ptr<QPrinter> printer_;
    QPointer<QFileDialog> fileDialog_;
};

}  // namespace hovorix::calculator
