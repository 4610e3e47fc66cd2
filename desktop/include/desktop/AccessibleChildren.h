// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstddef>
#include <vector>

namespace hovorix::desktop {

// The interfaces of the parts a widget draws itself (the chart's bars, the
// page tabs), for the widget's own interface to hand out. Each is made once
// per index, on first asking, and lives in Qt's accessibility cache, so a
// screen reader keeps the same object across repaints; they go with the
// widget's interface.
class AccessibleChildren {
public:
    AccessibleChildren() = default;
    AccessibleChildren(const AccessibleChildren&) = delete;
    AccessibleChildren& operator=(const AccessibleChildren&) = delete;
    ~AccessibleChildren() {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    // The part at index of count, made by make(index) the first time.
    template <typename Make>
    QAccessibleInterface* at(int index, int count, Make make) const {
        if (index < 0 || index >= count) return nullptr;
        while (ids_.size() <= static_cast<std::size_t>(index)) {
            ids_.push_back(QAccessible::registerAccessibleInterface(make(static_cast<int>(ids_.size()))));
        }
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }

    // Where child stands among the count parts there now are, or -1.
    int indexOf(const QAccessibleInterface* child, int count) const {
        for (std::size_t i = 0; i < ids_.size(); ++i) {
            if (QAccessible::accessibleInterface(ids_[i]) == child) {
                return static_cast<int>(i) < count ? static_cast<int>(i) : -1;
            }
        }
        return -1;
    }

private:
    mutable std::vector<QAccessible::Id> ids_;
};

// What every such part is alike in: it is no object of its own, has no parts
// itself, lies in its widget's window and has the widget for its parent. The
// part is the index-th of its widget, which may go away before it.
template <typename Widget>
class AccessiblePart : public QAccessibleInterface {
public:
    AccessiblePart(Widget* widget, int index) : widget_(widget), index_(index) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return widget_ ? QAccessible::queryAccessibleInterface(widget_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    int index() const { return index_; }

protected:
    QPointer<Widget> widget_;
    int index_;
};

}  // namespace hovorix::desktop
