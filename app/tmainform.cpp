#include "app/tmainform.h"

#include "app/ratingsheet.h"
#include "app/recordsheet.h"
#include "app/standingssheet.h"
#include "app/tpracticeform.h"
#include "competition/newcompetition.h"
#include "competition/roundservices.h"
#include "competition/tchamform.h"
#include "competition/tloadform.h"
#include "competition/tnewform.h"
#include "competition/tournamentround.h"
#include "data/datafiles.h"
#include "data/tclubform.h"
#include "game/tgameform.h"
#include "platform/hintheader.h"
#include "platform/hinttext.h"
#include "platform/messageboxes.h"
#include "platform/programtitle.h"
#include "results/prizes.h"
#include "results/tpraiseform.h"
#include "results/tstatform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>

TMainForm::TMainForm(Services services, QWidget *parent)
    : QMainWindow(parent), m_services(std::move(services)), m_data(m_services.data)
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    buildPages();
    buildMenus();
    m_mainStatusBar = statusBar();
    m_mainStatusBar->setObjectName(QStringLiteral("MainStatusBar"));
    m_mainStatusBar->setSizeGripEnabled(false);
    // Single border: the pages are laid out for one size.
    setFixedSize(sizeHint());
    FormCreate();
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

void TMainForm::buildPages()
{
    m_pageControl1 = new QTabWidget(this);
    m_pageControl1->setObjectName(QStringLiteral("PageControl1"));
    m_turnirSheet = makeTurnirSheet(m_pageControl1);
    m_championSheet = makeChampionSheet(m_pageControl1);
    m_raytingSheet = new RatingSheet(m_data, m_pageControl1);
    m_recordSheet = new RecordSheet(m_data, m_pageControl1);
    m_pageControl1->addTab(m_turnirSheet, QStringLiteral("Турнир"));
    m_pageControl1->addTab(m_championSheet, QStringLiteral("Чемпионат"));
    m_pageControl1->addTab(m_raytingSheet, QStringLiteral("Рейтинг"));
    m_pageControl1->addTab(m_recordSheet, QStringLiteral("Рекорды"));
    m_pageControl1->setCurrentWidget(m_turnirSheet);
    setCentralWidget(m_pageControl1);

    connect(m_turnirSheet->continueButton(), &QPushButton::clicked, this,
            &TMainForm::TurContinueButtonClick);
    connect(m_championSheet->continueButton(), &QPushButton::clicked, this,
            &TMainForm::ChamContinueButtonClick);
    connect(m_turnirSheet->praiseButton(), &QPushButton::clicked, this,
            &TMainForm::TurPraiseButtonClick);
    connect(m_championSheet->praiseButton(), &QPushButton::clicked, this,
            &TMainForm::ChamPraiseButtonClick);

    for (HintHeader *header :
         {m_turnirSheet->header(), m_championSheet->header(), m_raytingSheet->header(),
          m_recordSheet->gameHeader(), m_recordSheet->prizeHeader()})
        connect(header, &HintHeader::hintChanged, this, &TMainForm::DisplayHint);
}

QAction *TMainForm::addItem(QMenu *menu, const QString &name, const QString &text, int key,
                            const QString &hint, void (TMainForm::*handler)())
{
    QAction *item = menu->addAction(text);
    item->setObjectName(name);
    if (key != 0)
        item->setShortcut(QKeySequence(key));
    item->setStatusTip(hint);
    connect(item, &QAction::triggered, this, handler);
    // Short-cuts work also while the menu bar is not open.
    addAction(item);
    return item;
}

