#include "tests/ui/mainformfixture.h"

#include "platform/qtpaths.h"
#include "platform/textviewer.h"

#include <QApplication>
#include <QTest>

void MainFormTest::start()
{
    data = std::make_unique<SharedData>();
    files = std::make_unique<DataFiles>(*data, boxes, folder.path());
    auto viewer = [this](const QString &name) {
        opened.push_back(name);
        return viewerWorks ||
               openTextFile(qtPath(folder.path()), name, [](const QString &) { return false; });
    };
    form = std::make_unique<TMainForm>(
        TMainForm::Services{*data, *files, boxes, folder.path(), viewer});
}

void MainFormTest::restart()
{
    form.reset();
    boxes.shown.clear();
    start();
}

void MainFormTest::showActive()
{
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

std::vector<std::string> MainFormTest::shownTexts() const
{
    std::vector<std::string> texts;
    for (const auto &box : boxes.shown)
        texts.push_back(box.text);
    return texts;
}
