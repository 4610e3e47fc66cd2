// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/ChoiceReport.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextObjectInterface>
#include <QTextTable>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "ChoiceText.h"
#include "calculator/ChoicePlot.h"
#include "calculator/TariffChoicePage.h"
#include "desktop/ErrorHandling.h"
#include "desktop/ProgramFont.h"
#include "desktop/Prompter.h"
#include "desktop/SystemError.h"
#include "fees/ScaledUsage.h"
#include "fees/TariffChoice.h"
#include "fees/UsageProfile.h"
#include "hovorix/Version.h"
#include "tariffs/Errors.h"
#include "tariffs/TariffFile.h"
#include "tariffs/Tarifs.h"

namespace hovorix::calculator {

namespace {

QString perPeriod(fees::Period period) {
    switch (period) {
    case fees::Period::Day: return QStringLiteral("za den");
    case fees::Period::Week: return QStringLiteral("za týden");
    case fees::Period::Month: break;
    }
    return QStringLiteral("za měsíc");
}

// What the entered minutes are counted per; a factor of no period is
// priced as monthly, and so named.
QString perPeriodOfFactor(std::int64_t factor) {
    for (std::size_t index = 0; index < fees::PeriodCount; ++index) {
        const auto period = static_cast<fees::Period>(index);
        if (fees::periodFactor(period) == factor) return perPeriod(period);
    }
    return perPeriod(fees::Period::Month);
}

// The minutes that the scale multiplies.
QString variedMinutes(fees::VariedZones varied) {
    switch (varied) {
    case fees::VariedZones::All: return QStringLiteral("všechny zadané minuty");
    case fees::VariedZones::FixedNetwork: return QStringLiteral("minuty do pevné sítě");
    case fees::VariedZones::Paegas: return QStringLiteral("minuty do sítě Paegas");
    case fees::VariedZones::Eurotel: break;
    }
    return QStringLiteral("minuty do sítě Eurotel");
}

QString madeText(const QDateTime& made) { return made.toString(QStringLiteral("d. M. yyyy H:mm")); }

// A factor as short as it is exact: "30", "4,2857".
QString factorText(std::int64_t factor, const QLocale& locale) {
    return locale.toString(static_cast<double>(factor) / static_cast<double>(fees::PerMonthFactor), 'g',
                           QLocale::FloatingPointShortest);
}

// A number of a copied table with its thousands grouped, as the page shows
// it ("1 480,76"); its decimals as they were. Other text as it is.
QString grouped(const QString& cell, const QLocale& locale) {
    const bool negative = cell.startsWith(u'-');
    const qsizetype point = cell.indexOf(locale.decimalPoint());
    const QString whole = cell.mid(negative ? 1 : 0, point < 0 ? -1 : point - (negative ? 1 : 0));
    const QString decimals = point < 0 ? QString() : cell.mid(point);
    bool number = !whole.isEmpty();
    for (const QChar c : whole) number = number && c.isDigit();
    for (const QChar c : QStringView(decimals).mid(1)) number = number && c.isDigit();
    bool fits = false;
    const qlonglong value = whole.toLongLong(&fits);
    if (!number || !fits) return cell;
    return (negative ? locale.negativeSign() : QString()) + locale.toString(value) + decimals;
}

// The plot as the page draws it, and its legend under it, painted in the
// report where its object stands: lines and letters stay sharp on paper.
class PlotObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int Type = QTextFormat::UserObject + 1;