void TMainForm::buildMenus()
{
    QMenu *game = menuBar()->addMenu(QStringLiteral("&Игра"));
    addItem(game, "NewTurMenuItem", "Новый турнир...", Qt::Key_F2, "Начать новый турнир",
            &TMainForm::NewTurMenuItemClick);
    addItem(game, "NewChamMenuItem", "Новый чемпионат...", Qt::Key_F3, "Начать новый чемпионат",
            &TMainForm::NewChamMenuItenClick);
    addItem(game, "LoadMenuItem", "Загрузить игру...", Qt::Key_F4,
            "Загрузить ренее начатый турнир или чемпионат", &TMainForm::LoadMenuItemClick);
    addItem(game, "PracticeMenuItem", "Тренировка...", Qt::Key_F12,
            "Тренировочная партия с подсказками тренера; в результатах не учитывается",
            &TMainForm::PracticeMenuItemClick);
    addItem(game, "ClubMenuItem", "Клуб игроков...", Qt::Key_F5, "Добавление и удаление игроков",
            &TMainForm::ClubMenuItemClick);
    m_soundMenuItem = addItem(game, "SoundMenuItem", "Звук", Qt::Key_F6,
                              "|Включить(отключить) звук", &TMainForm::SoundMenuItemClick);
    m_soundMenuItem->setCheckable(true);
    game->addSeparator();
    addItem(game, "ExitMenuItem", "Выход", Qt::Key_F10, "Выйти из программы",
            &TMainForm::ExitMenuItemClick);

    QMenu *results = menuBar()->addMenu(QStringLiteral("&Результаты"));
    addItem(results, "RecordMenuItem", "Рекорды", Qt::Key_F7, "Посмотреть рекорды",
            &TMainForm::RecordMenuItemClick);
    addItem(results, "RaytingMenuItem", "Рейтинг", Qt::Key_F8, "Посмотреть рейтинг",
            &TMainForm::RaytingMenuItemClick);
    addItem(results, "StatMenuItem", "Статистика...", Qt::Key_F9, "|Статистика игрока",
            &TMainForm::StatMenuItemClick);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&?"));
    addItem(help, "HelpMenuItem", "Помощь...", Qt::Key_F1, "Помощь по программе",
            &TMainForm::HelpMenuItemClick);
    addItem(help, "InfoMenuItem", "Информация...", 0, "Информация по программе",
            &TMainForm::InfoMenuitemClick);
    addItem(help, "AboutMenuItem", "Об игре...", Qt::Key_F11, "Краткая информация о программе",
            &TMainForm::AboutMenuItemClick);
}

void TMainForm::FormCreate()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
    // Hints reach DisplayHint through event(); the random source was seeded when it was made.
    readSoundSettings(m_services.folder / kSettingsFile, m_data.SoundOn, m_soundNames);
    m_soundMenuItem->setChecked(m_data.SoundOn);
    m_data.CurTurSlot = 0;
    m_data.CurChamSlot = 0;
    m_services.files.LoadAll();
    DrawRatingTable();
    DrawRecordTables();
}

void TMainForm::FormDestroy()
{
    if (!writeSoundSettings(m_services.folder / kSettingsFile, m_data.SoundOn, m_soundNames))
        m_services.boxes.show(MessageBoxes::Kind::Warning,
                              std::string("Не удается записать файл ") + kSettingsFile +
                                  "!\r\nНастройки звука не сохранены.");
}

void TMainForm::DrawRatingTable()
{
    m_raytingSheet->DrawRatingTable();
}

void TMainForm::DrawRecordTables()
{
    m_recordSheet->DrawRecordTables();
}

