// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/TariffChoicePage.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>

#include "ChoicePlotWindow.h"
#include "ChoiceText.h"
#include "calculator/ScaleSpinBox.h"
#include "desktop/AccessibleFocus.h"
#include "desktop/CostMark.h"
#include "desktop/Cp1250.h"
#include "desktop/ErrorHandling.h"
#include "desktop/Prompter.h"
#include "ui_TariffChoicePage.h"

namespace hovorix::calculator {

namespace {

// The items of "Měnit:" are the choices in their order.
fees::VariedZones variedOfItem(int index) {
    return fees::AllVariedZones[static_cast<std::size_t>(
        std::clamp(index, 0, static_cast<int>(fees::VariedZonesCount) - 1))];
}

// The least gap between "od" and "do": one step of their last decimal.
constexpr double RangeGap = 0.0001;
static_assert(ScaleSpinBox::Decimals == 4, "the gap is one step of the last decimal");

// "květen 2000", in Czech as the rest of the window.
QString monthName(std::chrono::year_month month) {
    return QLocale(QLocale::Czech).standaloneMonthName(static_cast<int>(static_cast<unsigned>(month.month()))) + u' ' +
           QString::number(static_cast<int>(month.year()));
}

QTableWidgetItem* cell(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The fewest decimals, from two on, that keep neighbouring boundaries apart.
int boundaryDecimals(const std::vector<fees::CheapestInterval>& intervals, const QLocale& locale) {
    for (int decimals = 2; decimals < 6; ++decimals) {
        bool apart = true;
        for (const fees::CheapestInterval& interval : intervals) {
            // The point 0 kept by a tariff cheapest there alone has no width.
            if (interval.from == interval.to) continue;
            if (locale.toString(interval.from, 'f', decimals) == locale.toString(interval.to, 'f', decimals)) {
                apart = false;
            }
        }
        if (apart) return decimals;
    }
    return 6;
}

QString plain(double value, const QLocale& locale) { return desktop::formatMark(value, locale, false); }

const QString RegretHeading = QStringLiteral("Jak by si tarify vedly");

}  // namespace

TariffChoicePage::TariffChoicePage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TariffChoicePage>()) {}

TariffChoicePage::~TariffChoicePage() = default;

void TariffChoicePage::build() {
    if (built_) return;
    built_ = true;
    ui->setupUi(this);
    // The sentences are the first stops of Tab, where a screen reader reads
    // them out (selectable text alone takes the focus only from a click).
    ui->Veta->setFocusPolicy(Qt::StrongFocus);
    ui->VetaMesice->setFocusPolicy(Qt::StrongFocus);
    for (QTableWidget* table : {ui->PodleSpotreby, ui->PoMesicich, ui->Riziko}) {
        table->horizontalHeader()->setHighlightSections(false);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->horizontalHeader()->setStretchLastSection(false);
        desktop::keepCurrentItemWithFocus(*table);
    }
    // The tariff's name takes what room is left, on two lines where it needs
    // them, never cut short.
    ui->PodleSpotreby->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    ui->PoMesicich->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    ui->Riziko->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->LabelRiziko->hide();
    ui->Riziko->hide();
    ui->PoznamkaSoucasny->hide();
    ui->LabelPoMesicich->hide();
    ui->PoMesicich->hide();
    ui->PoznamkaMesice->hide();
    ui->VetaMesice->hide();

    // Every control that can hold the focus hands Ctrl+C to the page and
    // comes into view whole when the keyboard brings the focus to it.
    const QList<QWidget*> controls = {
        ui->Veta, ui->VetaMesice, ui->Soucasny, ui->NakladyPrechodu, ui->Menit,      ui->Od,
        ui->Do,   ui->GrafVolby,  ui->Zvetsit,  ui->PodleSpotreby,   ui->PoMesicich, ui->Riziko};
    for (QWidget* control : controls) control->installEventFilter(this);
    // The report's buttons as well.
    for (QWidget* control : {ui->Tisk, ui->UlozitPdf}) control->installEventFilter(this);

    // A file dropped anywhere on the page goes on to the window, which reads
    // call lists, rather than into "od" or "do" as text.
    for (QWidget* widget : findChildren<QWidget*>()) widget->setAcceptDrops(false);

    ui->Od->setLocale(settings_.locale());
    ui->Do->setLocale(settings_.locale());
    ui->NakladyPrechodu->setLocale(settings_.locale());
    ui->NakladyPrechodu->setValue(switchCost_);
    connect(ui->Soucasny, &QComboBox::currentIndexChanged, this, &TariffChoicePage::pickCurrent);
    connect(ui->NakladyPrechodu, &QDoubleSpinBox::valueChanged, this, [this](double cost) {
        switchCost_ = cost;
        recompute();
    });
    connect(ui->NakladyPrechodu, &ScaleSpinBox::refused, this, [this] {
        if (prompter_ != nullptr) {
            prompter_->warning(window(), desktop::applicationTitle(),
                               QStringLiteral("Jednorázové náklady přechodu musí být od 0 do 1 000 000 Kč."));
        }
    });
    ui->Menit->setCurrentIndex(static_cast<int>(tariffs::indexOf(varied_)));
    connect(ui->Menit, &QComboBox::currentIndexChanged, this, [this](int index) {
        varied_ = variedOfItem(index);
        recompute();
    });
    connect(ui->Od, &QDoubleSpinBox::valueChanged, this, [this] {
        linkRange();
        recompute();
    });
    connect(ui->Do, &QDoubleSpinBox::valueChanged, this, [this] {
        linkRange();
        recompute();
    });
    connect(ui->Zvetsit, &QPushButton::clicked, this, &TariffChoicePage::showLargePlot);
    connect(ui->Tisk, &QPushButton::clicked, this, &TariffChoicePage::printAsked);
    connect(ui->UlozitPdf, &QPushButton::clicked, this, &TariffChoicePage::pdfAsked);
    // Ctrl+P wherever the focus is while the page is shown, the page tabs
    // included; a shortcut of the page is off while another page is shown.
    auto* print = new QShortcut(QKeySequence::Print, this);
    print->setContext(Qt::WindowShortcut);
    connect(print, &QShortcut::activated, this, &TariffChoicePage::printAsked);
    for (ScaleSpinBox* bound : {ui->Od, ui->Do}) {
        connect(bound, &ScaleSpinBox::refused, this, [this] {
            if (prompter_ != nullptr) {
                prompter_->warning(window(), desktop::applicationTitle(),
                                   QStringLiteral("Rozsah musí splňovat 0 ≤ od < do ≤ 100."));
            }
        });
    }

    showCurrent();
    showScale();
    showMonths();
    // Made while the page is being shown: shown with it.
    ui->Posuv->show();
    layout()->activate();
}

void TariffChoicePage::showEvent(QShowEvent* event) {
    // The page's controls, tables and plot are made when it is first shown,
    // not while the program starts; what it says is kept up to date anyway.
    build();
    QWidget::showEvent(event);
    scrollToTop();
}

void TariffChoicePage::scrollToTop() {
    if (!built_) return;
    // Not under the hands of the user working on the page.
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && ui->Obsah->isAncestorOf(focus)) return;
    ui->Posuv->verticalScrollBar()->setValue(0);
}

