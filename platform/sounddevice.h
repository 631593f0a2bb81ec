#pragma once

#include <string>

// A media player for one wave file at a time: open, play without waiting, stop, close.
class SoundDevice
{
public:
    virtual ~SoundDevice() = default;
    virtual bool open(const std::string &file) = 0;
    virtual void play() = 0;
    virtual bool isPlaying() const = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
};
