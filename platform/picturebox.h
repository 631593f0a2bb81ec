#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// Shows a drawn picture at its own size and reports presses of the left button on it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(QSize size, QWidget *parent);

    void setPicture(QImage picture);
    // Draws on the picture in place and shows the result. A hidden box draws when it is first
    // shown or read, so pages nobody looks at cost nothing at start-up.
    void redraw(std::function<void(QImage &)> draw);
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
    mutable std::function<void(QImage &)> m_pending;
};