void TariffChoicePage::setRegionalSettings(const desktop::RegionalSettings& settings) {
    settings_ = settings;
    if (built_) {
        ui->Od->setLocale(settings_.locale());
        ui->Do->setLocale(settings_.locale());
        ui->NakladyPrechodu->setLocale(settings_.locale());
    }
    recompute();
    recomputeMonths();
}

void TariffChoicePage::setNoTariffsText(const QString& text) {
    if (text == noTariffs_) return;
    noTariffs_ = text;
    recompute();
}

void TariffChoicePage::setCurrentTariffSetting(const CurrentTariffSetting& setting) {
    setting_ = setting;
    keptRead_ = false;
}

void TariffChoicePage::showChoice(const tariffs::TariffList& list, const fees::UsageProfile& usage) {
    list_ = &list;
    usage_ = usage;
    resolveCurrent();
    recompute();
    recomputeMonths();
    scrollToTop();
}

void TariffChoicePage::setCallList(const QString& file, const std::vector<calls::MonthFigures>& months,
                                   const QString& subscriber) {
    callListName_ = QFileInfo(file).fileName();
    callListSubscriber_ = subscriber;
    callListFirstDay_.reset();
    callListLastDay_.reset();
    if (!months.empty()) {
        callListFirstDay_ = months.front().firstDate;
        callListLastDay_ = months.back().lastDate;
    }
    monthUsages_.clear();
    monthNames_.clear();
    monthsNote_.clear();
    if (months.size() < 2) {
        monthsNote_ = QStringLiteral(
                          "Výpis hovorů %1 nepokrývá dva kalendářní měsíce; po měsících lze porovnat až výpis "
                          "za dva a více měsíců.")
                          .arg(callListName_);
    } else {
        for (const calls::MonthFigures& month : months) {
            monthUsages_.push_back(calls::monthUsage(month));
            monthNames_ << monthName(month.month);
        }
    }
    recomputeMonths();
    scrollToTop();
}

