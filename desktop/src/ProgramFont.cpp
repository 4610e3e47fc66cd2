// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/ProgramFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace hovorix::desktop {

namespace {

// The first of the families that is installed, chosen once: a font that names
// a single family is resolved without a fallback-list query for each face,
// while glyphs that family lacks still come from others. Where none is
// installed, the whole list is left to the font matching.
QStringList preferred(const QStringList& families) {
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family)) return {family};
    }
    return families;
}

}  // namespace

QFont programFont() {
    static const QStringList families = preferred({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                                   QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(families);
    font.setPointSize(8);
    return font;
}

QFont titleFont(int pixelSize) {
    static const QStringList families =
        preferred({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), QStringLiteral("Times"),
                   QStringLiteral("DejaVu Serif")});
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace hovorix::desktop