    PlotObject(const ChoicePlot& plot, const QLocale& locale, QObject* parent) : QObject(parent) {
        // Laid out and painted, never shown on the screen.
        picture_.setAttribute(Qt::WA_DontShowOnScreen);
        picture_.setFont(desktop::programFont());
        auto* layout = new QVBoxLayout(&picture_);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* view = new ChoicePlotView(&picture_);
        auto* legend = new ChoiceLegend(&picture_);
        layout->addWidget(view, 1);
        layout->addWidget(legend);
        view->setPlot(plot, locale);
        legend->setPlot(plot);
        // About the size of the page's own plot, so its letters come out as
        // large against the lines as they are on the screen.
        constexpr int Width = 640;
        constexpr int PlotHeight = 360;
        picture_.resize(Width, PlotHeight + layout->spacing() + legend->heightForWidth(Width));
        picture_.show();
        layout->activate();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        view->chart()->layout()->activate();
        // Recorded as lines and letters, which a scaled painter draws as
        // such; a widget painted through a scaled painter straight away
        // would be a picture of pixels.
        picture_.render(&recording_, QPoint(), QRegion(), QWidget::DrawChildren);
        size_ = picture_.size();
    }

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat&) override {
        const qreal width = document->pageSize().width();
        return {width, width * size_.height() / size_.width()};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / size_.width(), rect.height() / size_.height());
        painter->drawPicture(0, 0, recording_);
        painter->restore();
    }

private:
    QWidget picture_;
    QPicture recording_;
    QSizeF size_;
};

// A heading stands on the page of what follows it.
constexpr int KeptWithNext = QTextFormat::UserProperty + 1;

// Where a block's lines begin and end on the document's endless sheet.
struct LinesSpan {
    qreal top = 0;
    qreal bottom = 0;
};

std::optional<LinesSpan> linesOf(const QTextBlock& block) {
    const QTextLayout* lines = block.layout();
    if (lines == nullptr || lines->lineCount() == 0) return std::nullopt;
    const qreal origin = block.document()->documentLayout()->blockBoundingRect(block).top();
    const QTextLine last = lines->lineAt(lines->lineCount() - 1);
    return LinesSpan{origin + lines->lineAt(0).y(), origin + last.y() + last.height()};
}

// Moves to the next page each paragraph the page's end would cut, and each
// heading the page's end would part from what it heads: a page shows the
// blocks it touches with all their lines, so a paragraph cut in two would
// stand in the PDF twice, and a heading alone at the foot of a page says
// nothing. Tables break between their rows by themselves.
void keepTogether(QTextDocument& document) {
    const qreal height = document.pageSize().height();
    const auto pageOf = [height](qreal y) { return static_cast<int>(std::floor(y / height)); };
    for (bool moved = true; moved;) {
        moved = false;
        for (QTextBlock block = document.begin(); block.isValid() && !moved; block = block.next()) {
            const QTextBlockFormat format = block.blockFormat();
            const std::optional<LinesSpan> span = linesOf(block);
            if (!span || format.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore ||
                QTextCursor(block).currentTable() != nullptr) {
                continue;
            }
            bool cut = pageOf(span->top) != pageOf(span->bottom - 1);
            if (format.property(KeptWithNext).toBool()) {
                const std::optional<LinesSpan> next = linesOf(block.next());
                cut = cut || (next && pageOf(next->top) != pageOf(span->top));
            }
            if (cut) {
                QTextBlockFormat broken = format;
                broken.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(block).setBlockFormat(broken);
                moved = true;
            }
        }
    }
}

// Writes the report's blocks and tables one after another.
class Writer {
public:
    explicit Writer(QTextDocument& document) : cursor_(&document) {
        body_.setFont(document.defaultFont());
        bold_ = body_;
        bold_.setFontWeight(QFont::Bold);
        title_ = bold_;
        title_.setFontPointSize(document.defaultFont().pointSizeF() * 1.6);
        heading_ = bold_;
        heading_.setFontPointSize(document.defaultFont().pointSizeF() * 1.2);
        small_ = body_;
        small_.setFontPointSize(document.defaultFont().pointSizeF() * 0.9);
    }

    void title(const QString& text) { block(text, title_, 0, 6); }
    void heading(const QString& text) {
        block(text, heading_, 14, 4);
        QTextBlockFormat format = cursor_.blockFormat();
        format.setProperty(KeptWithNext, true);
        cursor_.setBlockFormat(format);
    }
    void paragraph(const QString& text) { block(text, body_, 2, 2); }
    void note(const QString& text) { block(text, small_, 2, 2); }

