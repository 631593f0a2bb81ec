#include "app/programwindows.h"

#include "app/taboutform.h"
#include "app/tpracticeform.h"
#include "coach/coachloader.h"
#include "coach/gamejudge.h"
#include "competition/tchamform.h"
#include "competition/tloadform.h"
#include "competition/tnewform.h"
#include "data/clubbook.h"
#include "data/datafiles.h"
#include "data/taddplayerform.h"
#include "data/tclubform.h"
#include "data/tpasswordform.h"
#include "game/soundboard.h"
#include "game/tgameform.h"
#include "platform/gamefiles.h"
#include "platform/qtpaths.h"
#include "results/tpraiseform.h"
#include "results/tstatform.h"

ProgramWindows::ProgramWindows(std::unique_ptr<TMainForm> mainForm)
    : m_mainForm(std::move(mainForm))
{
}

ProgramWindows::~ProgramWindows() = default;

std::unique_ptr<ProgramWindows> ProgramWindows::create(Services s)
{
    // The main window loads the data files; the other windows work on them from then on.
    std::unique_ptr<ProgramWindows> windows(new ProgramWindows(std::make_unique<TMainForm>(
        TMainForm::Services{s.data, s.files, s.boxes, s.folder, s.openText})));
    TMainForm *main = windows->m_mainForm.get();
    s.sounds.names = main->soundNames();
    windows->m_gameForm = TGameForm::create({s.data, s.files, s.random, s.boxes, s.clock}, s.sounds,
                                            s.pump, qtPath(s.folder));
    if (!windows->m_gameForm)
        return nullptr;

    windows->m_club = std::make_unique<ClubBook>(s.data, s.files, s.random, s.boxes);
    windows->m_addPlayerForm = new TAddPlayerForm(s.data, main);
    windows->m_passwordForm = new TPasswordForm(s.boxes, main);
    windows->m_clubForm =
        new TClubForm(*windows->m_club, *windows->m_addPlayerForm, *windows->m_passwordForm, main);
    windows->m_loadForm = new TLoadForm(s.data, s.boxes, main);
    windows->m_newForm =
        new TNewForm(s.data, s.files, s.random, s.boxes, *windows->m_loadForm, main);
    windows->m_chamForm = std::make_unique<TChamForm>();
    windows->m_praiseForm = new TPraiseForm(s.sounds, main);
    windows->m_aboutForm = new TAboutForm(main);
    windows->m_practiceForm = new TPracticeForm(s.data, main);
    windows->m_coach = std::make_unique<CoachLoader>(s.files.pathOf(kCoachCacheFile));
    CoachLoader &coach = *windows->m_coach;
    windows->m_judge = std::make_unique<GameJudge>(
        GameJudge::Services{s.data, s.files, s.clock, [&coach, main] { return coach.load(main); }});
    windows->m_data = &s.data;
    windows->m_boxes = &s.boxes;

    TMainForm::Companions companions;
    companions.gameForm = windows->m_gameForm.get();
    companions.passwords = windows->m_passwordForm;
    companions.random = &s.random;
    companions.clock = &s.clock;
    companions.clubForm = windows->m_clubForm;
    companions.loadForm = windows->m_loadForm;
    companions.newForm = windows->m_newForm;
    companions.chamForm = windows->m_chamForm.get();
    companions.praiseForm = windows->m_praiseForm;
    companions.aboutForm = windows->m_aboutForm;
    companions.practiceForm = windows->m_practiceForm;
    companions.coach = windows->m_coach.get();
    companions.judge = windows->m_judge.get();
    companions.statForm = [w = windows.get()]() -> TStatForm & { return w->statForm(); };
    main->setCompanions(companions);
    return windows;
}

TStatForm &ProgramWindows::statForm()
{
    if (!m_statForm)
        m_statForm = new TStatForm({*m_data, *m_boxes, *m_coach}, m_mainForm.get());
    return *m_statForm;
}
