#pragma once

#include "platform/messageboxes.h"

#include <deque>
#include <string>
#include <vector>

// Records every box shown and answers questions from a script.
class ScriptedBoxes : public MessageBoxes
{
public:
    struct Shown {
        Kind kind;
        std::string text;
    };

    void answer(bool yes) { m_answers.push_back(yes); }

    void show(Kind kind, const std::string &text) override { shown.push_back({kind, text}); }
    bool askYesNo(const std::string &text) override;

    std::vector<Shown> shown;
    std::vector<std::string> asked;

private:
    std::deque<bool> m_answers;
};