    void bullets(const QStringList& items) {
        QTextListFormat list;
        list.setStyle(QTextListFormat::ListDisc);
        list.setIndent(1);
        QTextList* added = nullptr;
        for (const QString& item : items) {
            block(item, body_, 2, 2);
            if (added == nullptr) {
                added = cursor_.createList(list);
            } else {
                added->add(cursor_.block());
            }
        }
    }

    // Rows of cells; the first the header when there is one. A column of
    // numbers alone stands to the right.
    void table(const QList<QStringList>& rows, bool header, const QLocale& locale) {
        if (rows.isEmpty()) return;
        int columns = 0;
        for (const QStringList& row : rows) columns = std::max(columns, static_cast<int>(row.size()));
        std::vector<bool> numbers(static_cast<std::size_t>(columns), true);
        for (qsizetype row = header ? 1 : 0; row < rows.size(); ++row) {
            for (int column = 0; column < columns; ++column) {
                const QString cell = rows[row].value(column).remove(QChar(0x00D7));
                bool number = cell.isEmpty();
                if (!number) locale.toDouble(cell, &number);
                if (!number) numbers[static_cast<std::size_t>(column)] = false;
            }
        }
        QTextTableFormat format;
        format.setBorder(0.5);
        format.setBorderBrush(QColor(0x80, 0x80, 0x80));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(3);
        format.setCellSpacing(0);
        format.setTopMargin(4);
        format.setBottomMargin(4);
        // A table that goes on over a page break repeats its header there.
        format.setHeaderRowCount(header ? 1 : 0);
        QTextTable* table = cursor_.insertTable(static_cast<int>(rows.size()), columns, format);
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            for (int column = 0; column < columns; ++column) {
                QTextTableCell cell = table->cellAt(row, column);
                const bool heading = header && row == 0;
                if (heading) {
                    QTextTableCellFormat shade = cell.format().toTableCellFormat();
                    shade.setBackground(QColor(0xEE, 0xEE, 0xEE));
                    cell.setFormat(shade);
                }
                QTextCursor at = cell.firstCursorPosition();
                QTextBlockFormat align;
                align.setAlignment(numbers[static_cast<std::size_t>(column)] ? Qt::AlignRight : Qt::AlignLeft);
                at.setBlockFormat(align);
                at.insertText(grouped(rows[row].value(column), locale), heading ? bold_ : body_);
            }
        }
        cursor_.movePosition(QTextCursor::End);
        fresh_ = true;
    }

    void plot() {
        block({}, body_, 6, 6);
        QTextCharFormat object;
        object.setObjectType(PlotObject::Type);
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), object);
    }

private:
    void block(const QString& text, const QTextCharFormat& format, qreal above, qreal below) {
        QTextBlockFormat spacing;
        spacing.setTopMargin(above);
        spacing.setBottomMargin(below);
        // The empty block a new document or a table leaves is taken first.
        if (fresh_) {
            cursor_.setBlockFormat(spacing);
            cursor_.setBlockCharFormat(format);
            fresh_ = false;
        } else {
            cursor_.insertBlock(spacing, format);
        }
        cursor_.insertText(text, format);
    }

    QTextCursor cursor_;
    bool fresh_ = true;
    QTextCharFormat body_, bold_, title_, heading_, small_;
};

