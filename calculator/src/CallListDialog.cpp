// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/CallListDialog.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "ChoiceText.h"
#include "desktop/ErrorHandling.h"
#include "desktop/Prompter.h"
#include "ui_CallListDialog.h"

namespace hovorix::calculator {

namespace {

using namespace std::chrono;

// The zones as the calculator's window names its fields.
constexpr auto ZoneRows = tariffs::enumTable<tariffs::Zone, const char*>({
    {tariffs::Zone::JTS, "Pevná síť – ve špičce"},
    {tariffs::Zone::JTSMimo, "Pevná síť – mimo špičku"},
    {tariffs::Zone::JTSNoc, "Pevná síť – v noci"},
    {tariffs::Zone::PAEGAS, "Mobil Paegas – ve špičce"},
    {tariffs::Zone::PAEGASMimo, "Mobil Paegas – mimo špičku"},
    {tariffs::Zone::EUROTEL, "Mobil Eurotel – ve špičce"},
    {tariffs::Zone::EUROTELMimo, "Mobil Eurotel – mimo špičku"},
});

// "1 den", "2 dny", "5 dní"
QString daysText(std::int64_t days) {
    const char* word = days == 1 ? "den" : (days >= 2 && days <= 4 ? "dny" : "dní");
    return QStringLiteral("%1 %2").arg(days).arg(QString::fromUtf8(word));
}

// The calendar's months, January first.
constexpr std::array<const char*, 12> MonthNames = {"leden",    "únor",  "březen", "duben", "květen",   "červen",
                                                    "červenec", "srpen", "září",   "říjen", "listopad", "prosinec"};

// "říjen 2003"
QString monthText(year_month month) {
    return QStringLiteral("%1 %2")
        .arg(QString::fromUtf8(MonthNames[static_cast<unsigned>(month.month()) - 1]))
        .arg(static_cast<int>(month.year()));
}

}  // namespace

// "Po měsících": a row for each calendar month the list touches, with the
// days it covers there and the seven zones' minutes of the calendar month as
// they are priced (one decimal; a month covered in part scaled to all its
// days). Its figures are
// read from the months on demand, not copied into an item per cell: a
// mistyped year can make a list span hundreds of months.
class MonthTableModel : public QAbstractTableModel {
public:
    static constexpr int MonthColumn = 0;
    static constexpr int DaysColumn = 1;
    static constexpr int FirstZoneColumn = 2;

    MonthTableModel(const std::array<QString, tariffs::ZoneCount>& zoneNames, const QLocale& locale, QObject* parent)
        : QAbstractTableModel(parent), zoneNames_(zoneNames), locale_(locale) {
        locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    }

    void setMonths(std::vector<calls::MonthFigures> months) {
        // The months stay the same whatever the choices, only their figures
        // change: the current cell and the scrolling stay where they were.
        if (!months_.empty() && months.size() == months_.size()) {
            months_ = std::move(months);
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
            return;
        }
        beginResetModel();
        months_ = std::move(months);
        endResetModel();
    }

    bool anyShort() const {
        return std::any_of(months_.begin(), months_.end(), [](const auto& month) { return month.shortPeriod(); });
    }

