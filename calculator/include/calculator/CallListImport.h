// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "calls/CallList.h"
#include "fees/UsageProfile.h"

class QFileDialog;
class QWidget;

namespace hovorix::desktop {
class Prompter;
}

namespace hovorix::calculator {

// The calculator's way to its minutes from the user's own call list: the
// command "Načíst minuty z výpisu hovorů..." (Ctrl+O anywhere in the window,
// and in the input page's context menu), a call list dropped on the window,
// and the list given at start-up. Whatever goes wrong is said in a message
// box naming the file (and the line); then nothing is filled and the
// program goes on.
class CallListImport : public QObject {
    Q_OBJECT

public:
    // What filling does: the seven monthly counts into the minute fields;
    // with them come the list's summary (its months) and its file.
    using Fill = std::function<void(const fees::UsageProfile&, const calls::CallSummary&, const QString& file)>;

    // tariffFolder: where the calculator reads its tariff file, and so where
    // a prefix table of the user's own (predvolby.txt) overrides the shipped
    // one; locale: the regional settings' numbers, for the summary's minutes.
    CallListImport(QWidget& window, QWidget& inputPage, desktop::Prompter& prompter, std::filesystem::path tariffFolder,
                   Fill fill, QLocale locale);
    ~CallListImport() override;

    // "Načíst minuty z výpisu hovorů...": the file dialog, then read().
    void chooseAndRead();
    // Reads the list and shows what it gives; "Vyplnit" fills. Of a list
    // with the calls of two or more SIMs, the number with most calls is read
    // first, and the summary's "Číslo:" reads another.
    void read(const QString& file);
    // At start-up, before the window shows: reads the list and fills at
    // once, with the default choices (of several SIMs, the number with most
    // calls).
    void fillAtStart(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The list's tally, or nullopt after a message or a cancel: the calls of
    // the subscriber's number given, or of every row.
    std::optional<calls::CallTally> load(const QString& file, QWidget* parent, const std::string& subscriber = {});
    // The same, of the number with most calls where the list has several.
    std::optional<calls::CallTally> loadFirstSubscriber(const QString& file, QWidget* parent);
    void refuse(QWidget* parent, const QString& text);

    QWidget& window_;
    desktop::Prompter& prompter_;
    std::filesystem::path tariffFolder_;
    Fill fill_;
    QLocale locale_;
    QFileDialog* fileDialog_ = nullptr;
    // Reading or showing a list; a second one waits for the user to finish.
    bool busy_ = false;
};

}  // namespace hovorix::calculator
