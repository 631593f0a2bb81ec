#pragma once

#include "app/tmainform.h"
#include "coach/practiceseats.h"
#include "game/diepictures.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class ClubBook;
class CoachLoader;
class GameJudge;
class Clock;
class PasswordAsker;
class EventPump;
class RandomSource;
class SoundBoard;
class TAboutForm;
class TAddPlayerForm;
class TGameForm;
class TPasswordForm;
class TPracticeForm;
class TStatForm;

// Every window of the program, handed to the main window; they live until the program ends. The
// main window, the championship round window and the award dialog are made at start-up, the
// others on their first use. What the game window needs is checked at start-up all the same.
class ProgramWindows
{
public:
    struct Services {
        SharedData &data;
        DataFiles &files;
        RandomSource &random;
        MessageBoxes &boxes;
        const Clock &clock;
        SoundBoard &sounds;
        EventPump &pump;
        // The game folder, where the data, settings and die pictures are: the working folder when
        // empty.
        std::filesystem::path folder = {};
        std::function<bool(const QString &)> openText;
    };

    // nullptr when the die pictures cannot be used: the error was shown and the program ends.
    static std::unique_ptr<ProgramWindows> create(Services services);
    ~ProgramWindows();

    TMainForm &mainForm() { return *m_mainForm; }
    TChamForm &chamForm() { return *m_chamForm; }
    TPraiseForm &praiseForm() { return *m_praiseForm; }
    CoachLoader &coach() { return *m_coach; }
    // Made on first use: start-up does not pay for windows it does not show.
    TGameForm &gameForm();
    TClubForm &clubForm();
    TAddPlayerForm &addPlayerForm();
    TPasswordForm &passwordForm();
    TLoadForm &loadForm();
    TNewForm &newForm();
    TAboutForm &aboutForm();
    TPracticeForm &practiceForm();
    TStatForm &statForm();

private:
    ProgramWindows(const Services &services, std::unique_ptr<TMainForm> mainForm);

    // What the windows made on first use are made with.
    Services m_services;

    // The main window goes last: its dialogs are its children, and it writes the settings.
    std::unique_ptr<TMainForm> m_mainForm;
    // Read at start-up, for the game window to take when it is made.
    std::optional<DiePictures> m_diePictures;
    std::unique_ptr<TGameForm> m_gameForm;
    std::unique_ptr<ClubBook> m_club;
    TAddPlayerForm *m_addPlayerForm = nullptr;
    TPasswordForm *m_passwordForm = nullptr;
    // Asks through the password window, making it at the first question.
    std::unique_ptr<PasswordAsker> m_passwords;
    TClubForm *m_clubForm = nullptr;
    TLoadForm *m_loadForm = nullptr;
    TNewForm *m_newForm = nullptr;
    std::unique_ptr<TChamForm> m_chamForm;
    TPraiseForm *m_praiseForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
    TPracticeForm *m_practiceForm = nullptr;
    // Taken at start-up: the club's first member then is the one the dialog first offers.
    PracticeSetup m_firstPractice;
    // The coach, made ready on first need and shared by every window that asks him.
    std::unique_ptr<CoachLoader> m_coach;
    std::unique_ptr<GameJudge> m_judge;
    TStatForm *m_statForm = nullptr;
};
