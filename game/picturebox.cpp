#include "game/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QSize size, QWidget *parent) : QWidget(parent)
{
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(QImage picture)
{
    m_picture = std::move(picture);
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().toPoint());
    QWidget::mousePressEvent(event);
}
