#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

// Shows a drawn picture at its own size and reports presses of the left button on it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(QSize size, QWidget *parent);

    // Shows a ready picture as it is, enlarged on a screen of a higher pixel ratio.
    void setPicture(QImage picture);
    // Draws the picture with draw, which paints all of it, and shows the result. The picture holds
    // the pixels of the screen the box is on, so text stays sharp at any scale, and is drawn again
    // when the box moves to a screen of another pixel ratio. A hidden box draws when it is first
    // shown or read, so pages nobody looks at cost nothing at start-up.
    void redraw(std::function<void(QImage &)> draw);
    // Shows only the colour until the first picture; filled when first needed, like a drawing.
    void showBlank(QColor colour);
    const QImage &picture() const;

signals:
    void pressed(QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void drawPending() const;

    mutable QImage m_picture;
    std::function<void(QImage &)> m_draw;
    mutable bool m_drawn = true;
};
