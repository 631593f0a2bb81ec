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
    m_pending = nullptr;
    m_picture = std::move(picture);
    update();
}

void PictureBox::redraw(std::function<void(QImage &)> draw)
{
    m_pending = std::move(draw);
    if (isVisible()) {
        drawPending();
        update();
    }
}

const QImage &PictureBox::picture() const
{
    drawPending();
    return m_picture;
}

void PictureBox::drawPending() const
{
    if (!m_pending)
        return;
    const auto draw = std::move(m_pending);
    m_pending = nullptr;
    draw(m_picture);
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
