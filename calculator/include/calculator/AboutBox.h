#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace hovorix::calculator {

// A label that reacts to a click: the links of the about box.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    // The left button was pressed and released over the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A filled circle (part of a logo). It takes the clicks that land on it, so
// nothing underneath reacts to them.
class Shape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor brushColor READ brushColor WRITE setBrushColor)

public:
    using QWidget::QWidget;

    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_ = Qt::white;
};

// The 32 x 32 picture left of the product title, a bar chart of tariffs. The
// one on the right is the program's icon.
QPixmap chartPicture(qreal devicePixelRatio = 1.0);

}  // namespace hovorix::calculator
