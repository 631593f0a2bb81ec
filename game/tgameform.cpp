#include "game/tgameform.h"

#include "game/demonstration.h"
#include "game/gameglyphs.h"
#include "game/gamepictures.h"
#include "game/gamestyle.h"
#include "game/soundboard.h"
#include "platform/dialogstyle.h"
#include "platform/eventpump.h"
#include "platform/messageboxes.h"
#include "platform/picturebox.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace
{

constexpr QSize kClientSize{460, 417};
constexpr int kStatusPanelHeight = 24;
constexpr int kPutPanelWidth = 160;
constexpr int kRightLeft = 162;
constexpr int kCubePanelTop = 229;
constexpr int kStatusBarTop = 397;
constexpr int kBarButtonTop = 143;
constexpr int kBarButtonHeight = 22;

QString toQt(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QLabel *addCaptionedValue(QHBoxLayout *layout, const char *caption, const char *name,
                          const QColor &colour, int minimumWidth)
{
    layout->addWidget(new QLabel(caption));
    auto *value = new QLabel;
    value->setObjectName(name);
    value->setMinimumWidth(minimumWidth);
    setTextColours(value, colour);
    layout->addWidget(value);
    layout->addSpacing(8);
    return value;
}

// Rows 1..6 are the face rows; a gap of ten pixels sets them apart from the rest.
int rowTop(int row)
{
    if (row == kTotalCell)
        return 344;
    return row <= Sixes ? 20 * row - 16 : 20 * row - 6;
}

QToolButton *glyphButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setIconSize(QSize(gameglyphs::kSize, gameglyphs::kSize));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

std::optional<DiePictures> TGameForm::prepare(MessageBoxes &boxes, SoundBoard &sounds,
                                              const QString &folder)
{
    sounds.checkFiles();
    DiePictures pictures;
    const std::string error = pictures.load(folder);
    if (!error.empty()) {
        boxes.show(MessageBoxes::Kind::Error, error);
        return std::nullopt;
    }
    return pictures;
}

std::unique_ptr<TGameForm> TGameForm::create(DiceGame::Services services, SoundBoard &sounds,
                                             EventPump &pump, const QString &folder)
{
    std::optional<DiePictures> pictures = prepare(services.boxes, sounds, folder);
    if (!pictures)
        return nullptr;
    return std::make_unique<TGameForm>(services, sounds, pump, std::move(*pictures));
}

TGameForm::TGameForm(DiceGame::Services services, SoundBoard &sounds, EventPump &pump,
                     DiePictures pictures)
    : m_sounds(sounds), m_pump(pump), m_pictures(std::move(pictures)), m_game(services, *this),
      m_writeIcon(gameglyphs::write()), m_strikeIcon(gameglyphs::strike()),
      m_downIcon(gameglyphs::arrow(false)), m_upIcon(gameglyphs::arrow(true))
{
    setObjectName("GameForm");
    setFont(gamestyle::textFont());
    setFixedSize(kClientSize);
    setFocusPolicy(Qt::StrongFocus);
    createStatusPanel();
    createPutPanel();
    createPlaceImage();
    createCubePanel();
    m_statusBar = new QLabel(this);
    m_statusBar->setObjectName("StatusBar");
    m_statusBar->setGeometry(0, kStatusBarTop, kClientSize.width(), 20);
    m_statusBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_statusBar->setIndent(4);
    m_hintButton = new QToolButton(this);
    m_hintButton->setObjectName("HintButton");
    m_hintButton->setGeometry(kClientSize.width() - 22, kStatusBarTop, 22, 20);
    m_hintButton->setText("?");
    m_hintButton->setToolTip("Подсказка тренера - клавиша ?");
    m_hintButton->setAccessibleName("Подсказка тренера");
    m_hintButton->setFocusPolicy(Qt::NoFocus);
    m_hintButton->hide();
    connect(m_hintButton, &QToolButton::clicked, this, [this] { act([this] { showHint(); }); });
    centreOnScreen(this);
    refresh();
}

void TGameForm::createStatusPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName("StatusPanel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, kClientSize.width(), kStatusPanelHeight);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 0, 0, 0);
    layout->setSpacing(4);
    m_playerName = addCaptionedValue(layout, "Играет:", "PlayerNameLabel", palette::red, 110);
    m_placeNumber = addCaptionedValue(layout, "Место:", "PlaceNumberLabel", palette::blue, 36);
    m_turnNumber = addCaptionedValue(layout, "Ход:", "TurnNumberLabel", palette::teal, 18);
    m_diffNumber = addCaptionedValue(layout, "Сложность:", "DiffNumberLabel", palette::fuchsia, 18);
    layout->addStretch();
}

void TGameForm::createPutPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName("PutPanel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, kStatusPanelHeight, kPutPanelWidth, kStatusBarTop - kStatusPanelHeight);
    for (int row = 1; row <= kTotalCell; ++row) {
        const int top = rowTop(row);
        auto *name = new QLabel(QString::fromUtf8(SheetLabels[std::size_t(row)]), panel);
        name->setObjectName(QString("NameLabel%1").arg(row));
        name->setGeometry(2, top, 80, 16);
        name->setAlignment(Qt::AlignCenter);
        setTextColours(name, row == kTotalCell ? palette::purple : palette::navy);

        auto *value = new QLabel(panel);
        value->setObjectName(QString("ValueBox%1").arg(row));
        value->setGeometry(84, top, 50, 16);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setAlignment(Qt::AlignCenter);
        m_valueBoxes[std::size_t(row)] = value;
        if (row == kTotalCell)
            break;

        auto *write =
            glyphButton(panel, QString("WriteButton%1").arg(row), QRect(136, top - 2, 20, 20));
        // Writing by keyboard: Tab reaches the open rows, Space writes.
        write->setFocusPolicy(Qt::TabFocus);
        write->setToolTip(QString("Записать(списать) \"%1\" (Tab - выбор, пробел - запись)")
                              .arg(QString::fromUtf8(SheetLabels[std::size_t(row)])));
        connect(write, &QToolButton::clicked, this,
                [this, row] { act([this, row] { m_game.write(row); }); });
        m_writeButtons[std::size_t(row)] = write;
    }
}

void TGameForm::createPlaceImage()
{
    m_placeImage = new PictureBox(gamepictures::kPlaceSize, this);
    m_placeImage->setObjectName("PlaceImage");
    m_placeImage->move(kRightLeft, kStatusPanelHeight + 2);
}

void TGameForm::createCubePanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName("CubePanel");
    panel->setGeometry(kRightLeft, kCubePanelTop, gamepictures::kPlaceSize.width(),
                       kStatusBarTop - kCubePanelTop - 2);

    m_cubeImage = new PictureBox(gamepictures::kCubeSize, panel);
    m_cubeImage->setObjectName("CubeImage");
    connect(m_cubeImage, &PictureBox::pressed, this, [this](QPoint at) {
        act([this, at] {
            if (const auto cell = gamepictures::DieCellAt(at))
                m_game.clickDieCell(cell->row, cell->column);
        });
    });

    for (int i = 1; i <= 5; ++i) {
        auto *die =
            glyphButton(panel, QString("DieButton%1").arg(i), gamepictures::DieButtonRect(i));
        die->setToolTip(QString("Взять(вернуть) кость - клавиша %1").arg(i));
        connect(die, &QToolButton::clicked, this,
                [this, i] { act([this, i] { m_game.toggleDie(i); }); });
        m_dieButtons[std::size_t(i)] = die;
    }

    m_compTurn = new QLabel(panel);
    m_compTurn->setObjectName("CompTurnLabel");
    m_compTurn->setGeometry(0, 4, gamepictures::kCubeSize.width(), 18);
    m_compTurn->setAlignment(Qt::AlignCenter);
    m_compTurn->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont bold = font();
    bold.setBold(true);
    m_compTurn->setFont(bold);
    // Over the cube picture, which shows through around the text: the picture's green is its
    // background.
    QPalette aqua = m_compTurn->palette();
    aqua.setColor(QPalette::WindowText, palette::aqua);
    aqua.setColor(QPalette::Window, palette::green);
    m_compTurn->setPalette(aqua);

    m_goButton = new QPushButton(panel);
    m_goButton->setObjectName("GoButton");
    m_goButton->setGeometry(0, kBarButtonTop, 116, kBarButtonHeight);
    m_elseButton = new QPushButton(panel);
    m_elseButton->setObjectName("ElseButton");
    m_elseButton->setGeometry(120, kBarButtonTop, 116, kBarButtonHeight);
    for (QPushButton *button : {m_goButton, m_elseButton}) {
        // Space belongs to the window, so it always means the enabled one of the two.
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip("Клавиши: пробел или Enter");
        connect(button, &QPushButton::clicked, this, [this] { act([this] { m_game.go(); }); });
    }

    m_allButton = glyphButton(panel, "AllButton", QRect(240, kBarButtonTop, 56, kBarButtonHeight));
    m_allButton->setIcon(gameglyphs::all());
    m_allButton->setToolTip("Взять все");
    m_allButton->setAccessibleName("Взять все");
    connect(m_allButton, &QToolButton::clicked, this,
            [this] { act([this] { m_game.holdAll(); }); });
}

void TGameForm::showHintButton(bool shown)
{
    m_hintButton->setVisible(shown);
    layOutStatusLine();
}

void TGameForm::layOutStatusLine()
{
    // The practice buttons stand at the right end of the status line, the hint outermost.
    int right = kClientSize.width();
    for (QToolButton *button : {m_hintButton, m_undoButton}) {
        if (button && !button->isHidden()) {
            right -= button->width();
            button->move(right, kStatusBarTop);
        }
    }
    m_statusBar->setFixedWidth(right);
}

void TGameForm::setUndoControl(bool practice)
{
    if (practice == bool(m_undoButton))
        return;
    if (practice) {
        m_undoButton = new QToolButton(this);
        m_undoButton->setObjectName("UndoButton");
        m_undoButton->resize(22, 20);
        m_undoButton->setIcon(gameglyphs::undo());
        m_undoButton->setToolTip("Отменить ход - Ctrl+Z");
        m_undoButton->setAccessibleName("Отменить ход");
        m_undoButton->setFocusPolicy(Qt::NoFocus);
        connect(m_undoButton, &QToolButton::clicked, this,
                [this] { act([this] { m_game.undo(); }); });
        m_undoButton->show();
    } else {
        delete m_undoButton;
        m_undoButton = nullptr;
    }
    layOutStatusLine();
}

void TGameForm::startDemonstration()
{
    Demonstration *demo = m_game.setup().demonstration;
    if (demo && !demo->running() && !m_game.busy() && m_game.inProgress())
        demo->run(m_game.setup().pace);
}

bool TGameForm::handBack()
{
    Demonstration *demo = m_game.setup().demonstration;
    if (!demo || !demo->running())
        return false;
    demo->stop();
    return true;
}

void TGameForm::act(const std::function<void()> &action)
{
    if (!handBack())
        action();
}

void TGameForm::showHint()
{
    if (const auto &hint = m_game.setup().hints)
        m_game.showAdvice(hint());
}

DiceGame::Result TGameForm::PlayGame(const GameSetup &setup)
{
    return m_game.PlayGame(setup);
}

void TGameForm::refresh()
{
    const GameScreen &screen = m_game.screen();
    setWindowTitle(toQt(screen.caption));
    m_playerName->setText(toQt(screen.player));
    m_placeNumber->setText(toQt(screen.place));
    m_turnNumber->setText(toQt(screen.turn));
    m_diffNumber->setText(toQt(screen.difficulty));
    showCells();

    for (std::size_t c = 1; c <= kCombinations; ++c) {
        const bool write = screen.writePicture[c] == GameScreen::WritePicture::Write;
        m_writeButtons[c]->setIcon(write ? m_writeIcon : m_strikeIcon);
        m_writeButtons[c]->setEnabled(screen.writeEnabled[c]);
    }
    for (std::size_t i = 1; i <= 5; ++i) {
        m_dieButtons[i]->setIcon(screen.arrow[i] == GameScreen::Arrow::Up ? m_upIcon : m_downIcon);
        m_dieButtons[i]->setEnabled(screen.dieEnabled[i]);
    }
    m_cubeImage->setPicture(gamepictures::DrawCube(screen, m_pictures));
    m_cubeImage->setCursor(screen.diceClickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    m_placeImage->redraw([this, shown = screen.standingsShown](QImage &place) {
        gamepictures::PaintStandings(place, m_game.players(), m_game.playerCount(),
                                     m_game.standings(), shown);
    });

    m_goButton->setText(toQt(screen.goButton.caption));
    m_goButton->setEnabled(screen.goButton.enabled);
    m_elseButton->setText(toQt(screen.elseButton.caption));
    m_elseButton->setEnabled(screen.elseButton.enabled);
    m_allButton->setEnabled(screen.allEnabled);
    m_compTurn->setText(toQt(screen.compTurn));
    m_compTurn->setVisible(screen.compTurnVisible);
    m_statusBar->setText(toQt(screen.status));
    if (m_undoButton)
        m_undoButton->setEnabled(m_game.canUndo());
}

void TGameForm::showCells()
{
    const GameScreen &screen = m_game.screen();
    for (std::size_t row = 1; row <= kTotalCell; ++row) {
        const GameScreen::Cell &cell = screen.cells[row];
        QLabel *box = m_valueBoxes[row];
        box->setText(toQt(cell.text));
        if (row == kTotalCell)
            setTextColours(box, palette::red, gamestyle::boxFace);
        else
            setTextColours(box, gamestyle::textOf(cell.colour),
                           gamestyle::backgroundOf(cell.colour));
    }
}

void TGameForm::playSound(int sound)
{
    m_sounds.PlaySound(sound);
}

void TGameForm::waitMs(unsigned ms)
{
    m_pump.waitMs(ms);
}

void TGameForm::runUntilOver()
{
    const GameSetup &setup = m_game.setup();
    setUndoControl(setup.practice);
    showHintButton(bool(setup.hints));
    if (setup.demonstrateAtStart)
        QTimer::singleShot(0, this, [this] { startDemonstration(); });
    refresh();
    show();
    raise();
    activateWindow();
    setFocus();
    m_loop.exec();
    setUndoControl(false);
    showHintButton(false);
}

void TGameForm::gameOver()
{
    hide();
    m_loop.quit();
}

void TGameForm::closeEvent(QCloseEvent *event)
{
    if (m_game.requestClose())
        event->accept();
    else
        event->ignore();
}

void TGameForm::keyPressEvent(QKeyEvent *event)
{
    // A key held down must not run through throws or turns on its own.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const int key = event->key();
    const bool modifierOnly =
        key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta;
    if (!modifierOnly && handBack()) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo)) {
        m_game.undo();
        return;
    }
    if (key == Qt::Key_F5) {
        startDemonstration();
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
        m_game.toggleDie(key - Qt::Key_0);
        return;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        for (QPushButton *button : {m_goButton, m_elseButton}) {
            if (button->isEnabled()) {
                button->click();
                return;
            }
        }
        return;
    }
    if (key == Qt::Key_Question || event->text() == "?") {
        showHint();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGameForm::mousePressEvent(QMouseEvent *event)
{
    // A press on the sheet's boxes, a disabled button or the window itself hands the game back.
    handBack();
    QWidget::mousePressEvent(event);
}
