#include "coach/coachtable.h"

#include "coach/coachturn.h"
#include "platform/filestore.h"

#include <atomic>
#include <bit>
#include <cstring>
#include <fstream>
#include <thread>

namespace
{

constexpr char kMagic[8] = {'V', 'X', 'C', 'O', 'A', 'C', 'H', '1'};

// FNV-1a over the stored values.
uint64_t checksumOf(const std::vector<double> &values)
{
    uint64_t hash = 14695981039346656037ull;
    const auto *bytes = reinterpret_cast<const unsigned char *>(values.data());
    for (std::size_t i = 0; i < values.size() * sizeof(double); ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

std::vector<int> BonusLanes(uint16_t open)
{
    std::vector<int> lanes{0};
    for (int c = 1; c <= kCombinations; ++c) {
        if (open & (1u << (c - 1)))
            lanes.push_back(c);
    }
    return lanes;
}

double SetValue(CoachTurn &turn, uint16_t open, const double *values)
{
    const auto lanes = BonusLanes(open);
    turn.solve(open, lanes, values);
    // No bonus on (kBonusDraws - open count) of the draws, each open combination on one.
    double sum = (kBonusDraws - int(lanes.size() - 1)) * turn.turnValue(0);
    for (int l = 1; l < int(lanes.size()); ++l)
        sum += turn.turnValue(l);
    return sum / kBonusDraws;
}

bool CoachTable::compute(const Progress &progress, int threads)
{
    m_values.clear();
    std::vector<double> values(kSets, 0.0);
    // A set needs only sets with one combination fewer, so the sets are solved by their
    // number of open combinations and each group is shared out among the threads.
    std::vector<std::vector<uint16_t>> bySize(kCombinations + 1);
    for (int open = 1; open < kSets; ++open)
        bySize[std::size_t(std::popcount(unsigned(open)))].push_back(uint16_t(open));

    std::atomic<bool> stopped{false};
    std::atomic<int> done{0};
    for (int size = 1; size <= kCombinations && !stopped; ++size) {
        const auto &sets = bySize[std::size_t(size)];
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            CoachTurn turn;
            for (std::size_t i = next++; i < sets.size() && !stopped; i = next++) {
                values[sets[i]] = SetValue(turn, sets[i], values.data());
                ++done;
            }
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t)
            helpers.emplace_back(work);
        if (progress) {
            // The calling thread only reports; one more worker takes its share.
            std::thread worker(work);
            while (next < sets.size() && !stopped) {
                if (!progress(done, kSets - 1))
                    stopped = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            worker.join();
        } else {
            work();
        }
        for (auto &helper : helpers)
            helper.join();
    }
    if (stopped)
        return false;
    if (progress)
        progress(kSets - 1, kSets - 1);
    m_values = std::move(values);
    return true;
}

bool CoachTable::load(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    char magic[sizeof kMagic];
    uint32_t count = 0;
    std::vector<double> values(kSets);
    uint64_t stored = 0;
    in.read(magic, sizeof magic);
    in.read(reinterpret_cast<char *>(&count), sizeof count);
    in.read(reinterpret_cast<char *>(values.data()), std::streamsize(kSets * sizeof(double)));
    in.read(reinterpret_cast<char *>(&stored), sizeof stored);
    if (!in || in.peek() != std::char_traits<char>::eof())
        return false;
    if (std::memcmp(magic, kMagic, sizeof kMagic) != 0 || count != kSets ||
        stored != checksumOf(values) || values[0] != 0.0)
        return false;
    m_values = std::move(values);
    return true;
}

bool CoachTable::save(const std::filesystem::path &file) const
{
    if (!ready())
        return false;
    const uint32_t count = kSets;
    const uint64_t checksum = checksumOf(m_values);
    std::vector<char> bytes;
    const auto append = [&bytes](const void *data, std::size_t size) {
        const auto *from = static_cast<const char *>(data);
        bytes.insert(bytes.end(), from, from + size);
    };
    append(kMagic, sizeof kMagic);
    append(&count, sizeof count);
    append(m_values.data(), m_values.size() * sizeof(double));
    append(&checksum, sizeof checksum);
    // Whole or not at all, so a broken write never leaves a cache that looks whole.
    return filestore::writeWhole(file, bytes.data(), bytes.size());
}
