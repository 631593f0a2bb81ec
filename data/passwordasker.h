#pragma once

#include "data/shortstring.h"

#include <string>

// The password dialog as the club window and the competition rounds use it.
class PasswordAsker
{
public:
    virtual ~PasswordAsker() = default;
    // Asks for a password under prompt; true only when exactly expected was typed. A wrong
    // password has been reported to the player; a cancelled dialog answers false silently.
    virtual bool AskPassword(const std::string &prompt, const Str17 &expected) = 0;
};
