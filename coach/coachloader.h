#pragma once

#include <filesystem>
#include <memory>

class Coach;
class CoachTable;
class QWidget;
class SolverInterface;

// The program's one coach, shared by every window that asks him: his table is made ready the
// first time it is needed and kept until the program ends.
class CoachLoader
{
public:
    explicit CoachLoader(std::filesystem::path cacheFile);
    ~CoachLoader();

    // The coach, his table read from the cache file or else solved on a background thread under
    // a progress dialog and then cached. nullptr when the player stopped the computation; the
    // next call asks again.
    SolverInterface *load(QWidget *parent);
    // The coach when his table is ready, never computing it; nullptr before.
    SolverInterface *loaded();

private:
    std::filesystem::path m_cacheFile;
    std::unique_ptr<CoachTable> m_table;
    std::unique_ptr<Coach> m_coach;
};
