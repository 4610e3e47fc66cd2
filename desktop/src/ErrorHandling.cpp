#include "desktop/ErrorHandling.h"

#include <cstdlib>

#include "desktop/Cp1250.h"

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

QString messageOf(const std::exception& error) { return fromCp1250(error.what()); }

QString conversionMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
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
