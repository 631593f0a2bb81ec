#include "app/taboutform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <vector>

namespace
{

constexpr int kDie = 56;

// One die face with its pips, top left at x, y.
void drawDie(QPainter &painter, int x, int y, int face)
{
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(x, y, kDie, kDie), 9, 9);
    const int third = kDie / 4;
    const int left = x + third, middle = x + kDie / 2, right = x + kDie - third;
    const int top = y + third, centre = y + kDie / 2, bottom = y + kDie - third;
    std::vector<QPoint> pips;
    if (face % 2 == 1)
        pips.push_back({middle, centre});
    if (face >= 2)
        pips.insert(pips.end(), {{left, top}, {right, bottom}});
    if (face >= 4)
        pips.insert(pips.end(), {{right, top}, {left, bottom}});
    if (face == 6)
        pips.insert(pips.end(), {{left, centre}, {right, centre}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    for (const QPoint &pip : pips)
        painter.drawEllipse(pip, 5, 5);
}

} // namespace

QImage TAboutForm::dicePicture()
{
    QImage picture(3 * kDie + 40, kDie + 30, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Three dice of a full house, the middle one raised as if still rolling.
    drawDie(painter, 10, 20, 5);
    drawDie(painter, kDie + 20, 6, 5);
    drawDie(painter, 2 * kDie + 30, 20, 3);
    return picture;
}

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("Об игре"));

    auto *picture = new QLabel;
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(QPixmap::fromImage(dicePicture()));
    picture->setAlignment(Qt::AlignCenter);
    auto *product = new QLabel(QStringLiteral("ВЕРТОКС для Windows"));
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    auto *version = new QLabel(QStringLiteral("Версия 1.00"));
    version->setObjectName(QStringLiteral("Version"));
    version->setAlignment(Qt::AlignCenter);
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->addWidget(picture);
    column->addWidget(product);
    column->addWidget(version);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
}
