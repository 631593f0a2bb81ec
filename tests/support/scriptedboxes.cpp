#include "tests/support/scriptedboxes.h"

#include <gtest/gtest.h>

bool ScriptedBoxes::askYesNo(const std::string &text)
{
    asked.push_back(text);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}
