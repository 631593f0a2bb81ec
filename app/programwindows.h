#pragma once

#include "app/tmainform.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>

class ClubBook;
class CoachLoader;
class GameJudge;
class Clock;
class EventPump;
class RandomSource;
class SoundBoard;
class TAboutForm;
class TAddPlayerForm;
class TGameForm;
class TPasswordForm;
class TPracticeForm;
class TStatForm;

// Every window of the program, created once at start-up in the program's order and handed to
// the main window; they live until the program ends.
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
    TGameForm &gameForm() { return *m_gameForm; }
    TClubForm &clubForm() { return *m_clubForm; }
    TAddPlayerForm &addPlayerForm() { return *m_addPlayerForm; }
    TPasswordForm &passwordForm() { return *m_passwordForm; }
    TLoadForm &loadForm() { return *m_loadForm; }
    TNewForm &newForm() { return *m_newForm; }
    TChamForm &chamForm() { return *m_chamForm; }
    TPraiseForm &praiseForm() { return *m_praiseForm; }
    TAboutForm &aboutForm() { return *m_aboutForm; }
    TPracticeForm &practiceForm() { return *m_practiceForm; }
    CoachLoader &coach() { return *m_coach; }
    // Made on first use: start-up does not pay for a window few open.
    TStatForm &statForm();

private:
    explicit ProgramWindows(std::unique_ptr<TMainForm> mainForm);

    // The main window goes last: its dialogs are its children, and it writes the settings.
    std::unique_ptr<TMainForm> m_mainForm;
    std::unique_ptr<TGameForm> m_gameForm;
    std::unique_ptr<ClubBook> m_club;
    TAddPlayerForm *m_addPlayerForm = nullptr;
    TPasswordForm *m_passwordForm = nullptr;
    TClubForm *m_clubForm = nullptr;
    TLoadForm *m_loadForm = nullptr;
    TNewForm *m_newForm = nullptr;
    std::unique_ptr<TChamForm> m_chamForm;
    TPraiseForm *m_praiseForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
    TPracticeForm *m_practiceForm = nullptr;
    // The coach, made ready on first need and shared by every window that asks him.
    std::unique_ptr<CoachLoader> m_coach;
    std::unique_ptr<GameJudge> m_judge;
    TStatForm *m_statForm = nullptr;
    // What the statistics window is made with when first asked for.
    const SharedData *m_data = nullptr;
    MessageBoxes *m_boxes = nullptr;
};
