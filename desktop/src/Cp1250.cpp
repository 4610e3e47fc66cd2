// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/Cp1250.h"

#include "tariffs/Cp1250.h"

namespace hovorix::desktop {

QString fromCp1250(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) *out++ = QChar(tariffs::cp1250::toUnicode(static_cast<unsigned char>(b)));
    return text;
}

std::string toCp1250(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) bytes += tariffs::cp1250::fromUnicode(c.unicode()).value_or('?');
    return bytes;
}

bool isCp1250(QChar c) { return tariffs::cp1250::fromUnicode(c.unicode()).has_value(); }

bool isCp1250(const QString& text) {
    for (const QChar c : text) {
        if (!isCp1250(c)) return false;
    }
    return true;
}

}  // namespace hovorix::desktop
