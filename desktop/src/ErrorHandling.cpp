// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/ErrorHandling.h"

#include <cstdlib>

#include "tariffs/Errors.h"
#include "tariffs/NumberText.h"

namespace hovorix::desktop {

namespace {
QString& title() {
    static QString text;
    return text;
}
}  // namespace

void setApplicationTitle(const QString& text) { title() = text; }
QString applicationTitle() { return title(); }

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

QString messageOfReading(const std::exception& error, const QString& file, char decimalSeparator) {
    const auto* malformed = dynamic_cast<const tariffs::ConversionError*>(&error);
    if (!malformed || !tariffs::readsWithOtherSeparator(malformed->text(), decimalSeparator)) return messageOf(error);
    return withFullStop(messageOf(error)) +
           QStringLiteral(
               "\n%1, řádek %2: soubor byl nejspíš uložen s jiným desetinným oddělovačem (jiné místní "
               "nastavení).")
               .arg(file)
               .arg(malformed->line());
}

QString conversionMessage(const QString& text) {
    // As the core quotes a number from a file: a field may hold a pasted text
    // of any length, and a message box should not grow with it.
    constexpr qsizetype MaxQuoted = 255;
    const QString quoted = text.size() <= MaxQuoted ? text : text.left(MaxQuoted) + QChar(u'\u2026');
    return QStringLiteral("'%1' is not a valid floating point value").arg(quoted);
}

void showGeneralError(Prompter& prompter, QWidget* parent, const QString& message) {
    prompter.error(parent, applicationTitle(), withFullStop(message));
}

void fatalError(Prompter& prompter, QWidget* parent, const QString& message) {
    prompter.error(parent, applicationTitle(), message);
    prompter.exitProgram(EXIT_FAILURE);
    std::abort();  // exitProgram never comes back
}

}  // namespace hovorix::desktop
