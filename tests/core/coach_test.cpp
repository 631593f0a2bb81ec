#include "coach/coach.h"
#include "coach/coachtable.h"
#include "coach/coachturn.h"
#include "coach/movetext.h"
#include "coach/practicereview.h"

#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

namespace
{

using Faces = std::vector<uint8_t>;
using Values = std::vector<double>;

uint16_t bit(int combination)
{
    return uint16_t(1u << (combination - 1));
}

// One turn by plain enumeration over ordered dice, apart from the solver's multisets: the
// expected points of the turn plus the rest of the game.
struct BruteTurn {
    uint16_t open;
    int bonus;
    const Values &rest;
    std::map<std::pair<int, Faces>, double> known;
    static constexpr int kRolls[] = {1, 6, 36, 216, 1296, 7776};

    double write(const Faces &dice, int throwNumber) const
    {
        Hand hand;
        std::copy(dice.begin(), dice.end(), hand.begin());
        double best = -1e9;
        for (int c = 1; c <= 16; ++c) {
            if (!(open & bit(c)))
                continue;
            int v = CombCheck(hand, uint8_t(throwNumber), c);
            if (c == bonus)
                v += v > 0 ? 10 : -10;
            best = std::max(best, v + rest[open & ~bit(c)]);
        }
        return best;
    }
    // Before throw t with these dice kept: the best of writing or keeping more, on average.
    double before(const Faces &kept, int t)
    {
        if (auto found = known.find({t, kept}); found != known.end())
            return found->second;
        const int n = 5 - int(kept.size()), rolls = kRolls[n];
        double sum = 0;
        for (int code = 0; code < rolls; ++code) {
            Faces hand = kept;
            for (int i = 0, r = code; i < n; ++i, r /= 6)
                hand.push_back(uint8_t(r % 6 + 1));
            double best = write(hand, t);
            for (int mask = 0; t < 3 && mask < (1 << n) - 1; ++mask) {
                Faces more = kept;
                for (int i = 0; i < n; ++i) {
                    if (mask & (1 << i))
                        more.push_back(hand[kept.size() + std::size_t(i)]);
                }
                std::sort(more.begin(), more.end());
                if (t == 1 && more.size() == 1)
                    more.clear(); // a single die is given back
                best = std::max(best, before(more, t + 1));
            }
            sum += best;
        }
        return known[{t, kept}] = sum / rolls;
    }
    double value() { return before({}, 1); }
};

// The set's value over the 25 bonus draws.
double bruteSetValue(uint16_t open, const Values &rest)
{
    int count = 0;
    double sum = 0;
    for (int c = 1; c <= 16; ++c) {
        if (open & bit(c)) {
            ++count;
            sum += BruteTurn{open, c, rest}.value();
        }
    }
    return (sum + (25 - count) * BruteTurn{open, 0, rest}.value()) / 25.0;
}

TEST(CoachSolverTest, EndgamesAgreeWithAPlainEnumeration)
{
    Values rest(CoachTable::kSets, 0.0);
    CoachTurn turn;
    // One open combination of every kind of rule: face row, by throw, two groups, sums.
    for (int c : {1, 6, 10, 12, 14, 16}) {
        rest[bit(c)] = SetValue(turn, bit(c), rest.data());
        EXPECT_NEAR(rest[bit(c)], bruteSetValue(bit(c), rest), 1e-9) << "combination " << c;
    }
    // Two open, with and without the bonus lane mattering ("Бол.Сумма:" never fails).
    for (int open : {bit(10) | bit(16), bit(1) | bit(14), bit(6) | bit(12)})
        EXPECT_NEAR(SetValue(turn, uint16_t(open), rest.data()),
                    bruteSetValue(uint16_t(open), rest), 1e-9)
            << "open " << open;
    // Both lanes of one solve.
    turn.solve(bit(10), {0, 10}, rest.data());
    EXPECT_NEAR(turn.turnValue(0), (BruteTurn{bit(10), 0, rest}.value()), 1e-9);
    EXPECT_NEAR(turn.turnValue(1), (BruteTurn{bit(10), 10, rest}.value()), 1e-9);
}

// The whole table, solved once for the tests that need it; its progress only goes forward.
class CoachTableTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        table = new CoachTable;
        int last = -1;
        ASSERT_TRUE(table->compute([&](int done, int) {
            EXPECT_GE(done, last);
            last = done;
            return true;
        }));
        EXPECT_EQ(last, CoachTable::kSets - 1);
    }
    static void TearDownTestSuite() { delete table; }
    static CoachTable *table;
};
CoachTable *CoachTableTest::table = nullptr;

