#pragma once

#include "data/shareddata.h"

// The verdicts kept for a club member by name; nullptr when none are kept.
inline const TVerdictEntry *VerdictsOf(const SharedData &data, const Str17 &name)
{
    for (std::size_t k = 1; k <= 10; ++k) {
        const TVerdictEntry &entry = data.Verdicts[k];
        if (!entry.Name.empty() && entry.Name == name)
            return &entry;
    }
    return nullptr;
}