    // The rows whose cells in the column can be the widest, so that the
    // column is fitted without measuring every row: each month's name in
    // the first and the last year, the whole months' days and the short
    // ones, each zone's largest count (digits are equally wide).
    std::vector<int> widestRows(int column) const {
        const int rows = rowCount();
        std::vector<int> result;
        if (rows == 0) return result;
        if (column == MonthColumn) {
            for (int row = 0; row < std::min(rows, 12); ++row) result.push_back(row);
            for (int row = std::max(12, rows - 12); row < rows; ++row) result.push_back(row);
        } else if (column == DaysColumn) {
            result = {0, std::min(1, rows - 1), rows - 1};
        } else {
            const std::size_t zone = static_cast<std::size_t>(column - FirstZoneColumn);
            const auto largest = std::max_element(months_.begin(), months_.end(), [zone](const auto& a, const auto& b) {
                return a.calendarMinutes[zone] < b.calendarMinutes[zone];
            });
            result.push_back(static_cast<int>(largest - months_.begin()));
        }
        return result;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(months_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : FirstZoneColumn + static_cast<int>(tariffs::ZoneCount);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        const calls::MonthFigures& month = months_[static_cast<std::size_t>(index.row())];
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            if (column == MonthColumn) return monthText(month.month);
            if (column == DaysColumn) {
                return month.shortPeriod() ? QStringLiteral("%1 *").arg(month.days) : QString::number(month.days);
            }
            return locale_.toString(month.calendarMinutes[static_cast<std::size_t>(column - FirstZoneColumn)], 'f', 1);
        case Qt::AccessibleTextRole:
            // A screen reader says what the star stands for.
            if (column == DaysColumn && month.shortPeriod()) {
                return QStringLiteral("%1, méně než týden").arg(month.days);
            }
            return {};
        case Qt::ToolTipRole:
            if (column == MonthColumn) {
                const QString dates = QStringLiteral("%1 – %2").arg(choicetext::dateText(month.firstDate),
                                                                    choicetext::dateText(month.lastDate));
                return month.shortPeriod() ? dates + QLatin1Char('\n') + shortMonthText() : dates;
            }
            if (column == DaysColumn && month.shortPeriod()) return shortMonthText();
            return {};
        case Qt::ForegroundRole:
            // The star in the colour of the dialog's warning.
            if (column == DaysColumn && month.shortPeriod()) return QColor(0xa0, 0x00, 0x00);
            return {};
        case Qt::TextAlignmentRole:
            return static_cast<int>(column == MonthColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
        default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
        if (section == MonthColumn) return role == Qt::DisplayRole ? QStringLiteral("Měsíc") : QVariant();
        if (section == DaysColumn) {
            if (role == Qt::DisplayRole) return QStringLiteral("Dní");
            if (role == Qt::ToolTipRole) return QStringLiteral("Dny, které výpis v měsíci pokrývá");
            return {};
        }
        const QString& zone = zoneNames_[static_cast<std::size_t>(section - FirstZoneColumn)];
        switch (role) {
        // Two lines after the dash, so that seven zones fit side by side.
        case Qt::DisplayRole: return QString(zone).replace(QStringLiteral(" – "), QStringLiteral(" –\n"));
        case Qt::AccessibleTextRole: return zone;
        case Qt::ToolTipRole: return QStringLiteral("Minuty za měsíc: %1").arg(zone);
        default: return {};
        }
    }

private:
    static QString shortMonthText() {
        return QStringLiteral(
            "Výpis pokrývá z tohoto měsíce méně než týden; jeho minuty za měsíc proto nemusí odpovídat běžnému "
            "měsíci.");
    }

    std::array<QString, tariffs::ZoneCount> zoneNames_;
    QLocale locale_;
    std::vector<calls::MonthFigures> months_;
};

namespace {

// More months than this scroll inside the month table, so that a list of
// many months leaves the dialog its size.
constexpr int MonthRowsInView = 6;

// Each column of the month table as wide as its widest cell, each row one
// line high, and at most MonthRowsInView rows in view.
void fitMonthTable(QTableView& table, const MonthTableModel& model) {
    const int grid = table.showGrid() ? 1 : 0;
    QHeaderView& header = *table.horizontalHeader();
    int width = 2 * table.frameWidth();
    int rowHeight = 0;
    for (int c = 0; c < model.columnCount(); ++c) {
        int columnWidth = header.sectionSizeHint(c);
        for (const int row : model.widestRows(c)) {
            columnWidth = std::max(columnWidth, table.sizeHintForIndex(model.index(row, c)).width() + grid);
        }
        table.setColumnWidth(c, columnWidth);
        width += columnWidth;
        if (model.rowCount() > 0) rowHeight = std::max(rowHeight, table.sizeHintForIndex(model.index(0, c)).height());
    }
    // No lower than the header lets a row be, as in the other tables.
    QHeaderView& rows = *table.verticalHeader();
    rowHeight = std::max(rowHeight + grid, rows.minimumSectionSize());
    rows.setSectionResizeMode(QHeaderView::Fixed);
    rows.setDefaultSectionSize(rowHeight);
    const int inView = std::min(model.rowCount(), MonthRowsInView);
    if (model.rowCount() > inView) width += table.verticalScrollBar()->sizeHint().width();
    table.setFixedSize(width, 2 * table.frameWidth() + header.sizeHint().height() + inView * rowHeight);
}

void setRow(QTableWidget& table, int row, const QString& name, const calls::Figures& figures) {
    const QString cells[] = {name, QString::number(figures.calls),
                             QString::fromStdString(calls::durationText(figures.seconds)),
                             QString::number(figures.monthlyMinutes)};
    for (int column = 0; column < 4; ++column) {
        QTableWidgetItem* item = table.item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table.setItem(row, column, item);
        }
        item->setText(cells[column]);
    }
}

// Every table wholly in view, without scrolling of its own: each row as high
// as its text, each column as wide as its widest cell. Columns of the tables
// given in line are as wide as the widest of them.
void fitTables(const QList<QTableWidget*>& tables, const QList<QTableWidget*>& inLine) {
    for (QTableWidget* table : tables) {
        table->resizeColumnsToContents();
        table->resizeRowsToContents();
    }
    const int columns = inLine.isEmpty() ? 0 : inLine.front()->columnCount();
    for (int c = 0; c < columns; ++c) {
        int widest = 0;
        for (const QTableWidget* table : inLine) widest = std::max(widest, table->columnWidth(c));
        for (QTableWidget* table : inLine) table->setColumnWidth(c, widest);
    }
    for (QTableWidget* table : tables) {
        int width = 2 * table->frameWidth();
        for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
        int height = 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height();
        for (int r = 0; r < table->rowCount(); ++r) height += table->rowHeight(r);
        table->setFixedSize(width, height);
    }
}

// The controls that Tab stops at, in the order a reader meets them: the
// layouts' order, into group boxes and the scrolling content.
void collectTabStops(const QLayout& layout, QList<QWidget*>& stops);

void collectTabStops(QWidget& widget, QList<QWidget*>& stops) {
    if (widget.focusPolicy() & Qt::TabFocus) {
        stops << &widget;
    } else if (auto* scroll = qobject_cast<QScrollArea*>(&widget)) {
        if (scroll->widget() != nullptr) collectTabStops(*scroll->widget(), stops);
    } else if (widget.layout() != nullptr) {
        collectTabStops(*widget.layout(), stops);
    }
}

void collectTabStops(const QLayout& layout, QList<QWidget*>& stops) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (QWidget* widget = item->widget()) {
            collectTabStops(*widget, stops);
        } else if (const QLayout* inner = item->layout()) {
            collectTabStops(*inner, stops);
        }
    }
}

}  // namespace