TurnMoment at(int throwNumber, Faces kept, Faces thrown, int bonus = 25)
{
    return {{}, bonus, throwNumber, std::move(kept), std::move(thrown)};
}

TEST_F(CoachTableTest, TableHoldsTheSolvedValuesAndItsCacheRefusesDamage)
{
    EXPECT_EQ(table->value(0), 0.0);
    CoachTurn turn;
    for (uint16_t open : {uint16_t(1), uint16_t(0x8421), uint16_t(0x7FFF), uint16_t(0xFFFF)})
        EXPECT_NEAR(table->value(open), SetValue(turn, open, table->values()), 1e-9);
    EXPECT_GT(table->value(CoachTable::kFreshSheet), 150);
    EXPECT_LT(table->value(CoachTable::kFreshSheet), 400);
    EXPECT_LT(table->memoryBytes(), 8u << 20);

    TempFolder folder;
    const auto file = folder.path() / CoachTable::kCacheFile;
    CoachTable loaded;
    EXPECT_FALSE(loaded.load(file)); // missing
    ASSERT_TRUE(table->save(file));
    ASSERT_TRUE(loaded.load(file));
    EXPECT_EQ(loaded.value(CoachTable::kFreshSheet), table->value(CoachTable::kFreshSheet));
    EXPECT_EQ(loaded.value(0x1234), table->value(0x1234));

    // A byte flipped at either end or inside, the file cut short or made longer.
    const auto bytes = folder.read(CoachTable::kCacheFile);
    const std::size_t n = bytes.size();
    const struct {
        std::size_t flipAt, size;
    } damages[] = {{0, n}, {9, n}, {n / 2, n}, {n - 1, n}, {n, n - 8}, {n, n + 1}};
    for (const auto &damage : damages) {
        SCOPED_TRACE(testing::Message() << damage.flipAt << " " << damage.size);
        auto damaged = bytes;
        if (damage.flipAt < n)
            damaged[damage.flipAt] ^= 0x40;
        damaged.resize(damage.size, 'x');
        folder.write(CoachTable::kCacheFile, damaged);
        CoachTable refused;
        EXPECT_FALSE(refused.load(file));
        EXPECT_FALSE(refused.ready());
    }
    CoachTable stopped;
    EXPECT_FALSE(stopped.compute([](int, int) { return false; }));
    EXPECT_FALSE(stopped.ready());
}

