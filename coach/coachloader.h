#pragma once

#include <filesystem>

class CoachTable;
class QWidget;

// Makes the coach's table ready the first time it is needed: from its cache file, or solved on
// a background thread under a progress dialog and then cached. False when the player stopped
// the computation; the table then stays empty.
bool LoadCoachTable(CoachTable &table, const std::filesystem::path &cacheFile, QWidget *parent);
