#include "tests/ui/gameformfixture.h"
#include "platform/qtpaths.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

namespace gameformtest
{

bool FakeSoundDevice::open(const std::string &file)
{
    opened.push_back(file);
    if (unplayable.count(file))
        return false;
    m_current = file;
    return true;
}

void FakeSoundDevice::play()
{
    played.push_back(m_current);
    m_playing = true;
}

GameFormBase::GameFormBase()
{
    files.LoadAll();
    boxes.shown.clear();
    data->CurDifficulty = 5;
    data->ClubCount = 1;
    data->ClubNames[1] = Str17::fromText("Аня");
    data->Rating[31].Name = data->ClubNames[1];
    sounds.names = {{"yourturn.wav", "movecube.wav", "showcube.wav", "write.wav", "downwr.wav",
                     "waitpriz.wav", "goodpriz.wav", "badpriz.wav"}};
}

DiceGame::Services GameFormBase::services(RandomSource &source)
{
    return {*data, files, source, boxes, clock};
}

void GameFormBase::copyPictures() const
{
    std::filesystem::copy_file(VERTOX_GAME_DIR "/vertoxwn.dat", folder.file(DiePictures::kFile),
                               std::filesystem::copy_options::overwrite_existing);
}

void GameFormTest::SetUp()
{
    copyPictures();
    form = TGameForm::create(services(random), sounds, pump, qtPath(folder.path()));
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(boxes.shown.empty());
}

void GameFormTest::seat(std::initializer_list<std::pair<const char *, int>> seats)
{
    setup = {};
    setup.difficulty = 5;
    for (const auto &[name, level] : seats)
        setup.seat(Str17::fromText(name), uint8_t(level));
}

DiceGame::Result GameFormTest::play(const std::function<void()> &script, const std::string &caption)
{
    bool ran = false;
    QTimer::singleShot(0, form.get(), [&] {
        script();
        ran = true;
        if (data->gameRunning) {
            boxes.answer(true);
            form->close();
        }
    });
    setup.caption = caption;
    const DiceGame::Result result = form->PlayGame(setup);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(form->isVisible());
    return result;
}

QAbstractButton *GameFormTest::button(const QString &name) const
{
    auto *found = form->findChild<QAbstractButton *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QLabel *GameFormTest::label(const QString &name) const
{
    auto *found = form->findChild<QLabel *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QString GameFormTest::cell(int row) const
{
    return label(QString("ValueBox%1").arg(row))->text();
}

void GameFormTest::click(const QString &name)
{
    QTest::mouseClick(button(name), Qt::LeftButton);
}

void GameFormTest::clickDice(int x, int y)
{
    QTest::mouseClick(form->findChild<QWidget *>("CubeImage"), Qt::LeftButton, {}, QPoint(x, y));
}

void GameFormTest::key(int key)
{
    QTest::keyClick(form.get(), Qt::Key(key));
}

void GameFormTest::beginHumanTurn(int bonus)
{
    random.pushUniform(1, bonus);
    click("GoButton");
}

void GameFormTest::throwDice(const QString &name, std::initializer_list<int> faces)
{
    for (int face : faces)
        random.pushFace(face);
    click(name);
}

void GameFormTest::computerTurn(int bonus, int combination, int e)
{
    for (int draw : {bonus, combination, e})
        random.pushUniform(1, draw);
    for (int r : {1, 1, 2})
        random.pushUniform(1, r);
    click("GoButton");
}

QImage GameFormTest::shot() const
{
    return form->grab().toImage();
}

QRect GameFormTest::placeIn(const QWidget *widget) const
{
    return QRect(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
}

QRect GameFormTest::dieCell(int row, int column) const
{
    const QPoint cube = placeIn(form->findChild<QWidget *>("CubeImage")).topLeft();
    return QRect(cube + QPoint(60 * (column - 1) + 5, 80 * row - 75), QSize(50, 50));
}

QImage GameFormTest::face(int face) const
{
    // Straight from the file's bytes, so a mix-up in reading it cannot go unnoticed.
    const std::vector<uint8_t> bytes = folder.read(DiePictures::kFile);
    const auto *piece = bytes.data() + (face - 1) * 1518;
    return QImage::fromData(piece, 1518, "BMP").convertToFormat(QImage::Format_RGB32);
}

} // namespace gameformtest
