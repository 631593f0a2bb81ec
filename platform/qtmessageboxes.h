#pragma once

#include "platform/messageboxes.h"

// Modal boxes over the active window, captioned with the application's name.
class QtMessageBoxes : public MessageBoxes
{
public:
    void show(Kind kind, const std::string &text) override;
    // No is the default button, so a stray Enter never confirms.
    bool askYesNo(const std::string &text) override;
};
