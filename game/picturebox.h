#pragma once

#include <QImage>
#include <QWidget>

// Shows a drawn picture at its own size and reports presses of the left button on it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(QSize size, QWidget *parent);

    void setPicture(QImage picture);
    const QImage &picture() const { return m_picture; }

signals:
    void pressed(QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
};
