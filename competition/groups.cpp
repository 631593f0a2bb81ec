#include "competition/groups.h"

#include "competition/slotrules.h"
#include "competition/standings.h"
#include "data/rankorder.h"
#include "platform/randomsource.h"

void DistributeGroups(SharedData &data, RandomSource &random, const TSaveSlot &slot,
                      bool clubTogether)
{
    const int count = slot.Cham.ParticipantCount;
    const int per = count / kChampionshipGroups;
    const int humans = slot.Cham.HumanCount;
    OneBased<bool, 30> placed{};
    const auto put = [&](int position, int participant) {
        placed[participant] = true;
        data.Groups[(position + per - 1) / per].Member[(position - 1) % per + 1] =
            uint8_t(participant);
    };

    // Positions the club holds, first..last; none when the club is not kept together.
    int clubFirst = 1;
    int clubLast = 0;
    if (clubTogether && humans <= per) {
        const int group = random.uniform(1, kChampionshipGroups);
        clubFirst = (group - 1) * per + 1;
        clubLast = (group - 1) * per + humans;
        for (int member = 1; member <= humans; ++member)
            put(clubFirst + member - 1, member);
    }
    for (int position = 1; position <= count; ++position) {
        if (position >= clubFirst && position <= clubLast)
            continue;
        int participant = random.uniform(1, count);
        while (placed[participant])
            participant = random.uniform(1, count);
        put(position, participant);
    }
    for (TChamGroup &group : data.Groups)
        group.Count = uint8_t(per);
}

ChamPlaces ChamPlacesOf(SharedData &data, const TSaveSlot &slot)
{
    SortChamOrder(data, slot);
    ChamPlaces places{};
    for (int r = 1; r <= slot.Cham.ParticipantCount; ++r)
        places[data.ChamOrder[r]] = uint8_t(r);
    return places;
}

void SortGroupOrder(SharedData &data, const ChamPlaces &places, int group, GroupSort mode)
{
    const TChamGroup &g = data.Groups[group];
    // Higher ranks first: the better (lower) championship place, or the higher score.
    const auto rank = [&](int position) -> int64_t {
        if (mode == GroupSort::ByGame)
            return g.Points[position];
        return -int64_t(places[g.Member[position]]);
    };
    RankOrder(data.GroupOrder, g.Count, rank);
}
