#pragma once

#include <string>

// Every modal box goes through here, so tests answer them from a script and never block.
class MessageBoxes
{
public:
    enum class Kind { Information, Warning, Error };

    virtual ~MessageBoxes() = default;
    // A box with a single OK button; returns when it is closed.
    virtual void show(Kind kind, const std::string &text) = 0;
    // A warning box with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string &text) = 0;
};
