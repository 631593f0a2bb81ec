#include "game/coach.h"
#include "game/coachtable.h"
#include "game/coachturn.h"
#include "game/practicereview.h"

#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <vector>

namespace
{

using Faces = std::vector<uint8_t>;
using Values = std::vector<double>;

// A plain enumeration of one turn over ordered dice and held positions, kept apart from the
// solver's multisets: the expected value of the turn plus the rest for open set and bonus.
class BruteTurn
{
public:
    BruteTurn(uint16_t open, int bonus, const Values &rest)
        : m_open(open), m_bonus(bonus), m_rest(rest)
    {
    }

    double value()
    {
        double sum = 0;
        forEachRoll(5, [&](const Faces &roll) {
            double best = write(roll, 1);
            for (int mask = 0; mask < 31; ++mask) {
                Faces kept = pick(roll, mask);
                if (kept.size() == 1)
                    kept.clear(); // a single die is given back
                best = std::max(best, second(kept));
            }
            sum += best;
        });
        return sum / 7776.0;
    }

private:
    static void forEachRoll(int n, const std::function<void(const Faces &)> &visit)
    {
        int count = 1;
        for (int i = 0; i < n; ++i)
            count *= 6;
        for (int code = 0; code < count; ++code) {
            Faces roll;
            for (int i = 0, rest = code; i < n; ++i, rest /= 6)
                roll.push_back(uint8_t(rest % 6 + 1));
            visit(roll);
        }
    }
    static Faces pick(const Faces &dice, int mask)
    {
        Faces picked;
        for (std::size_t i = 0; i < dice.size(); ++i) {
            if (mask & (1 << i))
                picked.push_back(dice[i]);
        }
        std::sort(picked.begin(), picked.end());
        return picked;
    }
    static Faces plus(Faces a, const Faces &b)
    {
        a.insert(a.end(), b.begin(), b.end());
        std::sort(a.begin(), a.end());
        return a;
    }
    static double chanceOf(int n) { return n == 0 ? 1.0 : 1.0 / std::pow(6.0, n); }

    double write(const Faces &dice, int throwNumber) const
    {
        Hand hand;
        for (int i = 1; i <= 5; ++i)
            hand[std::size_t(i)] = dice[std::size_t(i - 1)];
        double best = -1e9;
        for (int c = 1; c <= 16; ++c) {
            if (!(m_open & (1 << (c - 1))))
                continue;
            int v = CombCheck(hand, uint8_t(throwNumber), c);
            if (c == m_bonus)
                v += v > 0 ? 10 : -10;
            best = std::max(best, v + m_rest[m_open & ~(1 << (c - 1))]);
        }
        return best;
    }
    double second(const Faces &kept)
    {
        if (auto found = m_second.find(kept); found != m_second.end())
            return found->second;
        const int n = 5 - int(kept.size());
        double sum = 0;
        forEachRoll(n, [&](const Faces &roll) {
            double best = write(plus(kept, roll), 2);
            for (int mask = 0; mask < (1 << n) - 1; ++mask)
                best = std::max(best, third(plus(kept, pick(roll, mask))));
            sum += best;
        });
        return m_second[kept] = sum * chanceOf(n);
    }
    double third(const Faces &kept)
    {
        if (auto found = m_third.find(kept); found != m_third.end())
            return found->second;
        const int n = 5 - int(kept.size());
        double sum = 0;
        forEachRoll(n, [&](const Faces &roll) { sum += write(plus(kept, roll), 3); });
        return m_third[kept] = sum * chanceOf(n);
    }

