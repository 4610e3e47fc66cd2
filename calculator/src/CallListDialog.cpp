// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/CallListDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>
#include <array>
#include <utility>

#include "desktop/ErrorHandling.h"
#include "desktop/Prompter.h"
#include "ui_CallListDialog.h"

namespace hovorix::calculator {

namespace {

using namespace std::chrono;

// The zones as the calculator's window names its fields, in zone order.
constexpr auto ZoneRows = tariffs::perZone<const char*>(
    {"Pevná síť – ve špičce", "Pevná síť – mimo špičku", "Pevná síť – v noci", "Mobil Paegas – ve špičce",
     "Mobil Paegas – mimo špičku", "Mobil Eurotel – ve špičce", "Mobil Eurotel – mimo špičku"});

// "1 den", "2 dny", "5 dní"
QString daysText(std::int64_t days) {
    const char* word = days == 1 ? "den" : (days >= 2 && days <= 4 ? "dny" : "dní");
    return QStringLiteral("%1 %2").arg(days).arg(QString::fromUtf8(word));
}

QString dateText(year_month_day date) {
    return QStringLiteral("%1. %2. %3")
        .arg(static_cast<unsigned>(date.day()))
        .arg(static_cast<unsigned>(date.month()))
        .arg(static_cast<int>(date.year()));
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

// Both tables wholly in view, without scrolling, their columns in line:
// each column as wide as its widest cell in either table, each row as high
// as its text.
void fitTables(QTableWidget& counted, QTableWidget& notCounted) {
    for (QTableWidget* table : {&counted, &notCounted}) {
        table->resizeColumnsToContents();
        table->resizeRowsToContents();
    }
    int width = 2 * counted.frameWidth();
    for (int c = 0; c < counted.columnCount(); ++c) {
        const int column = std::max(counted.columnWidth(c), notCounted.columnWidth(c));
        counted.setColumnWidth(c, column);
        notCounted.setColumnWidth(c, column);
        width += column;
    }
    for (QTableWidget* table : {&counted, &notCounted}) {
        int height = 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height();
        for (int r = 0; r < table->rowCount(); ++r) height += table->rowHeight(r);
        table->setFixedSize(width, height);
    }
}

}  // namespace

CallListDialog::CallListDialog(calls::CallTally tally, const QString& file, desktop::Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::CallListDialog>()), tally_(std::move(tally)), prompter_(prompter) {
    ui->setupUi(this);
    const QFileInfo info(file);
    ui->Soubor->setText(info.fileName());
    ui->Soubor->setToolTip(QDir::toNativeSeparators(info.absoluteFilePath()));
    ui->Zapocteno->setRowCount(static_cast<int>(tariffs::ZoneCount));
    ui->Nezapocteno->setRowCount(static_cast<int>(calls::NotCountedCount));

    // The span does not depend on the choices.
    const calls::CallSummary span = calls::summarise(tally_, {});
    ui->Obdobi->setText(
        QStringLiteral("%1 – %2 (%3)").arg(dateText(span.firstDate), dateText(span.lastDate), daysText(span.spanDays)));
    ui->DnyVypisu->setText(QStringLiteral("&podle výpisu: %1").arg(span.spanDays));
    ui->Dny->setValue(span.spanDays);
    ui->SvatkyHovory->setText(QString::number(span.holidayCalls));
    // Room for the warning whether it shows or not, so the dialog keeps its size.
    ui->Varovani->setMinimumHeight(4 * fontMetrics().lineSpacing() + 4);
    ui->Varovani->setStyleSheet(QStringLiteral("color: #a00000;"));

    connect(ui->Zaokrouhleni, &QComboBox::currentIndexChanged, this, &CallListDialog::recompute);
    connect(ui->Svatky, &QCheckBox::toggled, this, &CallListDialog::recompute);
    connect(ui->DnyVlastni, &QRadioButton::toggled, this, [this](bool own) {
        ui->Dny->setEnabled(own);
        recompute();
    });
    connect(ui->Dny, &QSpinBox::valueChanged, this, &CallListDialog::recompute);
    connect(ui->Vyplnit, &QPushButton::clicked, this, &CallListDialog::accept);
    connect(ui->Storno, &QPushButton::clicked, this, &CallListDialog::reject);

    ui->Zapocteno->verticalHeader()->hide();
    ui->Nezapocteno->verticalHeader()->hide();
    recompute();
    ui->Vyplnit->setFocus();
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
    ui->Varovani->setText(QString::fromStdString(calls::shortPeriodWarning(summary_)));
    // A small D can make the numbers wider than before.
    fitTables(*ui->Zapocteno, *ui->Nezapocteno);
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