TEST_F(CoachTableTest, ClearPositions)
{
    Coach coach(*table);
    // Before the first throw the 25 bonus draws average to the fresh sheet's value.
    double average = 0;
    for (int bonus = 1; bonus <= 25; ++bonus) {
        const auto moves = coach.advise(at(0, {}, {}, bonus));
        EXPECT_EQ(moves.size(), 1u);
        average += moves.at(0).expected / 25;
    }
    EXPECT_NEAR(average, coach.freshTotal(), 1e-9);
    auto moves = coach.advise(at(0, {}, {}));
    EXPECT_LT(moves.at(0).expected, coach.freshTotal());
    EXPECT_EQ(AdviceText(moves), "Бросайте (в среднем " + PointsText(moves[0].expected) + ")");

    // The best move stops or writes with the whole hand; one move per distinct part held.
    const struct {
        TurnMoment moment;
        std::size_t count;
        int combination, points;
        const char *text;
    } rows[] = {
        {at(1, {}, {4, 4, 4, 4, 4}), 5, FiveOfAKind, 80, "Хватит: запишите в «Покер:»"},
        {at(1, {}, {4, 4, 4, 4, 4}, FiveOfAKind), 5, FiveOfAKind, 90,
         "Хватит: запишите в «Покер:»"},
        {at(2, {2, 3}, {6, 4, 5}), 8, LargeStraight, 40, "Хватит: запишите в «Бол.Стрит:»"},
        {at(3, {6, 6, 6, 2, 2}, {}, FullHouse), 16, FullHouse, 3 * 6 + 2 * 2 + 10,
         "Запишите в «3+2:»"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        moves = coach.advise(row.moment);
        ASSERT_EQ(moves.size(), row.count);
        Faces kept = row.moment.kept, hand = kept;
        std::sort(kept.begin(), kept.end());
        hand.insert(hand.end(), row.moment.thrown.begin(), row.moment.thrown.end());
        std::sort(hand.begin(), hand.end());
        EXPECT_EQ(moves[0].keep, hand);
        EXPECT_EQ(moves[0].combination, row.combination);
        EXPECT_EQ(moves[0].points, row.points);
        EXPECT_EQ(MoveText(moves[0]), row.text);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            // Never gives back what was kept; best first.
            EXPECT_TRUE(std::includes(moves[i].keep.begin(), moves[i].keep.end(), kept.begin(),
                                      kept.end()));
            if (i > 0)
                EXPECT_GE(moves[i - 1].expected, moves[i].expected);
        }
    }
    EXPECT_EQ(MoveText(moves.back()).rfind("Спишите «", 0), 0u);

    // Quick; keeping a single die is no move of its own; the total so far is counted in.
    TurnMoment moment = at(1, {}, {1, 3, 3, 5, 6}, Pair);
    moment.sheet[Pair] = moment.sheet[kTotalCell] = 12;
    const auto start = std::chrono::steady_clock::now();
    moves = coach.advise(moment);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(10));
    for (const auto &move : moves)
        EXPECT_NE(move.keep.size(), 1u);
    EXPECT_GT(moves[0].expected, 12);
}

TEST_F(CoachTableTest, ReviewWeighsChoicesNotLuck)
{
    Coach coach(*table);
    PracticeReview review(coach);
    // Throwing a "Покер:" all again is the loss; the best write and one held die are not.
    const TurnMoment poker = at(1, {}, {5, 5, 5, 5, 5});
    review.keepChosen(1, 1, poker, {});
    review.writeChosen(1, 2, at(3, {6, 6, 6, 2, 2}, {}, FullHouse), FullHouse);
    review.keepChosen(1, 3, poker, {5});

    const auto moves = coach.advise(poker);
    const auto again =
        std::find_if(moves.begin(), moves.end(), [](const CoachMove &m) { return m.keep.empty(); });
    ASSERT_NE(again, moves.end());
    const double loss = moves[0].expected - again->expected;
    ASSERT_EQ(review.choices().size(), 3u);
    EXPECT_NEAR(review.choices()[0].loss, loss, 1e-9);
    EXPECT_NEAR(review.givenAway(), 2 * loss, 1e-9);
    const std::string worst = "лучше «Хватит: запишите в «Покер:»», потеряно " + PointsText(loss);
    EXPECT_EQ(ReviewText(review, 123, coach.freshTotal()),
              "Ваш итог: 123.\nЛучшая игра с первого хода даёт в среднем " +
                  PointsText(coach.freshTotal()) +
                  ".\nОтдано выбором ходов: " + PointsText(2 * loss) +
                  ".\nСамые дорогие решения:\nХод 1, бросок 1 (5 5 5 5 5): " + worst +
                  "\nХод 3, бросок 1 (5 5 5 5 5): " + worst);
    // Whatever the locale: a comma, rounded, no negative zero.
    EXPECT_EQ(PointsText(231.44), "231,4");
    EXPECT_EQ(PointsText(-6.06), "-6,1");
    EXPECT_EQ(PointsText(-0.01), "0,0");
    EXPECT_EQ(PointsText(0), "0,0");
}

} // namespace