CallListDialog::CallListDialog(calls::CallTally tally, const QString& file, desktop::Prompter& prompter,
                               QWidget* parent, const QLocale& locale)
    : QDialog(parent), ui(std::make_unique<Ui::CallListDialog>()), tally_(std::move(tally)), prompter_(prompter) {
    ui->setupUi(this);
    const QFileInfo info(file);
    ui->Soubor->setText(info.fileName());
    ui->Soubor->setToolTip(QDir::toNativeSeparators(info.absoluteFilePath()));
    ui->Zapocteno->setRowCount(static_cast<int>(tariffs::ZoneCount));
    ui->Nezapocteno->setRowCount(static_cast<int>(calls::NotCountedCount));

    // The numbers are the same whichever of them is read.
    for (const calls::Subscriber& subscriber : tally_.subscribers) {
        ui->Cislo->addItem(QStringLiteral("%1 (%2)").arg(QString::fromStdString(subscriber.number),
                                                         QString::fromStdString(calls::callsText(subscriber.calls))),
                           QString::fromStdString(subscriber.number));
    }
    const bool severalNumbers = tally_.subscribers.size() >= 2;
    ui->CisloLabel->setVisible(severalNumbers);
    ui->Cislo->setVisible(severalNumbers);
    connect(ui->Cislo, &QComboBox::currentIndexChanged, this, &CallListDialog::chooseSubscriber);
    showList();
    // What the list is, to read and copy with the keyboard too: a stop each.
    for (QLabel* value : {ui->Soubor, ui->Obdobi, ui->SvatkyHovory, ui->Preskocene})
        value->setFocusPolicy(Qt::StrongFocus);

    connect(ui->Zaokrouhleni, &QComboBox::currentIndexChanged, this, &CallListDialog::recompute);
    connect(ui->Svatky, &QCheckBox::toggled, this, &CallListDialog::recompute);
    connect(ui->DnyVlastni, &QRadioButton::toggled, this, [this](bool own) {
        ui->Dny->setEnabled(own);
        recompute();
    });
    connect(ui->Dny, &QSpinBox::valueChanged, this, &CallListDialog::recompute);
    connect(ui->Vyplnit, &QPushButton::clicked, this, &CallListDialog::accept);
    connect(ui->Storno, &QPushButton::clicked, this, &CallListDialog::reject);

    std::array<QString, tariffs::ZoneCount> zoneNames;
    for (std::size_t i = 0; i < tariffs::ZoneCount; ++i) zoneNames[i] = QString::fromUtf8(ZoneRows[i]);
    months_ = new MonthTableModel(zoneNames, locale, this);
    ui->Mesice->setModel(months_);

    for (QTableView* table : findChildren<QTableView*>()) {
        table->verticalHeader()->hide();
        table->installEventFilter(this);
    }
    for (QRadioButton* choice : findChildren<QRadioButton*>()) choice->installEventFilter(this);
    // Ctrl+Tab moves on as Tab does, as in every dialog; one key sequence
    // each, since a key that two registrations match does nothing.
    const std::pair<QKeySequence, bool> moves[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), true},
                                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), false}};
    for (const auto& [key, forward] : moves) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, forward = forward] {
            focusNextPrevChild(forward);
            // As Tab does, the control reached scrolls into view.
            if (QWidget* reached = focusWidget(); reached != nullptr && ui->ObsahPlocha->isAncestorOf(reached)) {
                ui->Obsah->ensureWidgetVisible(reached);
            }
        });
    }
    orderTabStops();

    recompute();
    ui->Vyplnit->setFocus();
}

