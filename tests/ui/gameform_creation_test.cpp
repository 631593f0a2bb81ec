#include "platform/qtpaths.h"
#include "tests/ui/gameformfixture.h"

#include <QDir>
#include <QLabel>

#include <gmock/gmock.h>

#include <filesystem>

using namespace gameformtest;

namespace
{

class GameFormCreation : public GameFormBase
{
protected:
    std::unique_ptr<TGameForm> create()
    {
        return TGameForm::create(services(random), sounds, pump, qtPath(folder.path()));
    }

    // The pictures file cut or grown to size bytes.
    void resizePictures(std::size_t size) const
    {
        std::vector<uint8_t> bytes = folder.read(DiePictures::kFile);
        bytes.resize(size, 0);
        folder.write(DiePictures::kFile, bytes);
    }

    void expectRefused(const char *text)
    {
        EXPECT_EQ(create(), nullptr);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, MessageBoxes::Kind::Error);
        EXPECT_EQ(boxes.shown[0].text, text);
        boxes.shown.clear();
    }

    std::set<std::string> folderContents() const
    {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(folder.path()))
            names.insert(entry.path().filename().string());
        return names;
    }
};

const char *const kCannotOpen = "Не удается найти или открыть файл vertoxwn.dat !";
const char *const kWrongFile = "Неправильный файл vertoxwn.dat !";

} // namespace

TEST_F(GameFormCreation, RefusesMissingOrWronglySizedPictures)
{
    expectRefused(kCannotOpen);

    copyPictures();
    resizePictures(9107);
    expectRefused(kWrongFile);

    copyPictures();
    resizePictures(9109);
    expectRefused(kWrongFile);

    // The right size but no pictures in it.
    folder.write(DiePictures::kFile, std::vector<uint8_t>(9108, 0x42));
    expectRefused(kWrongFile);

    // Six pictures whose fourth is damaged.
    copyPictures();
    std::vector<uint8_t> bytes = folder.read(DiePictures::kFile);
    bytes[3 * 1518] = 'X';
    folder.write(DiePictures::kFile, bytes);
    expectRefused(kWrongFile);
}

TEST_F(GameFormCreation, ReadsThePicturesFromTheWorkingFolderWithoutScratchFiles)
{
    copyPictures();
    const auto before = folderContents();
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(qtPath(folder.path())));
    const auto form = TGameForm::create(services(random), sounds, pump);
    QDir::setCurrent(previous);

    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(folderContents(), before);
    EXPECT_FALSE(std::filesystem::exists(folder.file("temp.bmp")));
}

TEST_F(GameFormCreation, SilencesSoundFilesThatCannotBeOpened)
{
    copyPictures();
    sounds.names[3] = SoundBoard::kNone;
    device.unplayable = {"write.wav", "badpriz.wav"};
    ASSERT_NE(create(), nullptr);

    EXPECT_EQ(sounds.names[4], SoundBoard::kNone);
    EXPECT_EQ(sounds.names[8], SoundBoard::kNone);
    EXPECT_EQ(sounds.names[1], "yourturn.wav");
    EXPECT_EQ(sounds.names[7], "goodpriz.wav");
    // A name already silenced is not tried.
    EXPECT_THAT(device.opened, testing::Not(testing::Contains(SoundBoard::kNone)));
    EXPECT_EQ(device.opened.size(), 7u);
}

TEST_F(GameFormCreation, IsAFixedWindowWithTheSheetLaidOutInTwoBlocks)
{
    copyPictures();
    const auto form = create();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->size(), QSize(460, 417));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());

    const auto geometry = [&](const QString &name) {
        return form->findChild<QWidget *>(name)->geometry();
    };
    EXPECT_EQ(geometry("NameLabel1"), QRect(2, 4, 80, 16));
    EXPECT_EQ(geometry("ValueBox6"), QRect(84, 104, 50, 16));
    // Ten pixels set the face rows apart from the rest.
    EXPECT_EQ(geometry("NameLabel7"), QRect(2, 134, 80, 16));
    EXPECT_EQ(geometry("ValueBox16"), QRect(84, 314, 50, 16));
    EXPECT_EQ(geometry("ValueBox17"), QRect(84, 344, 50, 16));
    EXPECT_EQ(geometry("WriteButton1"), QRect(136, 2, 20, 20));
    EXPECT_EQ(geometry("WriteButton7"), QRect(136, 132, 20, 20));
    EXPECT_EQ(geometry("DieButton3"), QRect(139, 60, 20, 20));
    EXPECT_EQ(geometry("PlaceImage").size(), QSize(297, 201));
    EXPECT_EQ(geometry("CubeImage").size(), QSize(296, 141));
    EXPECT_EQ(form->findChild<QLabel *>("NameLabel10")->text(), "Покер:");
    EXPECT_EQ(form->findChild<QLabel *>("NameLabel17")->text(), "Всего:");

    // Every part lies inside the window and the blocks do not overlap, as shown.
    form->show();
    for (const QWidget *child : form->findChildren<QWidget *>()) {
        const QRect place(child->mapTo(form.get(), QPoint(0, 0)), child->size());
        EXPECT_TRUE(form->rect().contains(place)) << child->objectName().toStdString();
    }
    const auto inForm = [&](const QString &name) {
        const QWidget *widget = form->findChild<QWidget *>(name);
        return QRect(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
    };
    const QRect blocks[] = {inForm("StatusPanel"), inForm("PutPanel"), inForm("PlaceImage"),
                            inForm("CubePanel"), inForm("StatusBar")};
    for (std::size_t a = 0; a < std::size(blocks); ++a) {
        for (std::size_t b = a + 1; b < std::size(blocks); ++b)
            EXPECT_FALSE(blocks[a].intersects(blocks[b])) << a << " and " << b;
    }
}