    uint16_t m_open;
    int m_bonus;
    const Values &m_rest;
    std::map<Faces, double> m_second, m_third;
};

uint16_t bit(int combination)
{
    return uint16_t(1u << (combination - 1));
}

// The set's value over the 25 bonus draws, by the brute enumeration.
double bruteSetValue(uint16_t open, const Values &rest)
{
    int count = 0;
    double sum = 0;
    for (int c = 1; c <= 16; ++c) {
        if (open & bit(c)) {
            ++count;
            sum += BruteTurn(open, c, rest).value();
        }
    }
    return (sum + (25 - count) * BruteTurn(open, 0, rest).value()) / 25.0;
}

TEST(CoachSolverTest, EndgamesAgreeWithAPlainEnumeration)
{
    Values rest(CoachTable::kSets, 0.0);
    CoachTurn turn;
    // One open combination: every kind of rule (face row, by throw, two groups, sums).
    for (int c : {1, 6, 10, 12, 14, 16}) {
        const double solved = SetValue(turn, bit(c), rest.data());
        EXPECT_NEAR(solved, bruteSetValue(bit(c), rest), 1e-9) << "combination " << c;
        rest[bit(c)] = solved;
    }
    // "Бол.Сумма:" alone: keep 5s and 6s; the plain sum of a thrown die is 3.5.
    EXPECT_GT(rest[bit(16)], 5 * 3.5);
    EXPECT_LT(rest[bit(16)], 30);
    // Two open: without the bonus lane mattering ("Бол.Сумма:" never fails) and with it.
    for (uint16_t open :
         {uint16_t(bit(10) | bit(16)), uint16_t(bit(1) | bit(14)), uint16_t(bit(6) | bit(12))}) {
        EXPECT_NEAR(SetValue(turn, open, rest.data()), bruteSetValue(open, rest), 1e-9)
            << "open " << open;
    }
    // The bonus case on its own: with only "Покер:" open the bonus adds 10 to a written
    // value and takes 10 from a struck one, so it moves the turn by 10 * (2p - 1).
    turn.solve(bit(10), {0, 10}, rest.data());
    const double plain = turn.turnValue(0), bonus = turn.turnValue(1);
    EXPECT_NEAR(plain, BruteTurn(bit(10), 0, rest).value(), 1e-9);
    EXPECT_NEAR(bonus, BruteTurn(bit(10), 10, rest).value(), 1e-9);
    EXPECT_GT(bonus - plain, -10);
    EXPECT_LT(bonus - plain, 10);
}

// The whole table, solved once for the tests that need it.
class CoachTableTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        table = new CoachTable;
        std::vector<int> reported;
        ASSERT_TRUE(table->compute([&](int done, int) {
            reported.push_back(done);
            return true;
        }));
        ASSERT_FALSE(reported.empty());
        EXPECT_EQ(reported.back(), CoachTable::kSets - 1);
        EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    }
    static void TearDownTestSuite() { delete table; }

    static TurnMoment fresh(int throwNumber, Faces kept, Faces thrown, int bonus = 25)
    {
        TurnMoment moment;
        moment.bonus = bonus;
        moment.throwNumber = throwNumber;
        moment.kept = std::move(kept);
        moment.thrown = std::move(thrown);
        return moment;
    }

    static CoachTable *table;
};
CoachTable *CoachTableTest::table = nullptr;

TEST_F(CoachTableTest, TableHoldsTheSolvedValues)
{
    EXPECT_EQ(table->value(0), 0.0);
    CoachTurn turn;
    for (uint16_t open : {uint16_t(1), uint16_t(0x8421), uint16_t(0x7FFF), uint16_t(0xFFFF)})
        EXPECT_NEAR(table->value(open), SetValue(turn, open, table->values()), 1e-9);
    // A fresh sheet is worth a positive total well below the best thinkable one.
    EXPECT_GT(table->value(CoachTable::kFreshSheet), 150);
    EXPECT_LT(table->value(CoachTable::kFreshSheet), 400);
    EXPECT_LT(table->memoryBytes(), 8u << 20);
}

