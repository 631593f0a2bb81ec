#pragma once

// Pauses that keep the window alive: a wait keeps handling window events.
class EventPump
{
public:
    virtual ~EventPump() = default;
    virtual void waitMs(unsigned ms) = 0;
};
