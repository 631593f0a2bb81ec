#pragma once

// The program's name as its windows, its message boxes and its about box show it.
inline constexpr const char *kProgramTitle = "ВЕРТОКС для Windows";
