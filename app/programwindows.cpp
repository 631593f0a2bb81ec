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

namespace
{

// The window that form holds (a pointer or a unique_ptr), made by make on the first call.
template <typename Holder, typename Make> auto &madeOnFirstUse(Holder &form, Make make)
{
    if (!form)
        form = make();
    return *form;
}

class PasswordsOnDemand final : public PasswordAsker
{
public:
    explicit PasswordsOnDemand(std::function<PasswordAsker &()> asker) : m_asker(std::move(asker))
    {
    }

    bool AskPassword(const std::string &prompt, const Str17 &expected) override
    {
        return m_asker().AskPassword(prompt, expected);
    }

private:
    std::function<PasswordAsker &()> m_asker;
};

} // namespace

ProgramWindows::ProgramWindows(const Services &services, std::unique_ptr<TMainForm> mainForm)
    : m_services(services), m_mainForm(std::move(mainForm)),
      m_passwords(std::make_unique<PasswordsOnDemand>(
          [this]() -> PasswordAsker & { return passwordForm(); }))
{
}

ProgramWindows::~ProgramWindows() = default;

std::unique_ptr<ProgramWindows> ProgramWindows::create(Services s)
{
    // The main window loads the data files; the other windows work on them from then on.
    std::unique_ptr<ProgramWindows> windows(
        new ProgramWindows(s, std::make_unique<TMainForm>(TMainForm::Services{
                                  s.data, s.files, s.boxes, s.folder, s.openText})));
    TMainForm *main = windows->m_mainForm.get();
    s.sounds.names = main->soundNames();
    // The game window is made at its first game, but a start without die pictures ends here.
    windows->m_diePictures = TGameForm::prepare(s.boxes, s.sounds, qtPath(s.folder));
    if (!windows->m_diePictures)
        return nullptr;

    windows->m_club = std::make_unique<ClubBook>(s.data, s.files, s.random, s.boxes);
    windows->m_chamForm = std::make_unique<TChamForm>();
    windows->m_praiseForm = new TPraiseForm(s.sounds, main);
    windows->m_firstPractice = firstPracticeSetup(s.data);
    windows->m_coach = std::make_unique<CoachLoader>(s.files.pathOf(kCoachCacheFile));
    CoachLoader &coach = *windows->m_coach;
    windows->m_judge = std::make_unique<GameJudge>(
        GameJudge::Services{s.data, s.files, s.clock, [&coach, main] { return coach.load(main); }});

    ProgramWindows *w = windows.get();
    TMainForm::Companions companions;
    companions.gameForm = [w]() -> TGameForm & { return w->gameForm(); };
    companions.passwords = windows->m_passwords.get();
    companions.random = &s.random;
    companions.clock = &s.clock;
    companions.clubForm = [w]() -> TClubForm & { return w->clubForm(); };
    companions.loadForm = [w]() -> TLoadForm & { return w->loadForm(); };
    companions.newForm = [w]() -> TNewForm & { return w->newForm(); };
    companions.chamForm = windows->m_chamForm.get();
    companions.praiseForm = windows->m_praiseForm;
    companions.aboutForm = [w]() -> QDialog & { return w->aboutForm(); };
    companions.practiceForm = [w]() -> TPracticeForm & { return w->practiceForm(); };
    companions.coach = windows->m_coach.get();
    companions.judge = windows->m_judge.get();
    companions.statForm = [w]() -> TStatForm & { return w->statForm(); };
    main->setCompanions(companions);
    return windows;
}

TGameForm &ProgramWindows::gameForm()
{
    return madeOnFirstUse(m_gameForm, [this] {
        const Services &s = m_services;
        return std::make_unique<TGameForm>(
            DiceGame::Services{s.data, s.files, s.random, s.boxes, s.clock}, s.sounds, s.pump,
            std::move(*m_diePictures));
    });
}

TClubForm &ProgramWindows::clubForm()
{
    return madeOnFirstUse(m_clubForm, [this] {
        return new TClubForm(*m_club, addPlayerForm(), *m_passwords, m_mainForm.get());
    });
}

TAddPlayerForm &ProgramWindows::addPlayerForm()
{
    return madeOnFirstUse(m_addPlayerForm,
                          [this] { return new TAddPlayerForm(m_services.data, m_mainForm.get()); });
}

TPasswordForm &ProgramWindows::passwordForm()
{
    return madeOnFirstUse(m_passwordForm,
                          [this] { return new TPasswordForm(m_services.boxes, m_mainForm.get()); });
}

TLoadForm &ProgramWindows::loadForm()
{
    return madeOnFirstUse(m_loadForm, [this] {
        return new TLoadForm(m_services.data, m_services.boxes, m_mainForm.get());
    });
}

TNewForm &ProgramWindows::newForm()
{
    return madeOnFirstUse(m_newForm, [this] {
        const Services &s = m_services;
        return new TNewForm(s.data, s.files, s.random, s.boxes, loadForm(), m_mainForm.get());
    });
}

TAboutForm &ProgramWindows::aboutForm()
{
    return madeOnFirstUse(m_aboutForm, [this] { return new TAboutForm(m_mainForm.get()); });
}

TPracticeForm &ProgramWindows::practiceForm()
{
    return madeOnFirstUse(m_practiceForm, [this] {
        return new TPracticeForm(m_services.data, m_firstPractice, m_mainForm.get());
    });
}

TStatForm &ProgramWindows::statForm()
{
    return madeOnFirstUse(m_statForm, [this] {
        return new TStatForm({m_services.data, m_services.boxes, *m_coach}, m_mainForm.get());
    });
}
