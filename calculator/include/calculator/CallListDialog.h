// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QDialog>

#include <memory>

#include "calls/CallList.h"
#include "fees/UsageProfile.h"

namespace Ui {
class CallListDialog;
}

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::calculator {

// "Minuty z výpisu hovorů": what a call list gives, zone by zone, and the
// calls it leaves out, under the choices the user makes here (the rounding,
// holidays as weekend days, the number of days D); the figures follow each
// change at once. "Vyplnit" accepts the dialog with the monthly minutes in
// usage(); a count beyond what a minute field holds is refused with a
// message and the dialog stays open.
class CallListDialog : public QDialog {
    Q_OBJECT

public:
    // file: the list's path, shown by its name.
    CallListDialog(calls::CallTally tally, const QString& file, desktop::Prompter& prompter, QWidget* parent = nullptr);
    ~CallListDialog() override;

    calls::SummaryOptions options() const;
    const calls::CallSummary& summary() const { return summary_; }
    // The monthly minutes; set once the dialog was accepted.
    const fees::UsageProfile& usage() const { return usage_; }

    void accept() override;

private:
    void recompute();

    std::unique_ptr<Ui::CallListDialog> ui;
    calls::CallTally tally_;
    desktop::Prompter& prompter_;
    calls::CallSummary summary_;
    fees::UsageProfile usage_;
};

}  // namespace hovorix::calculator
