#include "app/tmainform.h"
#include "game/tgameform.h"

#include "tests/ui/programfixture.h"

#include <QApplication>
#include <QLabel>

#include <vector>

// Under a dark desktop palette or high contrast every coloured text keeps the background it
// was chosen for, so no navy or red text lands on black.
TEST_F(ProgramTest, ColouredTextsLookTheSameUnderADarkPalette)
{
    start();
    const QPalette light = QApplication::palette();
    std::vector<QLabel *> coloured;
    for (QWidget *window : {static_cast<QWidget *>(&windows->mainForm()),
                            static_cast<QWidget *>(&windows->gameForm())})
        for (QLabel *label : window->findChildren<QLabel *>())
            if (label->palette().color(QPalette::WindowText) != light.color(QPalette::WindowText))
                coloured.push_back(label);
    // The game window's captions and value boxes, the pages' headings and the records' titles.
    ASSERT_GE(coloured.size(), 40u);
    const auto looks = [&coloured] {
        std::vector<QImage> seen;
        for (const QLabel *label : coloured)
            seen.push_back(label->parentWidget()->grab(label->geometry()).toImage());
        return seen;
    };
    const auto before = looks();
    QApplication::setPalette(QPalette(QColor(32, 32, 32)));
    const auto after = looks();
    QApplication::setPalette(light);
    for (std::size_t i = 0; i < coloured.size(); ++i)
        EXPECT_EQ(after[i], before[i]) << coloured[i]->objectName().toStdString();
}
