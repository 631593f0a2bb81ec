#pragma once

#include "app/tmainform.h"
#include "data/datafiles.h"

#include "tests/support/scriptedboxes.h"
#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable texts in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// The main window on a fresh folder of its own, with scripted boxes and a recording text viewer.
class MainFormTest : public ::testing::Test
{
protected:
    void start();
    // Ends the program (the settings are written) and starts it again on the same folder.
    void restart();
    // Shows the window and makes it the active one, so its short-cuts work.
    void showActive();
    std::vector<std::string> shownTexts() const;

    TempFolder folder;
    ScriptedBoxes boxes;
    std::unique_ptr<SharedData> data;
    std::unique_ptr<DataFiles> files;
    std::vector<QString> opened;
    bool viewerWorks = true;
    std::unique_ptr<TMainForm> form;
};
