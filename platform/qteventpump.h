#pragma once

#include "platform/eventpump.h"

// Waits in a local event loop, so windows stay responsive and no core is kept busy.
class QtEventPump : public EventPump
{
public:
    void waitMs(unsigned ms) override;
};