QString TariffChoicePage::labelOf(std::size_t tariff) const {
    return desktop::fromCp1250(tariffs::tariffLabel(list_->seek(tariff)));
}

void TariffChoicePage::linkRange() {
    const QSignalBlocker blockFrom(ui->Od);
    const QSignalBlocker blockTo(ui->Do);
    ui->Od->setMaximum(ui->Do->value() - RangeGap);
    ui->Do->setMinimum(ui->Od->value() + RangeGap);
    from_ = ui->Od->value();
    to_ = ui->Do->value();
}

void TariffChoicePage::resolveCurrent() {
    if (!keptRead_) {
        kept_ = setting_ ? setting_->read() : std::nullopt;
        keptRead_ = true;
    }
    const std::optional<std::size_t> before = current_;
    current_ = kept_ ? findKeptTariff(*list_, *kept_) : std::nullopt;
    // Kept as it was, so the tariff is found again should the file get it back.
    missingNote_ = kept_ && !current_ ? QStringLiteral("Tarif %1 v souboru už není.").arg(kept_->label) : QString();
    if (built_) showCurrent();
    if (current_ != before) emit currentTariffChanged(current_ ? static_cast<int>(*current_) : -1);
}

void TariffChoicePage::showCurrent() {
    if (list_ != nullptr) {
        QStringList labels;
        labels.reserve(static_cast<qsizetype>(list_->count()));
        for (std::size_t i = 0; i < list_->count(); ++i) labels << labelOf(i);
        // Filled again only when the labels change, not at every fee run.
        if (labels != currentItems_) {
            const QSignalBlocker quiet(ui->Soucasny);
            while (ui->Soucasny->count() > 1) ui->Soucasny->removeItem(ui->Soucasny->count() - 1);
            ui->Soucasny->addItems(labels);
            currentItems_ = std::move(labels);
        }
    }
    const QSignalBlocker quiet(ui->Soucasny);
    ui->Soucasny->setCurrentIndex(current_ ? static_cast<int>(*current_) + 1 : 0);
    ui->PoznamkaSoucasny->setText(missingNote_);
    ui->PoznamkaSoucasny->setVisible(!missingNote_.isEmpty());
    // A screen reader hears the note with the list, which Tab reaches.
    ui->Soucasny->setAccessibleDescription(missingNote_);
}

void TariffChoicePage::pickCurrent(int item) {
    if (list_ == nullptr || item < 0) return;
    const std::optional<std::size_t> picked = item > 0 && static_cast<std::size_t>(item) <= list_->count()
                                                  ? std::optional<std::size_t>(static_cast<std::size_t>(item - 1))
                                                  : std::nullopt;
    kept_ = picked ? std::optional<KeptTariff>(keptTariffOf(*list_, *picked)) : std::nullopt;
    keptRead_ = true;
    current_ = picked;
    missingNote_.clear();
    ui->PoznamkaSoucasny->hide();
    ui->Soucasny->setAccessibleDescription(QString());
    // A settings file that cannot be written costs only the keeping: the
    // choice holds for this run, and the page goes on as picked.
    if (setting_ && !setting_->write(kept_) && !setting_->settingsFile().isEmpty()) {
        std::fprintf(stderr, "%s: the current tariff is not kept, %s cannot be written\n",
                     qUtf8Printable(QCoreApplication::applicationName()),
                     qUtf8Printable(QDir::toNativeSeparators(setting_->settingsFile())));
    }
    recompute();
    recomputeMonths();
    emit currentTariffChanged(current_ ? static_cast<int>(*current_) : -1);
}

