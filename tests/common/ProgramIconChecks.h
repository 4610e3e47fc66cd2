// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// Checks of a program's own icon against the icon theme that the build
// renders for the program's desktop entry (HOVORIX_ICON_THEME).

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QList>
#include <QSet>
#include <QSize>
#include <QString>

#include <algorithm>
#include <ostream>

// Failure messages tell what a picture is rather than dumping its bytes.
inline void PrintTo(const QImage& image, std::ostream* out) {
    *out << image.width() << " x " << image.height() << " picture";
}

namespace hovorix::iconchecks {

// The sizes of the hicolor theme that every program icon comes in.
inline const QList<int> IconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// Pictures compared pixel by pixel, whatever format they were loaded in.
inline QImage comparable(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// The picture that the theme holds for desktopId at size: what the desktop
// shows beside the program's entry.
inline QImage themeIcon(const QString& desktopId, int size) {
    return comparable(QImage(QStringLiteral(HOVORIX_ICON_THEME "/%1x%1/apps/%2.png").arg(size).arg(desktopId)));
}

// icon is the program's icon in every size of the theme, each picture drawn
// (neither empty nor one flat colour), sharp at the small sizes, and the very
// picture of the theme's icon for desktopId.
inline void expectProgramIcon(const QIcon& icon, const QString& desktopId) {
    QList<int> sizes;
    for (const QSize& size : icon.availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sizes << size.width();
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, IconSizes);

    for (const int size : IconSizes) {
        SCOPED_TRACE(::testing::Message() << desktopId.toStdString() << " at " << size << " px");
        const QImage picture = comparable(icon.pixmap(QSize(size, size), 1.0).toImage());
        ASSERT_EQ(picture.width(), size);
        ASSERT_EQ(picture.height(), size);
        EXPECT_EQ(picture, themeIcon(desktopId, size));

        int opaque = 0;
        int halfCovered = 0;
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (qAlpha(pixel) == 0) continue;
                ++opaque;
                if (qAlpha(pixel) < 255) ++halfCovered;
                colours.insert(pixel);
            }
        }
        // The drawing fills much of its square, in several colours.
        EXPECT_GT(opaque, size * size * 2 / 5);
        EXPECT_GE(colours.size(), 8);
        // The small sizes are drawn on whole pixels: hardly any edge pixel is
        // half covered, where the large drawing scaled down would blur.
        if (size <= 24) {
            EXPECT_LT(halfCovered * 8, opaque);
        }
    }
}

}  // namespace hovorix::iconchecks
