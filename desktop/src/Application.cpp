// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/Application.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QMap>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTranslator>

#include <algorithm>

#include "desktop/ErrorHandling.h"
#include "desktop/ProgramFont.h"
#include "hovorix/Version.h"

namespace hovorix::desktop {

namespace {

// The program's icon from its PNG files (at least one), one per size, each
// read the first time that size is asked for: a start shows one or two of the
// eight. The files are read as PNG, so that no image format plugin is loaded
// to find out what they are. Another size is drawn as Qt's own icons draw it:
// from the smallest file of at least its area (or the largest), scaled down to
// fit.
class ProgramIconEngine : public QIconEngine {
public:
    explicit ProgramIconEngine(QMap<int, QString> files) : files_(std::move(files)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int edge = edgeFor(size);
        QPixmap& picture = pictures_[edge];
        if (picture.isNull()) {
            QImageReader reader(files_.value(edge), "png");
            // Told the format, a reader still asks every plugin whether it
            // reads it, unless it may not guess at formats.
            reader.setAutoDetectImageFormat(false);
            picture = QPixmap::fromImage(reader.read());
        }
        const QSize actual = fitted(edge, size);
        const QPixmap shown = actual == picture.size()
                                  ? picture
                                  : picture.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Normal) return shown;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, shown, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return fitted(edgeFor(size), size); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int edge : files_.keys()) sizes << QSize(edge, edge);
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    // The edge of the file that a picture of the size is drawn from.
    int edgeFor(const QSize& size) const {
        const int area = size.width() * size.height();
        for (const int edge : files_.keys()) {
            if (edge * edge >= area) return edge;
        }
        return files_.lastKey();
    }

    // The size of the file's picture as shown in the size: scaled down to fit.
    static QSize fitted(int edge, const QSize& size) {
        QSize actual(edge, edge);
        if (actual.width() > size.width() || actual.height() > size.height()) actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QMap<int, QString> files_;     // by edge length
    QMap<int, QPixmap> pictures_;  // those read so far
};

}  // namespace

void setUpApplication(QApplication& application, const QString& title, const QString& name) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(programFont());
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(HOVORIX_VERSION));
    // Ties the windows to the program's desktop entry, whose icon and name a
    // desktop shows for them.
    QGuiApplication::setDesktopFileName(QStringLiteral(HOVORIX_DESKTOP_ID_PREFIX) + name.toLower());
    // The program's icon, built once: no window sets one of its own, so every
    // window and message box shows this one.
    QApplication::setWindowIcon(programIcon(QGuiApplication::desktopFileName()));
    setApplicationTitle(title);

    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    }
}

QIcon programIcon(const QString& desktopId) {
    QMap<int, QString> files;
    const QString file = QStringLiteral("/apps/%1.png").arg(desktopId);
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        const QString folder = sizes.next();
        const QString path = folder + file;
        // The folders are named as the hicolor theme names them: <N>x<N>.
        if (QFileInfo::exists(path)) files.insert(QFileInfo(folder).fileName().section(u'x', 0, 0).toInt(), path);
    }
    if (files.isEmpty()) return {};
    return QIcon(new ProgramIconEngine(std::move(files)));
}

}  // namespace hovorix::desktop