void TariffChoicePage::recompute() {
    if (list_ == nullptr || !fees::isValidScaleRange(from_, to_)) return;
    choice_ = fees::chooseByScale(*list_, usage_, varied_, from_, to_);
    // A list read again holds the kept tariff where showChoice finds it.
    comparison_.reset();
    if (current_ && *current_ < list_->count()) {
        comparison_ = fees::compareWithCurrent(*list_, usage_, choice_, *current_);
    }
    const QString noTariffs = noTariffs_.isEmpty() ? QStringLiteral("Ceník neobsahuje žádné tarify.") : noTariffs_;
    sentence_ =
        choicetext::choiceSentence(choice_, list_->count(), [this](std::size_t tariff) { return labelOf(tariff); },
                                   settings_.locale(), noTariffs, {comparison_ ? &*comparison_ : nullptr, switchCost_});
    if (built_) showScale();
}

void TariffChoicePage::showScale() {
    if (list_ == nullptr) return;
    const QLocale& locale = settings_.locale();
    ui->Veta->setText(sentence_);
    fillIntervalTable();
    const ChoicePlot plot = makeChoicePlot(*list_, usage_, choice_, locale);
    ui->GrafVolby->setPlot(plot, locale);
    ui->LegendaVolby->setPlot(plot);
    if (largePlot_) largePlot_->setPlot(plot, locale);
}

void TariffChoicePage::recomputeMonths() {
    monthsChoice_.reset();
    monthsSentence_.clear();
    if (list_ != nullptr && !list_->isEmpty() && !monthUsages_.empty()) {
        // The months' minutes are the list's; the services are the window's.
        std::vector<fees::MonthUsage> months = monthUsages_;
        for (fees::MonthUsage& month : months) {
            month.usage.fax = usage_.fax;
            month.usage.data = usage_.data;
        }
        monthsChoice_ = fees::chooseByMonth(*list_, months);
        const choicetext::LabelOf label = [this](std::size_t tariff) { return labelOf(tariff); };
        QStringList said{choicetext::monthsSentence(*monthsChoice_, label, monthNames_, settings_.locale())};
        if (current_ && *current_ < list_->count() && monthsChoice_->period.monthsCounted > 0) {
            const QString period = callListFirstDay_ && callListLastDay_
                                       ? choicetext::periodText(*callListFirstDay_, *callListLastDay_)
                                       : QString();
            said << choicetext::periodSentence(*monthsChoice_, fees::compareWithCurrent(*monthsChoice_, *current_),
                                               *current_, period, label, settings_.locale());
        }
        said << choicetext::safestSentence(*monthsChoice_, label, settings_.locale());
        said.removeAll(QString());
        monthsSentence_ = said.join(u' ');
    }
    if (built_) showMonths();
}

QString TariffChoicePage::monthsHeading() const {
    if (callListName_.isEmpty()) return {};
    if (callListSubscriber_.isEmpty()) return QStringLiteral("Po měsících – %1").arg(callListName_);
    return QStringLiteral("Po měsících – %1, číslo %2").arg(callListName_, callListSubscriber_);
}

void TariffChoicePage::showMonths() {
    const bool loaded = !callListName_.isEmpty();
    const QString heading = monthsHeading();
    ui->LabelPoMesicich->setText(heading);
    ui->LabelPoMesicich->setVisible(loaded);
    ui->PoMesicich->setAccessibleName(heading);
    ui->PoMesicich->setVisible(monthsChoice_.has_value());
    ui->VetaMesice->setVisible(monthsChoice_.has_value());
    if (monthsChoice_) {
        ui->VetaMesice->setText(monthsSentence_);
        fillMonthTable();
    }
    const QString note = monthsNote();
    ui->PoznamkaMesice->setText(note);
    ui->PoznamkaMesice->setVisible(loaded && !note.isEmpty());
    const bool regret = showsRegret();
    // A heading only while it heads the table.
    ui->LabelRiziko->setText(regret ? RegretHeading : QString());
    ui->LabelRiziko->setVisible(regret);
    ui->Riziko->setVisible(regret);
    if (regret) fillRegretTable();
}

