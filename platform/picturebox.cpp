#include "platform/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QSize size, QWidget *parent) : QWidget(parent)
{
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(QImage picture)
{
    m_draw = nullptr;
    m_picture = std::move(picture);
    update();
}

void PictureBox::redraw(std::function<void(QImage &)> draw)
{
    m_draw = std::move(draw);
    m_drawn = false;
    if (isVisible()) {
        drawPending();
        update();
    }
}

void PictureBox::showBlank(QColor colour)
{
    redraw([colour](QImage &picture) { picture.fill(colour); });
}

const QImage &PictureBox::picture() const
{
    drawPending();
    return m_picture;
}

void PictureBox::drawPending() const
{
    const qreal ratio = devicePixelRatioF();
    if (!m_draw || (m_drawn && m_picture.devicePixelRatio() == ratio))
        return;
    QImage picture(size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    m_draw(picture);
    m_picture = std::move(picture);
    m_drawn = true;
}

void PictureBox::showEvent(QShowEvent *event)
{
    drawPending();
    QWidget::showEvent(event);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    drawPending();
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed(event->position().toPoint());
    QWidget::mousePressEvent(event);
}