void TMainForm::DisplayHint(const QString &hint)
{
    m_mainStatusBar->showMessage(longHint(hint));
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        DisplayHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::setCompanions(const Companions &companions)
{
    m_companions = companions;
}

bool TMainForm::busy() const
{
    return m_data.gameRunning || (m_companions.chamForm && m_companions.chamForm->isVisible());
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A game or a championship round runs in a nested event loop that needs this window.
    if (busy()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void TMainForm::DrawTournamentStandings()
{
    m_turnirSheet->drawStandings(m_data, busy());
}

void TMainForm::DrawChampionshipStandings()
{
    m_championSheet->drawStandings(m_data, busy());
}

void TMainForm::showPageOf(CompetitionKind kind)
{
    m_pageControl1->setCurrentWidget(kind == CompetitionKind::Championship ? m_championSheet
                                                                           : m_turnirSheet);
}

void TMainForm::showResults(CompetitionKind kind, bool recordsChanged)
{
    if (recordsChanged)
        DrawRecordTables();
    DrawTournamentStandings();
    DrawChampionshipStandings();
    DrawRatingTable();
    showPageOf(kind);
}

void TMainForm::newCompetition(CompetitionKind kind)
{
    if (busy() || !m_companions.newForm || !m_companions.newForm().open(kind))
        return;
    showResults(kind, false);
}

void TMainForm::NewTurMenuItemClick()
{
    newCompetition(CompetitionKind::Tournament);
}

void TMainForm::NewChamMenuItenClick()
{
    newCompetition(CompetitionKind::Championship);
}

void TMainForm::LoadMenuItemClick()
{
    if (busy() || !m_companions.loadForm)
        return;
    const int slot = m_companions.loadForm().chooseSlot(
        TLoadForm::Mode::Loading, QStringLiteral("Выберите слот для загрузки"));
    if (slot == 0)
        return;
    showResults(MakeCurrent(m_data, slot), false);
}

void TMainForm::ClubMenuItemClick()
{
    if (busy() || !m_companions.clubForm)
        return;
    m_companions.clubForm().exec();
    DrawRatingTable();
}

RoundServices TMainForm::roundServices()
{
    return {m_data,
            m_services.files,
            *m_companions.random,
            m_services.boxes,
            *m_companions.passwords,
            m_companions.gameForm().game(),
            m_companions.judge};
}

void TMainForm::TurContinueButtonClick()
{
    if (busy() || !m_companions.gameForm)
        return;
    RoundServices services = roundServices();
    const TournamentOutcome outcome = PlayTournamentRound(services);
    // The round has shown its records message; a quit game may have changed them too.
    if (outcome.gamePlayed)
        showResults(CompetitionKind::Tournament, outcome.recordsChanged);
}

void TMainForm::ChamContinueButtonClick()
{
    if (busy() || !m_companions.gameForm || !m_companions.chamForm)
        return;
    m_championSheet->continueButton()->setEnabled(false);
    m_championSheet->allCheckBox()->setEnabled(false);
    RoundServices services = roundServices();
    const ChampionshipOutcome outcome = PlayChampionshipRound(
        services, *m_companions.chamForm, m_championSheet->allCheckBox()->isChecked());
    showResults(CompetitionKind::Championship, outcome.played);
}

void TMainForm::givePrizes(CompetitionKind kind)
{
    if (busy() || !m_companions.praiseForm || !m_companions.clock)
        return;
    const bool records =
        GivePrizes(m_data, m_services.files, *m_companions.clock, *m_companions.praiseForm,
                   kind == CompetitionKind::Championship);
    if (records)
        m_services.boxes.show(MessageBoxes::Kind::Information, kRecordsChangedText);
    // The slot is free now: the page keeps its picture and offers neither button.
    showResults(kind, records);
}

void TMainForm::TurPraiseButtonClick()
{
    givePrizes(CompetitionKind::Tournament);
}

void TMainForm::ChamPraiseButtonClick()
{
    givePrizes(CompetitionKind::Championship);
}

void TMainForm::SoundMenuItemClick()
{
    m_data.SoundOn = m_soundMenuItem->isChecked();
}

void TMainForm::ExitMenuItemClick()
{
    close();
}

void TMainForm::RecordMenuItemClick()
{
    m_pageControl1->setCurrentWidget(m_recordSheet);
}

void TMainForm::RaytingMenuItemClick()
{
    m_pageControl1->setCurrentWidget(m_raytingSheet);
}

void TMainForm::StatMenuItemClick()
{
    // Only reads, like the rating and record pages: it opens during a game too.
    if (m_companions.statForm)
        m_companions.statForm().showStatistics();
}

void TMainForm::openHelpText(const QString &name)
{
    if (!m_services.openText(name))
        m_services.boxes.show(MessageBoxes::Kind::Warning,
                              "Не удается открыть файл " + name.toStdString() + " !");
}

void TMainForm::HelpMenuItemClick()
{
    openHelpText(QStringLiteral("how_play.txt"));
}

void TMainForm::InfoMenuitemClick()
{
    openHelpText(QStringLiteral("readme.txt"));
}

void TMainForm::AboutMenuItemClick()
{
    if (m_companions.aboutForm)
        m_companions.aboutForm().exec();
}

void TMainForm::PracticeMenuItemClick()
{
    if (busy() || !m_companions.practiceForm || !m_companions.gameForm || !m_companions.coach)
        return;
    PracticeServices services{m_data,
                              *m_companions.random,
                              m_services.boxes,
                              m_companions.gameForm(),
                              m_companions.practiceForm(),
                              *m_companions.coach};
    PlayPractice(services);
}
