#include "calculator/CallListLoader.h"

#include <QProgressDialog>

namespace hovorix::calculator {

std::optional<calls::CallTally> CallListLoader::read(const std::filesystem::path& file, const QString& shownName,
                                                     const calls::PrefixTable& prefixes) const {
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

    const calls::Progress report = [&progress](std::uint64_t done, std::uint64_t total) {
        // Until the dialog shows no events are handled, so nothing else can
        // happen in the window meanwhile; after that setValue handles them.
        progress.setValue(total == 0 ? Steps : static_cast<int>(done * Steps / total));
        return !progress.wasCanceled();
    };
    try {
        return calls::readCallList(file, prefixes, report);
    } catch (const calls::ReadCancelled&) {
        return std::nullopt;
    }
}

}  // namespace hovorix::calculator
