#include "tools/sim/state_values.h"

#include <functional>
#include <map>
#include <vector>

#include "presentation/reel_pictures.h"

namespace quorvel::sim {
namespace {

using nlohmann::json;
using screen::Quorvel;
using Reader = std::function<json(Quorvel&)>;

template <typename T, std::size_t N>
json fromIndexOne(const std::array<T, N>& values) {
    return json(std::vector<long long>(values.begin() + 1, values.end()));
}

#define PLAYER(field)                                              \
    {                                                              \
#field, [](Quorvel & q) { return json(q.player().field); } \
    }
#define RUN(field)                                              \
    {                                                           \
#field, [](Quorvel & q) { return json(q.run().field); } \
    }
#define RUN_ARRAY(field)                                                \
    {                                                                   \
#field, [](Quorvel & q) { return fromIndexOne(q.run().field); } \
    }
#define SHOWN(feature, field)                                                \
    {                                                                        \
#field, [](Quorvel & q) { return json(q.counters().feature.field); } \
    }

const std::map<std::string, Reader>& readers() {
    static const std::map<std::string, Reader> table{
        PLAYER(bank),
        PLAYER(wager),
        PLAYER(totalwon),
        PLAYER(games),
        PLAYER(amountinvested),
        PLAYER(machinepay),
        PLAYER(reelspeed),
        PLAYER(soundonoff),
        PLAYER(winroll),
        PLAYER(howmanyspins),
        PLAYER(sizescreen),
        PLAYER(grand),
        PLAYER(major),
        PLAYER(minor),
        PLAYER(grandwon),
        PLAYER(majorwon),
        PLAYER(minorwon),
        PLAYER(jackpotbank),
        PLAYER(currentplayer),
        PLAYER(playerslot),
        PLAYER(betmultiples),
        PLAYER(gamblelost),
        PLAYER(featureowed),
        PLAYER(volume),
        PLAYER(quickstop),
        PLAYER(reminder),
        PLAYER(autostopspins),
        PLAYER(autostoploss),
        PLAYER(autostopwin),
        PLAYER(autostopfeature),
        {"muted", [](Quorvel& q) { return json(q.muted()); }},
        RUN(betstep),
        RUN(bet),
        RUN(lines),
        RUN(linechoice),
        RUN(freespinmode),
        RUN(freespinsplayed),
        RUN(freespintarget),
        RUN(featurewin),
        RUN(spinwin),
        RUN(atrisk),
        RUN(carrywin),
        RUN(reel3counts),
        RUN(scattercount),
        RUN(jackpotcount),
        RUN(ballstop),
        RUN(jackpotprize),
        RUN(gamblestake),
        RUN(historycount),
        RUN_ARRAY(scattercell),
        RUN_ARRAY(jackpotcell),
        RUN_ARRAY(wildcell),
        RUN_ARRAY(linewin),
        RUN_ARRAY(linematch),
        RUN_ARRAY(stop),
        SHOWN(pace, tickcount),
        SHOWN(pace, autospinwait),
        SHOWN(pace, autoplaymode),
        SHOWN(pace, keycount),
        SHOWN(pace, autotoggle),
        SHOWN(pace, noticeshown),
        {"autoplayspinsleft", [](Quorvel& q) { return json(q.counters().pace.autospinsleft); }},
        SHOWN(lineFlash, lineindex),
        SHOWN(lineFlash, animframe),
        SHOWN(lineFlash, lineticks),
        SHOWN(lineFlash, flashphase),
        SHOWN(morph, morphframe),
        SHOWN(morph, belltick),
        SHOWN(countUp, countstep),
        SHOWN(countUp, countmode),
        SHOWN(countUp, countedwin),
        SHOWN(banner, freesbannerticks),
        SHOWN(banner, freesbannerblink),
        SHOWN(ball, ballpos),
        SHOWN(ball, balllaps),
        SHOWN(ball, ballslowing),
        SHOWN(ball, ballinterval),
        SHOWN(ball, ballleft),
        SHOWN(ball, balltop),
        SHOWN(ball, winpicture),
        SHOWN(ball, balllook),
        SHOWN(ball, showticks),
        {"animcell", [](Quorvel& q) { return fromIndexOne(q.counters().lineFlash.animcell); }},
        {"reelstop", [](Quorvel& q) { return json(restOffsets(q.run())); }},
        {"linesum",
         [](Quorvel& q) {
             json sums = json::array();
             for (const auto& bySymbol : q.run().linesum)
                 sums.push_back(fromIndexOne(bySymbol));
             return sums;
         }},
    };
    return table;
}

#undef PLAYER
#undef RUN
#undef RUN_ARRAY
#undef SHOWN

}  // namespace

std::vector<int> restOffsets(const engine::RunState& run) {
    std::vector<int> offsets;
    for (int reel = 1; reel <= engine::kReels; ++reel)
        offsets.push_back(presentation::restOffset(run.stop[reel]));
    return offsets;
}

std::optional<json> stateValue(Quorvel& game, const std::string& name) {
    auto it = readers().find(name);
    if (it == readers().end()) {
        // reelstop1 .. reelstop5 are names of their own in the game.
        if (name.size() == 9 && name.starts_with("reelstop") && name[8] >= '1' && name[8] <= '5')
            return json(presentation::restOffset(game.run().stop[name[8] - '0']));
        return std::nullopt;
    }
    return it->second(game);
}

}  // namespace quorvel::sim