TEST_F(CoachTableTest, CacheKeepsTheTableAndRefusesDamage)
{
    TempFolder folder;
    const auto file = folder.path() / CoachTable::kCacheFile;
    CoachTable loaded;
    EXPECT_FALSE(loaded.load(file)); // missing
    ASSERT_TRUE(table->save(file));
    ASSERT_TRUE(loaded.load(file));
    EXPECT_EQ(loaded.value(CoachTable::kFreshSheet), table->value(CoachTable::kFreshSheet));
    EXPECT_EQ(loaded.value(0x1234), table->value(0x1234));

    const auto size = std::filesystem::file_size(file);
    for (std::uintmax_t at : {std::uintmax_t(0), std::uintmax_t(9), size / 2, size - 1}) {
        ASSERT_TRUE(table->save(file));
        std::fstream edit(file, std::ios::in | std::ios::out | std::ios::binary);
        edit.seekg(std::streamoff(at));
        const char byte = char(edit.get() ^ 0x40);
        edit.seekp(std::streamoff(at));
        edit.put(byte);
        edit.close();
        CoachTable damaged;
        EXPECT_FALSE(damaged.load(file)) << "byte " << at;
        EXPECT_FALSE(damaged.ready());
    }
    ASSERT_TRUE(table->save(file));
    std::filesystem::resize_file(file, size - 8);
    EXPECT_FALSE(CoachTable().load(file));
    ASSERT_TRUE(table->save(file));
    std::ofstream(file, std::ios::app) << 'x';
    EXPECT_FALSE(CoachTable().load(file));
}

TEST_F(CoachTableTest, StoppedComputationLeavesNoTable)
{
    CoachTable stopped;
    EXPECT_FALSE(stopped.compute([](int, int) { return false; }));
    EXPECT_FALSE(stopped.ready());
}

TEST_F(CoachTableTest, ClearPositions)
{
    Coach coach(*table);
    // Before the first throw: the fresh sheet's value for this bonus draw, which averages
    // to the table's value over the 25 draws.
    double average = 0;
    for (int bonus = 1; bonus <= 25; ++bonus) {
        const auto moves = coach.advise(fresh(0, {}, {}, bonus));
        EXPECT_EQ(moves.size(), 1u);
        average += moves.at(0).expected / 25;
    }
    EXPECT_NEAR(average, coach.freshTotal(), 1e-9);
    auto moves = coach.advise(fresh(0, {}, {}));
    EXPECT_LT(moves.at(0).expected, coach.freshTotal());
    EXPECT_EQ(AdviceText(moves), "Бросайте (в среднем " + PointsText(moves[0].expected) + ")");

    // Five of a kind on the first throw: stop and write "Покер:" for 80.
    moves = coach.advise(fresh(1, {}, {4, 4, 4, 4, 4}));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves[0].kind, CoachMove::Kind::Keep);
    EXPECT_EQ(moves[0].keep, Faces({4, 4, 4, 4, 4}));
    EXPECT_EQ(moves[0].combination, 10);
    EXPECT_EQ(moves[0].points, 80);
    EXPECT_EQ(MoveText(moves[0]), "Хватит: запишите в «Покер:»");
    // One move per distinct part of the throw: none, two to five fours (one is none).
    EXPECT_EQ(moves.size(), 5u);
    // With "Покер:" on the bonus it gets 90.
    moves = coach.advise(fresh(1, {}, {4, 4, 4, 4, 4}, 10));
    EXPECT_EQ(moves[0].points, 90);

    // A straight on the second throw: stop and write "Бол.Стрит:" for 40.
    moves = coach.advise(fresh(2, {2, 3}, {6, 4, 5}));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves[0].keep, Faces({2, 3, 4, 5, 6}));
    EXPECT_EQ(moves[0].combination, 14);
    EXPECT_EQ(moves[0].points, 40);
    // Holding more after the second throw never gives back what was kept.
    for (const auto &move : moves)
        EXPECT_TRUE(std::includes(move.keep.begin(), move.keep.end(), moves[0].keep.begin(),
                                  moves[0].keep.begin() + 2));

    // The third throw leaves only writing; the best of 6 6 6 2 2 on a fresh sheet with
    // "3+2:" on the bonus is that combination.
    moves = coach.advise(fresh(3, {6, 6, 6, 2, 2}, {}, 12));
    EXPECT_EQ(moves.size(), 16u);
    EXPECT_EQ(moves[0].kind, CoachMove::Kind::Write);
    EXPECT_EQ(moves[0].combination, 12);
    EXPECT_EQ(moves[0].points, 3 * 6 + 2 * 2 + 10);
    EXPECT_EQ(MoveText(moves[0]), "Запишите в «3+2:»");
    EXPECT_EQ(MoveText(moves.back()).rfind("Спишите «", 0), 0u);
    for (std::size_t i = 1; i < moves.size(); ++i)
        EXPECT_GE(moves[i - 1].expected, moves[i].expected);
}

