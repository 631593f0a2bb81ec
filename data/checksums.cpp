#include "data/checksums.h"

#include <array>
#include <cstring>

namespace
{

// The bytes of one record as stored, read the way the sums define them.
template <typename Record> class RecordBytes
{
public:
    explicit RecordBytes(const Record &record)
    {
        std::memcpy(m_bytes.data(), &record, sizeof record);
    }
    uint32_t b(std::size_t offset) const { return m_bytes[offset]; }
    uint32_t d(std::size_t offset) const
    {
        int32_t value;
        std::memcpy(&value, m_bytes.data() + offset, 4);
        return uint32_t(value);
    }

private:
    std::array<uint8_t, sizeof(Record)> m_bytes;
};

// Unsigned arithmetic wraps as the sums require; weights may be negative.
constexpr uint32_t w(int weight)
{
    return uint32_t(weight);
}

uint32_t ratingTerms(const RecordBytes<TRatingEntry> &e)
{
    uint32_t sum = 9 * e.b(0);
    for (int i = 1; i <= 16; ++i)
        sum += w(i) * e.b(i);
    sum += 3 * e.d(20) + e.d(24);
    for (int i = 1; i <= 50; ++i)
        sum -= w(i - 13) * e.d(24 + 4 * i);
    sum -= 4 * e.d(228);
    for (int i = 1; i <= 10; ++i)
        sum += w(i - 4) * e.b(231 + i);
    sum -= 2 * e.d(244);
    return sum;
}

uint32_t recordTerms(const RecordBytes<TRecordEntry> &e)
{
    uint32_t sum = 0;
    for (int j = 0; j <= 16; ++j)
        sum -= 8 * e.b(j);
    sum += 7 * e.d(20);
    for (int i = 1; i <= 15; ++i)
        sum += 3 * e.b(31 + i);
    for (int i = 1; i <= 16; ++i)
        sum += w(i - 13) * e.d(48 + 4 * i);
    return sum;
}

uint32_t slotTerms(const RecordBytes<TSaveSlot> &s)
{
    uint32_t sum = s.b(0) != 0 ? 11 : 0;
    sum += 2 * s.b(960) + 3 * s.b(961) + 4 * s.b(962) + 5 * s.b(963);
    for (int i = 1; i <= 16; ++i)
        sum -= 9 * s.b(1 + i);
    for (int i = 1; i <= 30; ++i)
        sum += 4 * s.b(22 + i);
    for (int i = 1; i <= 30; ++i) {
        for (int j = 0; j <= 16; ++j)
            sum += w(i - j) * s.b(42 + 18 * i + j);
    }
    for (int i = 1; i <= 30; ++i) {
        sum += w(i - 2) * s.d(596 + 4 * i);
        sum += w(i - 5) * s.d(716 + 4 * i);
        sum -= w(i - 8) * s.d(836 + 4 * i);
    }
    return sum;
}

// Every byte counts, weighted by its place so that moved bytes are noticed too.
uint32_t verdictTerms(const RecordBytes<TVerdictEntry> &e)
{
    uint32_t sum = 0;
    for (std::size_t j = 0; j < sizeof(TVerdictEntry); ++j)
        sum += w(int(j % 61) + 1) * e.b(j);
    return sum;
}

template <typename Record, std::size_t N>
int32_t sumOver(const OneBased<Record, N> &records, std::size_t covered,
                uint32_t (*terms)(const RecordBytes<Record> &))
{
    uint32_t sum = 0;
    for (std::size_t k = 1; k <= covered; ++k)
        sum += terms(RecordBytes<Record>(records[k]));
    return int32_t(sum);
}

} // namespace

int32_t RatingChecksum(const SharedData &data)
{
    return sumOver(data.Rating, 40, ratingTerms);
}

int32_t RecordsChecksum(const SharedData &data)
{
    return sumOver(data.Records, 30, recordTerms);
}

int32_t SlotsChecksum(const SharedData &data)
{
    return sumOver(data.Slots, 10, slotTerms);
}

int32_t VerdictsChecksum(const SharedData &data)
{
    return sumOver(data.Verdicts, 10, verdictTerms);
}
