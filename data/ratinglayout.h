#pragma once

// Where each player stands in the rating table: the computer players in entries 1..30, then
// club member k in entry 30 + k.
constexpr int kComputerCount = 30;
constexpr int kFirstMemberEntry = kComputerCount + 1;

constexpr int MemberEntry(int member)
{
    return kComputerCount + member;
}

constexpr bool IsComputerEntry(int entry)
{
    return entry >= 1 && entry <= kComputerCount;
}

constexpr bool IsMemberEntry(int entry)
{
    return entry > kComputerCount;
}
