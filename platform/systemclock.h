#pragma once

#include "platform/clock.h"

class SystemClock : public Clock
{
public:
    double today() const override;
};