void CallListDialog::showList() {
    {
        const QSignalBlocker quiet(ui->Cislo);
        ui->Cislo->setCurrentIndex(ui->Cislo->findData(QString::fromStdString(tally_.subscriber)));
    }
    // The span does not depend on the choices.
    const calls::CallSummary span = calls::summarise(tally_, {});
    ui->Obdobi->setText(
        QStringLiteral("%1 – %2 (%3)")
            .arg(choicetext::dateText(span.firstDate), choicetext::dateText(span.lastDate), daysText(span.spanDays)));
    ui->DnyVypisu->setText(QStringLiteral("&podle výpisu: %1").arg(span.spanDays));
    // A D of the user's own stays.
    if (!ui->DnyVlastni->isChecked()) {
        const QSignalBlocker quiet(ui->Dny);
        ui->Dny->setValue(span.spanDays);
    }
    ui->SvatkyHovory->setText(QString::number(span.holidayCalls));
    // Totals, page headings and the like, shown only when there were any.
    const calls::SkippedRows& skipped = tally_.skippedRows;
    ui->Preskocene->setText(QStringLiteral("%1 (první: řádek %2 „%3“)")
                                .arg(skipped.count)
                                .arg(skipped.firstLine)
                                .arg(QString::fromStdString(skipped.firstText)));
    ui->PreskoceneLabel->setVisible(skipped.count > 0);
    ui->Preskocene->setVisible(skipped.count > 0);
}

void CallListDialog::chooseSubscriber(int index) {
    if (index < 0 || !readSubscriber_) return;
    std::optional<calls::CallTally> tally = readSubscriber_(ui->Cislo->itemData(index).toString().toStdString());
    // Not read: the number whose calls are shown stays chosen.
    if (tally) tally_ = std::move(*tally);
    showList();
    recompute();
}

QString CallListDialog::warning() const { return warning_ ? warning_->text() : QString(); }

void CallListDialog::showWarning(const QString& text) {
    // There only while there is something to say: a blank label would still
    // be a stop for a screen reader.
    if (text.isEmpty()) {
        delete warning_.data();
        return;
    }
    if (!warning_) {
        warning_ = new QLabel(ui->VolbyGroup->parentWidget());
        warning_->setObjectName(QStringLiteral("Varovani"));
        warning_->setWordWrap(true);
        warning_->setStyleSheet(QStringLiteral("color: #a00000;"));
        // Under the choices it is about.
        ui->Volby->insertWidget(ui->Volby->indexOf(ui->VolbyGroup) + 1, warning_);
    }
    warning_->setText(text);
}

void CallListDialog::orderTabStops() {
    QList<QWidget*> stops;
    collectTabStops(*layout(), stops);
    for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);
}

QSize CallListDialog::sizeHint() const {
    const QMargins margins = layout()->contentsMargins();
    const QSize content = ui->ObsahPlocha->sizeHint();
    const QSize buttons = ui->Tlacitka->sizeHint();
    return {std::max(content.width(), buttons.width()) + margins.left() + margins.right(),
            content.height() + layout()->spacing() + buttons.height() + margins.top() + margins.bottom()};
}

void CallListDialog::fitToScreen() {
    const QWidget* over = parentWidget() != nullptr ? parentWidget() : this;
    const QScreen* screen = over->screen();
    if (screen == nullptr) return;
    // Room for the window's frame and title, which the desktop adds around it.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QSize room = screen->availableGeometry().size() - QSize(frame, frame + title);
    QSize wanted = sizeHint();
    // A scroll bar the content needs takes room of its own.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ui->Obsah);
    if (wanted.height() > room.height()) wanted.rwidth() += bar;
    if (wanted.width() > room.width()) wanted.rheight() += bar;
    // Once shown at its size, it only grows: the user may have made it larger.
    resize(fitted_ ? wanted.expandedTo(size()).boundedTo(room) : wanted.boundedTo(room));
    fitted_ = true;
}

