#pragma once

#include "app/settings.h"
#include "data/shareddata.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>

class Clock;
class DataFiles;
class GameJudge;
class MessageBoxes;
class PasswordAsker;
class QAction;
class QStatusBar;
class QTabWidget;
class RatingSheet;
class RecordSheet;
class RandomSource;
struct RoundServices;
class StandingsSheet;
class TChamForm;
class TClubForm;
class TGameForm;
class TLoadForm;
class TNewForm;
class TPracticeForm;
class CoachLoader;
class TPraiseForm;
class TStatForm;
enum class CompetitionKind;

// The main window: loads every data file when created, shows the competitions, the rating and
// the records on its pages, and holds the menus.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    struct Services {
        SharedData &data;
        DataFiles &files;
        MessageBoxes &boxes;
        // Where vertoxwn.ini lives: the game folder, the working folder when empty.
        std::filesystem::path folder = {};
        // Opens a help text by bare name (openTextFile); false when it is missing or unreadable.
        std::function<bool(const QString &)> openText;
    };

    // The windows created after this one and what they play with: the menu commands and the
    // page buttons hand their work to them. A command whose window is missing does nothing.
    // The windows behind functions are made on their first use.
    struct Companions {
        PasswordAsker *passwords = nullptr;
        RandomSource *random = nullptr;
        const Clock *clock = nullptr;
        TChamForm *chamForm = nullptr;
        TPraiseForm *praiseForm = nullptr;
        CoachLoader *coach = nullptr;
        GameJudge *judge = nullptr;
        std::function<TGameForm &()> gameForm;
        std::function<TClubForm &()> clubForm;
        std::function<TLoadForm &()> loadForm;
        std::function<TNewForm &()> newForm;
        std::function<QDialog &()> aboutForm;
        std::function<TPracticeForm &()> practiceForm;
        std::function<TStatForm &()> statForm;
    };

    explicit TMainForm(Services services, QWidget *parent = nullptr);
    ~TMainForm() override;

    void setCompanions(const Companions &companions);

    void DrawRatingTable();
    void DrawRecordTables();
    // Shows the long part of a hint (after "|") in the status bar.
    void DisplayHint(const QString &hint);

    // The sound files as the settings name them. The game plays from a copy of its own that
    // silences unplayable files for the run, so a file missing today is still named at exit.
    const SoundNames &soundNames() const { return m_soundNames; }

    // Draws the standings of the current competition of each kind on its page.
    void DrawTournamentStandings();
    void DrawChampionshipStandings();

    RatingSheet *ratingSheet() const { return m_raytingSheet; }
    RecordSheet *recordSheet() const { return m_recordSheet; }

signals:
    // The window has closed for good: the program ends.
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPages();
    void buildMenus();
    QAction *addItem(QMenu *menu, const QString &name, const QString &text, int key,
                     const QString &hint, void (TMainForm::*handler)());
    void FormCreate();
    void FormDestroy();
    void openHelpText(const QString &name);
    // A game or a championship round is under way: competition and club commands wait.
    bool busy() const;
    void newCompetition(CompetitionKind kind);
    void showPageOf(CompetitionKind kind);
    // After a round, a prize giving or a change of the current competitions: both standings
    // pages (a new competition may have taken the other kind's slot), the rating and, when they
    // changed, the records are drawn again, and the page of kind is shown.
    void showResults(CompetitionKind kind, bool recordsChanged);

    void TurContinueButtonClick();
    void ChamContinueButtonClick();
    void TurPraiseButtonClick();
    void ChamPraiseButtonClick();
    void givePrizes(CompetitionKind kind);
    RoundServices roundServices();

    void NewTurMenuItemClick();
    void NewChamMenuItenClick();
    void LoadMenuItemClick();
    void ClubMenuItemClick();
    void SoundMenuItemClick();
    void ExitMenuItemClick();
    void RecordMenuItemClick();
    void RaytingMenuItemClick();
    void StatMenuItemClick();
    void HelpMenuItemClick();
    void InfoMenuitemClick();
    void AboutMenuItemClick();
    void PracticeMenuItemClick();

    Services m_services;

    SoundNames m_soundNames;
    SharedData &m_data;
    QTabWidget *m_pageControl1 = nullptr;
    StandingsSheet *m_turnirSheet = nullptr;
    StandingsSheet *m_championSheet = nullptr;
    RatingSheet *m_raytingSheet = nullptr;
    RecordSheet *m_recordSheet = nullptr;
    QStatusBar *m_mainStatusBar = nullptr;
    QAction *m_soundMenuItem = nullptr;
    Companions m_companions;
};
