#include "calculator/PageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTabBar>
#include <QWheelEvent>

namespace hovorix::calculator {

namespace {

// The tabs of a PageControl: every way they change the page passes
// through aboutToSelect first.
class PageTabs : public QTabBar {
    Q_OBJECT

public:
    using QTabBar::QTabBar;

signals:
    void aboutToSelect(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) announce(tabAt(event->position().toPoint()));
        QTabBar::mousePressEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
            // The arrows move to the nearest enabled tab, without going round.
            const bool back = (event->key() == Qt::Key_Left) != isRightToLeft();
            for (int i = currentIndex() + (back ? -1 : 1); i >= 0 && i < count(); i += back ? -1 : 1) {
                if (isTabEnabled(i)) {
                    announce(i);
                    break;
                }
            }
        }
        QTabBar::keyPressEvent(event);
    }

    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    void announce(int index) {
        if (index >= 0 && index != currentIndex() && isTabEnabled(index)) emit aboutToSelect(index);
    }
};

}  // namespace

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    auto* tabs = new PageTabs(this);
    setTabBar(tabs);
    connect(tabs, &PageTabs::aboutToSelect, this, &PageControl::changing);

    // Shortcuts rather than key handling, so no control inside can keep the
    // keys to itself. Both go round; with two pages each goes to the other.
    auto* next = new QShortcut(this);
    next->setKey(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    auto* previous = new QShortcut(this);
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                       QKeySequence(Qt::CTRL | Qt::Key_Backtab)});
    for (QShortcut* shortcut : {next, previous}) {
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const int step = shortcut == next ? 1 : -1;
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            if (count() > 1) changePage((currentIndex() + step + count()) % count());
        });
    }
}

void PageControl::changePage(int index) {
    if (index < 0 || index >= count() || index == currentIndex()) return;
    emit changing();
    setCurrentIndex(index);
}

void PageControl::keyPressEvent(QKeyEvent* event) {
    // Qt's own page keys would switch without the announcement.
    event->ignore();
}

}  // namespace hovorix::calculator

#include "PageControl.moc"
