#pragma once

#include "platform/messageboxes.h"

// Boxes nobody sees, for tools and benchmarks: every question gets the same answer.
class AnsweringBoxes : public MessageBoxes
{
public:
    explicit AnsweringBoxes(bool yes = false) : m_yes(yes) {}
    void show(Kind, const std::string &) override {}
    bool askYesNo(const std::string &) override { return m_yes; }

private:
    bool m_yes;
};