// What the figures assume, in plain words.
QStringList assumptions(const TariffChoicePage& page, const QLocale& locale) {
    const fees::ScaleChoice& choice = page.choice();
    QStringList said;
    const QString rest = choice.varied == fees::VariedZones::All
                             ? QStringLiteral("faxové a datové služby zůstávají, jak jsou zadány")
                             : QStringLiteral("ostatní minuty, faxové a datové služby zůstávají, jak jsou zadány");
    said << QStringLiteral(
                "Graf a tabulka „Nejlevnější tarif podle spotřeby“ ukazují měsíční ceny, když se %1 změní na %2 až "
                "%3 zadaného počtu (1× je zadaná spotřeba); %4.")
                .arg(variedMinutes(choice.varied), choicetext::scale(choice.from, locale),
                     choicetext::scale(choice.to, locale), rest);
    said << QStringLiteral(
                "Ceny jsou měsíční: minuty zadané za den se násobí %1, za týden %2. Faxové a datové služby stojí "
                "jen svůj měsíční poplatek.")
                .arg(factorText(fees::periodFactor(fees::Period::Day), locale),
                     factorText(fees::periodFactor(fees::Period::Week), locale));
    if (page.callList()) {
        said << QStringLiteral(
                    "Měsíce výpisu hovorů jsou oceněny, jak by byly účtovány: minuty měsíce jsou účtované sekundy "
                    "jeho hovorů dělené 60, bez zaokrouhlení; měsíc, který výpis pokrývá jen zčásti, se přepočte "
                    "na celý kalendářní měsíc a do celého období se počítá podílem dní. Měsíc, který výpis pokrývá "
                    "méně než %1 dní, se ukazuje, ale mezi porovnávané měsíce se nepočítá.")
                    .arg(fees::ShortMonthDays);
    }
    said << QStringLiteral(
        "Soubor tarifů oceňuje volání do pevné sítě a do sítí Paegas a Eurotel, měsíční poplatky a faxové a datové "
        "služby; roaming, SMS ani objem přenesených dat neoceňuje, a ceny je proto nezahrnují.");
    return said;
}

// Writes the report into the document; the plot it shows, if any, is drawn
// by the object returned, which the document owns.
PlotObject* writeReport(QTextDocument& document, const TariffChoicePage& page, const ReportSource& source,
                        const QDateTime& made) {
    const QLocale& locale = page.regionalSettings().locale();
    Writer out(document);
    out.title(QStringLiteral("Volba tarifu"));
    out.table({{QStringLiteral("Vytvořeno"), madeText(made)},
               {QStringLiteral("Program"), QStringLiteral("Hovorix pro Windows " HOVORIX_CALCULATOR_VERSION)},
               {QStringLiteral("Soubor tarifů"), source.tariffFile},
               {QStringLiteral("Verze dat"), source.dataVersion}},
              false, locale);

    out.heading(QStringLiteral("Zadání"));
    const fees::UsageProfile& usage = page.usage();
    QList<QStringList> minutes = {
        {QStringLiteral("Volání"), QStringLiteral("Minut ") + perPeriodOfFactor(usage.periodFactor)}};
    for (const tariffs::Zone zone : tariffs::AllZones) {
        const auto index = static_cast<std::size_t>(zone);
        minutes << QStringList{source.zoneNames[index], locale.toString(usage.count(zone))};
    }
    out.table(minutes, true, locale);
    out.paragraph(QStringLiteral("Faxové služby: %1. Datové služby: %2.")
                      .arg(usage.fax ? QStringLiteral("ano") : QStringLiteral("ne"),
                           usage.data ? QStringLiteral("ano") : QStringLiteral("ne")));
    QList<QStringList> settings;
    for (const auto& [label, value] : page.settingsShown()) settings << QStringList{label, value};
    out.table(settings, false, locale);
    if (const std::optional<TariffChoicePage::CallListShown> calls = page.callList()) {
        QString said = QStringLiteral("Výpis hovorů: %1").arg(calls->name);
        if (!calls->subscriber.isEmpty()) said += QStringLiteral(", číslo %1").arg(calls->subscriber);
        if (calls->firstDay && calls->lastDay) {
            said += QStringLiteral(", od %1 do %2")
                        .arg(choicetext::dateText(*calls->firstDay), choicetext::dateText(*calls->lastDay));
        }
        if (!calls->months.isEmpty()) said += QStringLiteral("; měsíce ") + calls->months.join(QStringLiteral(", "));
        out.paragraph(said + u'.');
    }

    out.heading(QStringLiteral("Výsledek"));
    for (const QString& sentence : page.sentences()) out.paragraph(sentence);

    PlotObject* drawn = nullptr;
    const ChoicePlot plot = page.plot();
    if (!plot.lines.empty()) {
        out.heading(plot.name);
        drawn = new PlotObject(plot, locale, &document);
        out.plot();
        out.note(plot.description);
    }

    // The note under the months, where the tables do not carry it already.
    QStringList notes;
    for (const TariffChoicePage::Table& table : page.tables()) {
        out.heading(table.title);
        out.table(table.rows, true, locale);
        for (const QString& note : table.notes) out.note(note);
        notes << table.notes;
    }
    if (const QString note = page.monthsNote(); !note.isEmpty() && !notes.contains(note)) out.note(note);

    out.heading(QStringLiteral("Předpoklady"));
    out.bullets(assumptions(page, locale));
    return drawn;
}