bool TariffChoicePage::showsRegret() const { return monthsChoice_ && monthsChoice_->period.monthsCounted >= 2; }

void TariffChoicePage::fillRegretTable() {
    QTableWidget& table = *ui->Riziko;
    const QLocale& locale = settings_.locale();
    const fees::MonthsChoice& months = *monthsChoice_;
    const std::size_t counted = months.period.monthsCounted;
    table.setRowCount(static_cast<int>(months.regret.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const fees::TariffRegret& regret = months.regret[static_cast<std::size_t>(row)];
        table.setItem(row, 0, cell(labelOf(static_cast<std::size_t>(row))));
        table.setItem(
            row, 1,
            cell(QStringLiteral("%1 %2 %3").arg(regret.monthsCheapest).arg(choicetext::ofBefore(counted)).arg(counted),
                 true));
        table.setItem(row, 2, cell(choicetext::amount(regret.worstExcess, locale), true));
        table.setItem(row, 3, cell(choicetext::amount(regret.totalExcess, locale), true));
    }
    fitTable(table);
}

QString TariffChoicePage::monthsFootnote() const {
    for (const fees::MonthChoice& month : monthsChoice_->months) {
        if (month.daysCovered < month.daysInMonth) {
            return QStringLiteral(
                "Ceny jsou měsíční; měsíc, který výpis pokrývá jen zčásti, se do celého období počítá podílem dní.");
        }
    }
    return {};
}

void TariffChoicePage::fillIntervalTable() {
    QTableWidget& table = *ui->PodleSpotreby;
    const QLocale& locale = settings_.locale();
    const int decimals = boundaryDecimals(choice_.intervals, locale);
    table.setRowCount(static_cast<int>(choice_.intervals.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const fees::CheapestInterval& interval = choice_.intervals[static_cast<std::size_t>(row)];
        const QString low = choicetext::amount(interval.costFrom, locale);
        const QString high = choicetext::amount(interval.costTo, locale);
        table.setItem(row, 0, cell(choicetext::scaleFixed(interval.from, locale, decimals), true));
        table.setItem(row, 1, cell(choicetext::scaleFixed(interval.to, locale, decimals), true));
        table.setItem(row, 2, cell(labelOf(interval.tariff)));
        table.setItem(row, 3, cell(low == high ? low : low + QStringLiteral(" – ") + high, true));
    }
    fitTable(table);
}

void TariffChoicePage::fillMonthTable() {
    QTableWidget& table = *ui->PoMesicich;
    const QLocale& locale = settings_.locale();
    const fees::MonthsChoice& months = *monthsChoice_;
    const QString periodLabel = labelOf(months.period.cheapest);
    // The operator over the tariff's name, so the column takes no more room
    // than its amounts need.
    const tariffs::Tarifs& period = list_->seek(months.period.cheapest);
    auto* periodColumn = new QTableWidgetItem(desktop::fromCp1250(period.provider) + QStringLiteral("-\n") +
                                              desktop::fromCp1250(period.name));
    periodColumn->setToolTip(
        QStringLiteral("Kolik by v každém měsíci stál %1, nejlevnější tarif za celé období").arg(periodLabel));
    table.setHorizontalHeaderItem(4, periodColumn);
    table.setRowCount(static_cast<int>(months.months.size()) + 1);
    std::int32_t days = 0;
    for (int row = 0; row < static_cast<int>(months.months.size()); ++row) {
        const fees::MonthChoice& month = months.months[static_cast<std::size_t>(row)];
        const QString covered = month.daysCovered == month.daysInMonth
                                    ? QString::number(month.daysCovered)
                                    : QStringLiteral("%1 z %2").arg(month.daysCovered).arg(month.daysInMonth);
        days += month.daysCovered;
        table.setItem(row, 0, cell(monthNames_.value(row)));
        table.setItem(row, 1, cell(covered, true));
        table.setItem(row, 2, cell(labelOf(month.cheapest)));
        table.setItem(row, 3, cell(choicetext::amount(month.cost, locale), true));
        table.setItem(row, 4, cell(choicetext::amount(month.costs[months.period.cheapest], locale), true));
    }
    const int total = table.rowCount() - 1;
    table.setItem(total, 0, cell(QStringLiteral("Celé období")));
    table.setItem(total, 1, cell(QString::number(days), true));
    table.setItem(total, 2, cell(periodLabel));
    table.setItem(total, 3, cell(choicetext::amount(months.period.cost, locale), true));
    table.setItem(total, 4, cell(choicetext::amount(months.period.cost, locale), true));
    fitTable(table);
}

void TariffChoicePage::fitTable(QTableWidget& table) {
    table.resizeRowsToContents();
    int height = table.horizontalHeader()->sizeHint().height() + 2 * table.frameWidth();
    for (int row = 0; row < table.rowCount(); ++row) height += table.rowHeight(row);
    table.setFixedHeight(height);
}

QString TariffChoicePage::monthsNote() const {
    if (monthsChoice_) return monthsFootnote();
    if (!callListName_.isEmpty() && monthsNote_.isEmpty()) return QStringLiteral("Ceník neobsahuje žádné tarify.");
    return monthsNote_;
}

QString TariffChoicePage::sentence() const { return sentence_; }

QStringList TariffChoicePage::sentences() const {
    QStringList said;
    for (const QString& sentence : {sentence_, monthsSentence_, missingNote_}) {
        if (!sentence.isEmpty()) said << sentence;
    }
    return said;
}

ChoicePlot TariffChoicePage::plot() const {
    if (list_ == nullptr) return {};
    return makeChoicePlot(*list_, usage_, choice_, settings_.locale());
}

QList<std::pair<QString, QString>> TariffChoicePage::settingsShown() const {
    QList<std::pair<QString, QString>> shown;
    if (!built_) return shown;
    // Every label that names a control, in the order the form makes them.
    for (const QLabel* label : ui->Obsah->findChildren<QLabel*>()) {
        const QWidget* control = label->buddy();
        if (control == nullptr || !control->isVisibleTo(this)) continue;
        QString value;
        if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
            value = combo->currentText();
        } else if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(control)) {
            value = spin->text();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
            value = edit->text();
        } else {
            continue;
        }
        QString name = label->text().remove(QRegularExpression(QStringLiteral("&(?!&)")));
        if (name.endsWith(u':')) name.chop(1);
        shown.append({name, value});
    }
    return shown;
}

