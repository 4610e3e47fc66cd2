// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/PastedText.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

namespace hovorix::desktop {

namespace {

// The blanks that price lists and spreadsheets put between thousands.
bool isBlank(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\u00A0' || u == u'\u2009' || u == u'\u202F';
}

// What a copied cell or line brings along around the number.
bool isAround(QChar c) { return isBlank(c) || c == u'\t' || c == u'\r' || c == u'\n'; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

class PasteRoute : public QObject {
public:
    PasteRoute(QLineEdit& field, std::function<bool(const QString&)> paste)
        : QObject(&field), field_(field), paste_(std::move(paste)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &field_) return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
            if (!field_.isReadOnly()) paste_(QGuiApplication::clipboard()->text());
            event->accept();
            return true;
        case QEvent::ContextMenu:
            // A box inside a spin box leaves its menu to the spin box.
            if (field_.contextMenuPolicy() != Qt::DefaultContextMenu) return false;
            showMenu(*static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->source() == &field_ || !drag->mimeData()->hasUrls()) return false;
            drag->ignore();
            return true;
        }
        case QEvent::Drop: return drop(*static_cast<QDropEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            // The middle button pastes the X selection: the press places the
            // cursor, the release pastes.
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()) {
                return false;
            }
            if (event->type() == QEvent::MouseButtonPress) {
                field_.deselect();
                field_.setCursorPosition(field_.cursorPositionAt(mouse->position().toPoint()));
            } else if (!field_.isReadOnly()) {
                paste_(QGuiApplication::clipboard()->text(QClipboard::Selection));
            }
            event->accept();
            return true;
        }
        default: return false;
        }
    }

private:
    void showMenu(const QContextMenuEvent& event) {
        const QPointer<QMenu> menu = field_.createStandardContextMenu();
        if (!menu) return;
        if (QAction* paste = pasteAction(*menu)) {
            disconnect(paste, &QAction::triggered, nullptr, nullptr);
            connect(paste, &QAction::triggered, this, [this] { paste_(QGuiApplication::clipboard()->text()); });
        }
        const QPoint at =
            event.reason() == QContextMenuEvent::Mouse ? event.globalPos() : field_.mapToGlobal(field_.rect().center());
        menu->exec(at);
        delete menu.data();
    }

    bool drop(QDropEvent& drop) {
        if (drop.source() == &field_) return false;
        const QMimeData* data = drop.mimeData();
        if (data->hasUrls() || !data->hasText() || field_.isReadOnly()) {
            drop.ignore();
            return true;
        }
        field_.deselect();
        field_.setCursorPosition(field_.cursorPositionAt(drop.position().toPoint()));
        if (paste_(data->text())) {
            drop.setDropAction(Qt::CopyAction);
            drop.accept();
        } else {
            drop.ignore();
        }
        return true;
    }

    QLineEdit& field_;
    std::function<bool(const QString&)> paste_;
};

}  // namespace

QString tidyPastedNumber(QStringView text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isAround(text[first])) ++first;
    while (end > first && isAround(text[end - 1])) --end;
    QString tidy;
    tidy.reserve(end - first);
    for (qsizetype i = first; i < end; ++i) {
        if (isBlank(text[i])) {
            qsizetype next = i;
            while (next < end && isBlank(text[next])) ++next;
            // "1 200": a thousands separator, where the digits run on.
            if (!tidy.isEmpty() && isDigit(tidy.back()) && next < end && isDigit(text[next])) {
                i = next - 1;
                continue;
            }
        }
        tidy += text[i];
    }
    return tidy;
}

QAction* pasteAction(const QMenu& menu) {
    // Known by its caption, in the language Qt speaks, before the tab and
    // its key.
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu.actions()) {
        if (action->text().section(u'\t', 0, 0) == paste) return action;
    }
    return nullptr;
}

void routePastes(QLineEdit& field, std::function<bool(const QString&)> paste) {
    field.setAcceptDrops(true);
    field.installEventFilter(new PasteRoute(field, std::move(paste)));
}

}  // namespace hovorix::desktop