// The report's units: the screen's pixel, which the plot's letters are
// measured in. Lines and letters stay sharp at any size all the same, the
// report being drawn, not a picture.
constexpr int ReportResolution = 96;

QFont footerFont(const QTextDocument& document) {
    QFont font = document.defaultFont();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    return font;
}

}  // namespace

ChoiceReport::ChoiceReport(TariffChoicePage& page, desktop::Prompter& prompter, std::function<ReportSource()> source,
                           QObject* parent)
    : QObject(parent), page_(page), prompter_(prompter), source_(std::move(source)), clock_([] {
          return QDateTime::currentDateTime();
      }) {
    connect(&page_, &TariffChoicePage::printAsked, this,
            [this] { desktop::runHandler(prompter_, page_.window(), [this] { print(); }); });
    connect(&page_, &TariffChoicePage::pdfAsked, this,
            [this] { desktop::runHandler(prompter_, page_.window(), [this] { saveAsPdf(); }); });
}

ChoiceReport::~ChoiceReport() = default;

void ChoiceReport::setClock(Clock clock) { clock_ = std::move(clock); }

std::unique_ptr<QTextDocument> ChoiceReport::document(QPagedPaintDevice& device) const {
    auto document = std::make_unique<QTextDocument>();
    QFont font = desktop::programFont();
    font.setPointSizeF(10);
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    // Written before the document has a layout, which then lays it out once.
    PlotObject* plot = writeReport(*document, page_, source_(), clock_());
    // Measured in the device's own units, so letters and lines come out in
    // their sizes on paper.
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    layout->setPaintDevice(&device);
    if (plot != nullptr) layout->registerHandler(PlotObject::Type, plot);
    // The page's margins are the device's; the last lines of each page are
    // left to the footer.
    const qreal footer = 2 * QFontMetricsF(footerFont(*document), &device).height();
    document->setPageSize(QSizeF(device.width(), device.height() - footer));
    keepTogether(*document);
    return document;
}

bool ChoiceReport::render(QPagedPaintDevice& device) const {
    const std::unique_ptr<QTextDocument> document = this->document(device);
    const int pages = document->pageCount();
    int first = 1;
    int last = pages;
    bool backwards = false;
    if (const auto* printer = dynamic_cast<const QPrinter*>(&device)) {
        if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
            first = std::max(1, printer->fromPage());
            last = std::min(pages, printer->toPage() > 0 ? printer->toPage() : pages);
        }
        backwards = printer->pageOrder() == QPrinter::LastPageFirst;
    }
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QSizeF size = document->pageSize();
    const QString made = madeText(clock_());
    const QFont footer = footerFont(*document);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int i = 0; i <= last - first; ++i) {
        const int page = backwards ? last - i : first + i;
        if (i > 0 && !device.newPage()) return false;
        painter.save();
        const QRectF shown(0, (page - 1) * size.height(), size.width(), size.height());
        painter.setClipRect(QRectF(QPointF(0, 0), size));
        painter.translate(0, -shown.top());
        // A line that starts where the page ends belongs to the next page
        // alone: the layout draws what touches its clip, and the PDF would
        // hold the line twice, once cut off.
        context.clip = shown.adjusted(0, 0.5, 0, -0.5);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footer);
        painter.setPen(Qt::black);
        const QRectF bottom(0, size.height(), size.width(), device.height() - size.height());
        painter.drawText(bottom, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Volba tarifu – %1").arg(made));
        painter.drawText(bottom, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("strana %1 z %2").arg(page).arg(pages));
    }
    return painter.end();
}

