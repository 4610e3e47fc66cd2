// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "calls/CallList.h"
#include "fees/UsageProfile.h"

namespace Ui {
class CallListDialog;
}

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::calculator {

class MonthTableModel;

// "Minuty z výpisu hovorů": what a call list gives, zone by zone, and the
// calls it leaves out, under the choices the user makes here (the rounding,
// holidays as weekend days, the number of days D); the figures follow each
// change at once. A list that touches two or more calendar months also
// shows them month by month ("Po měsících"). "Vyplnit" accepts the dialog with the monthly minutes in
// usage(); a count beyond what a minute field holds is refused with a
// message and the dialog stays open. A list with the calls of two or more
// SIMs shows "Číslo:", each number with its outgoing calls, and reads the
// calls of the one chosen. Tab, Shift+Tab and Ctrl+Tab go through
// its controls in reading order, each table one stop with the arrows inside
// it; on a screen too small for it, its content scrolls above the buttons.
class CallListDialog : public QDialog {
    Q_OBJECT

public:
    // file: the list's path, shown by its name; locale: whose decimal
    // separator the months' minutes are written with.
    CallListDialog(calls::CallTally tally, const QString& file, desktop::Prompter& prompter, QWidget* parent = nullptr,
                   const QLocale& locale = QLocale::system());
    ~CallListDialog() override;

    // Reads the list again, of the subscriber's number given; nullopt when
    // it could not (after saying why) or the user cancelled.
    using SubscriberReader = std::function<std::optional<calls::CallTally>(const std::string& subscriber)>;
    void setSubscriberReader(SubscriberReader reader) { readSubscriber_ = std::move(reader); }

    calls::SummaryOptions options() const;
    const calls::CallSummary& summary() const { return summary_; }
    // The monthly minutes; set once the dialog was accepted.
    const fees::UsageProfile& usage() const { return usage_; }
    // The warning the figures come with (a short D); empty when none.
    QString warning() const;

    void accept() override;

    // The size that shows everything without scrolling; the dialog takes as
    // much of it as the screen it opens on holds.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What the list is: its numbers, period, holiday calls, rows skipped.
    void showList();
    void chooseSubscriber(int index);
    void recompute();
    void showWarning(const QString& text);
    // The controls in reading order, as the layout holds them.
    void orderTabStops();
    // The tables to their cells, then the dialog to what the content needs.
    void fitContent();
    // Grows to what the content needs, within the screen.
    void fitToScreen();

    std::unique_ptr<Ui::CallListDialog> ui;
    calls::CallTally tally_;
    desktop::Prompter& prompter_;
    SubscriberReader readSubscriber_;
    calls::CallSummary summary_;
    fees::UsageProfile usage_;
    MonthTableModel* months_ = nullptr;  // the month table's, owned by the dialog
    bool fitted_ = false;
    QPointer<QLabel> warning_;
    // The cell each table had current when Tab left it (row, column).
    std::map<const QObject*, std::pair<int, int>> leftAt_;
};

}  // namespace hovorix::calculator
