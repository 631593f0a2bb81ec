#include "app/tmainform.h"
#include "game/tgameform.h"

#include "tests/ui/programfixture.h"

#include <QApplication>
#include <QLabel>

#include <map>

// Under a dark desktop palette or high contrast every coloured text keeps the background it
// was chosen for, so no navy or red text lands on black.
TEST_F(ProgramTest, ColouredTextsLookTheSameUnderADarkPalette)
{
    // The program started under the application's palette: how its labels look, by name.
    const auto labels = [this] {
        start();
        std::map<QString, std::pair<QColor, QImage>> seen;
        for (QWidget *window : {static_cast<QWidget *>(&windows->mainForm()),
                                static_cast<QWidget *>(&windows->gameForm())})
            for (QLabel *label : window->findChildren<QLabel *>())
                seen[label->objectName()] = {label->palette().color(QPalette::WindowText),
                                             label->grab().toImage()};
        stop();
        return seen;
    };
    const QPalette light = QApplication::palette();
    const auto before = labels();
    QApplication::setPalette(QPalette(QColor(32, 32, 32)));
    const auto after = labels();
    QApplication::setPalette(light);
    int coloured = 0;
    for (const auto &[name, look] : before) {
        if (look.first == light.color(QPalette::WindowText))
            continue;
        ++coloured;
        EXPECT_EQ(after.at(name).second, look.second) << name.toStdString();
    }
    // The game window's captions and value boxes, the pages' headings, the award dialog's texts.
    EXPECT_GE(coloured, 40);
}