std::optional<TariffChoicePage::CallListShown> TariffChoicePage::callList() const {
    if (callListName_.isEmpty()) return std::nullopt;
    return CallListShown{callListName_, callListSubscriber_, callListFirstDay_, callListLastDay_, monthNames_};
}

QString TariffChoicePage::monthsSentence() const { return monthsSentence_; }

std::vector<TariffChoicePage::Table> TariffChoicePage::tables() const {
    const QLocale& locale = settings_.locale();
    std::vector<Table> tables;
    Table& scale = tables.emplace_back();
    scale.title = QStringLiteral("Nejlevnější tarif podle spotřeby");
    scale.rows << QStringList{QStringLiteral("Od (×)"), QStringLiteral("Do (×)"), QStringLiteral("Tarif"),
                              QStringLiteral("Kč měsíčně od"), QStringLiteral("Kč měsíčně do")};
    const int decimals = boundaryDecimals(choice_.intervals, locale);
    for (const fees::CheapestInterval& interval : choice_.intervals) {
        scale.rows << QStringList{locale.toString(interval.from, 'f', decimals),
                                  locale.toString(interval.to, 'f', decimals), labelOf(interval.tariff),
                                  plain(interval.costFrom, locale), plain(interval.costTo, locale)};
    }
    if (!monthsChoice_) return tables;

    const fees::MonthsChoice& months = *monthsChoice_;
    const QString periodLabel = labelOf(months.period.cheapest);
    Table& byMonth = tables.emplace_back();
    byMonth.title = monthsHeading();
    byMonth.rows << QStringList{QStringLiteral("Měsíc"),        QStringLiteral("Dní"),
                                QStringLiteral("Dní v měsíci"), QStringLiteral("Nejlevnější v měsíci"),
                                QStringLiteral("Kč"),           periodLabel + QStringLiteral(" Kč")};
    std::int32_t days = 0;
    for (int row = 0; row < static_cast<int>(months.months.size()); ++row) {
        const fees::MonthChoice& month = months.months[static_cast<std::size_t>(row)];
        days += month.daysCovered;
        byMonth.rows << QStringList{monthNames_.value(row),
                                    QString::number(month.daysCovered),
                                    QString::number(month.daysInMonth),
                                    labelOf(month.cheapest),
                                    plain(month.cost, locale),
                                    plain(month.costs[months.period.cheapest], locale)};
    }
    byMonth.rows << QStringList{QStringLiteral("Celé období"),
                                QString::number(days),
                                QString(),
                                periodLabel,
                                plain(months.period.cost, locale),
                                plain(months.period.cost, locale)};
    // The note goes with the months, after the period row, as on the page.
    if (const QString footnote = monthsFootnote(); !footnote.isEmpty()) byMonth.notes << footnote;
    if (!showsRegret()) return tables;

    Table& regrets = tables.emplace_back();
    regrets.title = RegretHeading;
    regrets.rows << QStringList{QStringLiteral("Tarif"), QStringLiteral("Nejlevnější v měsících"),
                                QStringLiteral("Nejvíc navíc v měsíci (Kč)"), QStringLiteral("Navíc za období (Kč)")};
    const std::size_t counted = months.period.monthsCounted;
    for (std::size_t i = 0; i < months.regret.size(); ++i) {
        const fees::TariffRegret& regret = months.regret[i];
        regrets.rows << QStringList{
            labelOf(i),
            QStringLiteral("%1 %2 %3").arg(regret.monthsCheapest).arg(choicetext::ofBefore(counted)).arg(counted),
            plain(regret.worstExcess, locale), plain(regret.totalExcess, locale)};
    }
    return tables;
}