QByteArray ChoiceReport::pdf() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Volba tarifu"));
    writer.setCreator(QStringLiteral("Hovorix pro Windows " HOVORIX_CALCULATOR_VERSION));
    writer.setResolution(ReportResolution);
    if (!render(writer)) return {};
    return bytes;
}

void ChoiceReport::print() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer_->setResolution(ReportResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
        printer_->setDocName(QStringLiteral("Volba tarifu"));
        printer_->setCreator(QStringLiteral("Hovorix pro Windows " HOVORIX_CALCULATOR_VERSION));
    }
    QPrintDialog dialog(printer_.get(), page_.window());
    dialog.setObjectName(QStringLiteral("TiskDialog"));
    dialog.setMinMax(1, document(*printer_)->pageCount());
    if (prompter_.exec(dialog) != QDialog::Accepted) return;
    if (!render(*printer_) || printer_->printerState() == QPrinter::Error) {
        const QString where = printer_->outputFileName().isEmpty()
                                  ? printer_->printerName()
                                  : QDir::toNativeSeparators(printer_->outputFileName());
        prompter_.error(page_.window(), desktop::applicationTitle(),
                        where.isEmpty() ? QStringLiteral("Zprávu se nepodařilo vytisknout.")
                                        : QStringLiteral("Zprávu se nepodařilo vytisknout (%1).").arg(where));
    }
}

void ChoiceReport::saveAsPdf() {
    // Made when first needed and kept, so it opens where the user last was.
    if (!fileDialog_) {
        fileDialog_ = new QFileDialog(page_.window(), QStringLiteral("Uložit zprávu jako PDF"), QDir::currentPath());
        fileDialog_->setObjectName(QStringLiteral("ZpravaPdfDialog"));
        // Qt's own dialog everywhere, as the program's other file dialogs.
        fileDialog_->setOption(QFileDialog::DontUseNativeDialog);
        fileDialog_->setAcceptMode(QFileDialog::AcceptSave);
        fileDialog_->setNameFilters({QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("Všechny soubory (*)")});
        fileDialog_->setDefaultSuffix(QStringLiteral("pdf"));
        fileDialog_->selectFile(QStringLiteral("volba-tarifu.pdf"));
    }
    if (prompter_.exec(*fileDialog_) != QDialog::Accepted) return;
    const QStringList files = fileDialog_->selectedFiles();
    if (files.isEmpty() || QFileInfo(files.constFirst()).isDir()) return;
    const QString file = files.constFirst();
    const QByteArray bytes = pdf();
    const QString failed =
        QStringLiteral("Zprávu se nepodařilo uložit do souboru %1.").arg(QDir::toNativeSeparators(file));
    if (bytes.isEmpty()) {
        prompter_.error(page_.window(), desktop::applicationTitle(), failed);
        return;
    }
    try {
        tariffs::saveFile(QFile::encodeName(file).toStdString(),
                          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const tariffs::WriteError& error) {
        QString message = desktop::withSystemErrorReason(failed, error.code());
        if (error.oldFile() == tariffs::WriteError::OldFile::Unchanged) {
            message += QStringLiteral("\nSoubor zůstal beze změny.");
        } else if (error.oldFile() == tariffs::WriteError::OldFile::Damaged) {
            message += QStringLiteral("\nSoubor se nepodařilo obnovit; jeho obsah může být poškozený.");
        }
        prompter_.error(page_.window(), desktop::applicationTitle(), message);
    }
}

}  // namespace hovorix::calculator

#include "ChoiceReport.moc"
