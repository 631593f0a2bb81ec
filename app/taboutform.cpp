#include "app/taboutform.h"

#include "platform/programtitle.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdint>

namespace
{

constexpr int kDie = 56;
// Pips on a 3 x 3 grid, bit 3 * row + column, for faces 1..6.
constexpr uint16_t kPips[7] = {0, 0x010, 0x101, 0x111, 0x145, 0x155, 0x16D};

// One die face with its pips, top left at x, y.
void drawDie(QPainter &painter, int x, int y, int face)
{
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(x, y, kDie, kDie), 9, 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    const int step = kDie / 4;
    for (int cell = 0; cell < 9; ++cell)
        if (kPips[face] & (1 << cell))
            painter.drawEllipse(QPoint(x + step * (1 + cell % 3), y + step * (1 + cell / 3)), 5, 5);
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
    auto *product = new QLabel(QString::fromUtf8(kProgramTitle));
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