CallListDialog::~CallListDialog() = default;

calls::SummaryOptions CallListDialog::options() const {
    calls::SummaryOptions options;
    options.rounding = static_cast<calls::Rounding>(ui->Zaokrouhleni->currentIndex());
    options.holidaysAsWeekend = ui->Svatky->isChecked();
    if (ui->DnyVlastni->isChecked()) options.days = ui->Dny->value();
    return options;
}

void CallListDialog::recompute() {
    summary_ = calls::summarise(tally_, options());
    for (const tariffs::Zone zone : tariffs::AllZones) {
        const int row = static_cast<int>(zone);
        setRow(*ui->Zapocteno, row, QString::fromUtf8(ZoneRows[static_cast<std::size_t>(zone)]), summary_.zone(zone));
    }
    for (std::size_t i = 0; i < calls::NotCountedCount; ++i) {
        const auto reason = static_cast<calls::NotCounted>(i);
        const std::string_view text = calls::notCountedText(reason);
        setRow(*ui->Nezapocteno, static_cast<int>(i),
               QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), summary_.notCountedFor(reason));
    }
    showWarning(QString::fromStdString(calls::shortPeriodWarning(summary_)));
    // The months only when there are two to compare; "Vyplnit" takes the
    // whole list all the same.
    months_->setMonths(summary_.months);
    ui->MesiceGroup->setVisible(summary_.months.size() >= 2);
    ui->MesiceKratke->setVisible(months_->anyShort());
    // A small D can make the numbers wider than before.
    fitContent();
}

void CallListDialog::fitContent() {
    fitTables({ui->Zapocteno, ui->Nezapocteno}, {ui->Zapocteno, ui->Nezapocteno});
    fitMonthTable(*ui->Mesice, *months_);
    // The tables took new fixed sizes, which the layouts around them have
    // not heard of yet: each measures again.
    for (QWidget* widget : ui->ObsahPlocha->findChildren<QWidget*>()) widget->updateGeometry();
    for (QLayout* inner : ui->ObsahPlocha->findChildren<QLayout*>()) inner->invalidate();
    fitToScreen();
}

void CallListDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitContent();
}

bool CallListDialog::eventFilter(QObject* watched, QEvent* event) {
    // Tab and Shift+Tab come into a pair of radio buttons at the one chosen,
    // from whichever side.
    if (auto* choice = qobject_cast<QRadioButton*>(watched); choice != nullptr && event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (!choice->isChecked() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
            for (QRadioButton* other :
                 choice->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
                if (other->isChecked() && other->autoExclusive() && other->isEnabled()) {
                    other->setFocus(reason);
                    return true;
                }
            }
        }
    }
    // A table's current cell says it has the focus for as long as it is
    // current; once Tab has left the table it is current no more, and it is
    // again when the table gets the focus back.
    auto* table = qobject_cast<QTableView*>(watched);
    if (table != nullptr && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const QModelIndex current = table->currentIndex();
            if (current.isValid()) leftAt_[table] = {current.row(), current.column()};
            table->selectionModel()->clearCurrentIndex();
        }
    } else if (table != nullptr && event->type() == QEvent::FocusIn) {
        const auto left = leftAt_.find(table);
        if (left != leftAt_.end() && !table->currentIndex().isValid()) {
            table->setCurrentIndex(table->model()->index(left->second.first, left->second.second));
        }
        // Reached by the keyboard in scrolling content, a table comes into
        // view whole (its top first when it is taller than the view), not
        // only its current cell: the arrows then move within sight.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
            const QRect area(table->mapTo(ui->ObsahPlocha, QPoint(0, 0)), table->size());
            // Just past its last row: the view shows the pixels above the point.
            ui->Obsah->ensureVisible(area.x() + area.width(), area.y() + area.height(), 0, 0);
            ui->Obsah->ensureVisible(area.left(), area.top(), 0, 0);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CallListDialog::accept() {
    try {
        usage_ = calls::usageFrom(summary_);
    } catch (const calls::MinutesOutOfRange& tooMany) {
        prompter_.error(this, desktop::applicationTitle(), desktop::messageOf(tooMany));
        return;
    }
    QDialog::accept();
}

}  // namespace hovorix::calculator