TEST_F(CoachTableTest, AdviceIsQuick)
{
    Coach coach(*table);
    TurnMoment moment = fresh(1, {}, {1, 3, 3, 5, 6}, 7);
    moment.sheet[7] = 12;
    moment.sheet[kTotalCell] = 12;
    const auto start = std::chrono::steady_clock::now();
    const auto moves = coach.advise(moment);
    const auto spent = std::chrono::steady_clock::now() - start;
    EXPECT_LT(spent, std::chrono::milliseconds(10));
    // Keeping a single die is no move of its own; the total so far is counted in.
    for (const auto &move : moves)
        EXPECT_NE(move.keep.size(), 1u);
    EXPECT_GT(moves[0].expected, 12);
}

TEST_F(CoachTableTest, ReviewWeighsChoicesNotLuck)
{
    Coach coach(*table);
    PracticeReview review(coach);
    // Best: stop with "Покер:"; throwing all again gives away the difference.
    const TurnMoment poker = fresh(1, {}, {5, 5, 5, 5, 5});
    review.keepChosen(1, poker, {});
    // Writing the best combination loses nothing; one die held is the same as none.
    review.writeChosen(2, fresh(3, {6, 6, 6, 2, 2}, {}, 12), 12);
    review.keepChosen(3, poker, {5});

    const auto moves = coach.advise(poker);
    const auto again =
        std::find_if(moves.begin(), moves.end(), [](const CoachMove &m) { return m.keep.empty(); });
    ASSERT_NE(again, moves.end());
    const double loss = moves[0].expected - again->expected;
    ASSERT_EQ(review.choices().size(), 3u);
    EXPECT_NEAR(review.choices()[0].loss, loss, 1e-9);
    EXPECT_EQ(review.choices()[1].loss, 0.0);
    EXPECT_NEAR(review.givenAway(), 2 * loss, 1e-9);
    const auto worst = review.costliest(3);
    ASSERT_EQ(worst.size(), 2u);
    EXPECT_EQ(worst[0].turn, 1);
    EXPECT_EQ(worst[1].turn, 3);

    const std::string text = ReviewText(review, 123, coach.freshTotal());
    EXPECT_NE(text.find("Ваш итог: 123."), std::string::npos);
    EXPECT_NE(text.find(PointsText(coach.freshTotal())), std::string::npos);
    EXPECT_NE(text.find("Отдано выбором ходов: " + PointsText(2 * loss)), std::string::npos);
    EXPECT_NE(text.find("Ход 1, бросок 1 (5 5 5 5 5): лучше «Хватит: запишите в «Покер:»»"),
              std::string::npos);
}

TEST(CoachTextTest, PointsIgnoreTheLocaleAndRound)
{
    EXPECT_EQ(PointsText(231.44), "231,4");
    EXPECT_EQ(PointsText(-6.06), "-6,1");
    EXPECT_EQ(PointsText(-0.01), "0,0");
    EXPECT_EQ(PointsText(0), "0,0");
}

} // namespace
