// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calculator/CallListLoader.h"

#include <QProgressDialog>

namespace hovorix::calculator {

std::optional<calls::CallTally> CallListLoader::read(const std::filesystem::path& file, const QString& shownName,
                                                     const calls::PrefixTable& prefixes,
                                                     const calls::ReadOptions& options) const {
    // Per mille: a file of gigabytes does not fit the dialog's int range.
    constexpr int Steps = 1000;
    QProgressDialog progress(QStringLiteral("Načítám výpis hovorů %1…").arg(shownName), QStringLiteral("Storno"), 0,
                             Steps, parent_);
    progress.setWindowTitle(QStringLiteral("Minuty z výpisu hovorů"));
    // Modal: once it shows, the events it lets through cannot reach the
    // window that started the reading, nor close it underneath.
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(minimumDuration_);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);

    // Without a window manager nobody hands the activation back to the
    // window once the dialog closes, and neither the keyboard nor a screen
    // reader would find it; the prompter does the same for its dialogs.
    struct GiveActivationBack {
        QProgressDialog& progress;
        QWidget* parent;
        bool shown = false;
        ~GiveActivationBack() {
            if (!shown) return;
            progress.hide();
            if (parent != nullptr && parent->window()->isVisible()) parent->window()->activateWindow();
        }
    } giveActivationBack{progress, parent_};

    const calls::Progress report = [&](std::uint64_t done, std::uint64_t total) {
        // Until the dialog shows no events are handled, so nothing else can
        // happen in the window meanwhile; after that setValue handles them.
        progress.setValue(total == 0 ? Steps : static_cast<int>(done * Steps / total));
        giveActivationBack.shown = giveActivationBack.shown || progress.isVisible();
        return !progress.wasCanceled();
    };
    try {
        return calls::readCallList(file, prefixes, report, options);
    } catch (const calls::ReadCancelled&) {
        return std::nullopt;
    }
}

}  // namespace hovorix::calculator
