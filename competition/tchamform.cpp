#include "competition/tchamform.h"

#include "competition/grouppaint.h"
#include "platform/dialogstyle.h"
#include "platform/hintheader.h"
#include "platform/picturebox.h"
#include "platform/tablestyle.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace
{

constexpr int kFullHeight = 567; // the window's outer height on a screen that holds it
constexpr int kFrameHeight = 27; // caption bar and borders
constexpr int kHeaderHeight = HintHeader::kHeight;
constexpr int kScrollHeight = 488;
constexpr int kButtonTop = 512;
constexpr QSize kButtonSize{260, 25};

} // namespace

ChamFormLayout ChamFormLayoutFor(int screenHeight)
{
    if (screenHeight >= kFullHeight)
        return {kFullHeight - kFrameHeight, kScrollHeight, kButtonTop};
    return {screenHeight - kFrameHeight, screenHeight - 79, screenHeight - 55};
}

TChamForm::TChamForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_header(new HintHeader(QStringLiteral("Header"),
                              {{"Имя", 160, {}},
                               {"Место в чемп.", 105, {}},
                               {"Баллы", 50, {}},
                               {"Очки", 50, {}},
                               {"Разн. от ср.", 100, {}}},
                              this)),
      m_scroll(new QScrollArea(this)), m_image(new PictureBox(kGroupsPictureSize, nullptr)),
      m_okButton(new QPushButton(QStringLiteral("Дальше"), this))
{
    setObjectName(QStringLiteral("ChamForm"));
    setFont(dialogFont());
    // Only the name column is centred over its text; the others start where their text does.
    for (int section = 1; section < m_header->count(); ++section)
        m_header->model()->setHeaderData(
            section, Qt::Horizontal, int(Qt::AlignLeft | Qt::AlignVCenter), Qt::TextAlignmentRole);

    m_image->setObjectName(QStringLiteral("Image"));
    m_image->setAccessibleName(QStringLiteral("Группы тура"));
    m_image->showBlank(palette::navy);
    m_scroll->setObjectName(QStringLiteral("ScrollBox"));
    m_scroll->setWidget(m_image);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setFocusPolicy(Qt::NoFocus);

    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    m_okButton->setAccessibleName(m_okButton->text());

    const int scrollWidth = kGroupsPictureSize.width() + 2 * m_scroll->frameWidth() +
                            m_scroll->verticalScrollBar()->sizeHint().width();
    const QScreen *screen = this->screen();
    const ChamFormLayout layout =
        ChamFormLayoutFor(screen ? screen->geometry().height() : kFullHeight);
    m_header->setGeometry(0, 0, scrollWidth, kHeaderHeight);
    m_scroll->setGeometry(0, kHeaderHeight, scrollWidth, layout.scrollHeight);
    m_okButton->setGeometry((scrollWidth - kButtonSize.width()) / 2, layout.buttonTop,
                            kButtonSize.width(), kButtonSize.height());
    setFixedSize(scrollWidth, layout.clientHeight);
    centreOnScreen(this);

    connect(m_okButton, &QPushButton::clicked, this, &TChamForm::OKButtonClick);
    connect(m_header, &QHeaderView::sectionResized, this, &TChamForm::drawGroups);
}

bool TChamForm::playRound(ChampionshipRound &round, const std::string &caption)
{
    m_round = &round;
    setWindowTitle(QString::fromStdString(caption));
    drawGroups();
    showButton();
    show();
    raise();
    activateWindow();
    m_okButton->setFocus();
    if (!round.over())
        m_loop.exec();
    m_round = nullptr;
    return round.brokenOff();
}

const QImage &TChamForm::picture() const
{
    return m_image->picture();
}

void TChamForm::OKButtonClick()
{
    if (!m_round)
        return;
    // The button stays disabled while the group's game runs.
    m_okButton->setEnabled(false);
    m_round->next();
    if (m_round->over()) {
        endRound();
        return;
    }
    drawGroups();
    showButton();
}

void TChamForm::drawGroups()
{
    if (!m_round)
        return;
    GroupRows groups;
    for (int g = 1; g <= 3; ++g)
        groups[std::size_t(g - 1)] = m_round->rows(g);
    m_image->redraw([groups = std::move(groups), widths = m_header->widths()](QImage &picture) {
        PaintGroups(picture, groups, widths);
    });
}

void TChamForm::showButton()
{
    if (!m_round)
        return;
    const QString caption = QString::fromStdString(m_round->buttonCaption());
    m_okButton->setText(caption);
    m_okButton->setAccessibleName(caption);
    m_okButton->setEnabled(m_round->nextEnabled());
}

void TChamForm::endRound()
{
    hide();
    m_loop.quit();
}

void TChamForm::closeEvent(QCloseEvent *event)
{
    if (m_round && !m_round->requestClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_round)
        endRound();
}

void TChamForm::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_okButton->isEnabled())
            m_okButton->click();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TChamForm::changeEvent(QEvent *event)
{
    // A game started elsewhere may have begun or ended meanwhile.
    if (event->type() == QEvent::ActivationChange)
        showButton();
    QWidget::changeEvent(event);
}