QString TariffChoicePage::tablesText() const {
    QString text;
    for (const Table& table : tables()) {
        if (!text.isEmpty()) text += u'\n';
        text += table.title + u'\n';
        for (const QStringList& row : table.rows) text += row.join(u'\t') + u'\n';
        for (const QString& note : table.notes) text += note + u'\n';
    }
    return text;
}

void TariffChoicePage::copyTables() const { QGuiApplication::clipboard()->setText(tablesText()); }

void TariffChoicePage::showLargePlot() {
    build();
    if (!largePlot_) {
        largePlot_ = new ChoicePlotWindow(window());
        largePlot_->setAttribute(Qt::WA_DeleteOnClose);
        largePlot_->setPlot(ui->GrafVolby->plot(), settings_.locale());
    }
    largePlot_->show();
    largePlot_->raise();
    largePlot_->activateWindow();
}

QWidget* TariffChoicePage::largePlotWindow() const { return largePlot_.data(); }

void TariffChoicePage::showWhole(QWidget& control) {
    const QRect area(control.mapTo(ui->Obsah, QPoint(0, 0)), control.size());
    // Its bottom edge first, then its top: one taller than the view shows
    // its top. (The point just past the bottom row: the view shows the
    // pixels above a point it brings into view.)
    ui->Posuv->ensureVisible(area.x(), area.y() + area.height(), 0, 0);
    ui->Posuv->ensureVisible(area.x(), area.y(), 0, 0);
}

bool TariffChoicePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // The scroll area itself brings only a text cursor or a current
        // cell into view, and nothing when the focus comes from the page
        // tabs, round to the first control or back to the last.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
            showWhole(*static_cast<QWidget*>(watched));
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Resize) {
        // A wrapped tariff name needs as many lines as the new width gives
        // it; measured once the columns have their new widths.
        if (auto* table = qobject_cast<QTableWidget*>(watched)) {
            QMetaObject::invokeMethod(
                this,
                [this, table = QPointer<QTableWidget>(table)] {
                    if (table) fitTable(*table);
                },
                Qt::QueuedConnection);
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        return QWidget::eventFilter(watched, event);
    }
    // Text the user selected is copied as in any text.
    if (const auto* label = qobject_cast<QLabel*>(watched); label != nullptr && label->hasSelectedText()) return false;
    // Tab, Enter or a step select the whole of "od" or "do" by themselves:
    // only text the user selected is copied from them.
    if (const auto* bound = qobject_cast<ScaleSpinBox*>(watched); bound != nullptr && bound->userSelectedText()) {
        return false;
    }
    copyTables();
    return true;
}

}  // namespace hovorix::calculator
