#pragma once

#include "data/datafiles.h"
#include "platform/answeringboxes.h"
#include "platform/sounddevice.h"
#include "tests/support/unwatchedgame.h"

#include <filesystem>
#include <memory>

// A sound device that plays nothing, however often it is asked.
class SilentDevice : public SoundDevice
{
public:
    bool open(const std::string &) override { return true; }
    void play() override {}
    bool isPlaying() const override { return false; }
    void stop() override {}
    void close() override {}
};

// Shared records with their files in a temporary folder of the given name, removed afterwards.
struct BenchFiles {
    explicit BenchFiles(const char *name) : folder(std::filesystem::temp_directory_path() / name)
    {
        std::filesystem::create_directories(folder);
    }
    ~BenchFiles() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::unique_ptr<SharedData> data = std::make_unique<SharedData>();
    AnsweringBoxes boxes;
    DataFiles files{*data, boxes, folder};
};
