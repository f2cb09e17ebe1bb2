#include "tools/sim/state_values.h"

#include <functional>
#include <map>

namespace quorvel::sim {
namespace {

using engine::GameState;
using nlohmann::json;
using Reader = std::function<json(const GameState&)>;

template <typename T, std::size_t N>
json fromIndexOne(const std::array<T, N>& values) {
    return json(std::vector<long long>(values.begin() + 1, values.end()));
}

#define PLAYER(field)                                                   \
    {                                                                   \
#field, [](const GameState& s) { return json(s.player.field); } \
    }
#define RUN(field)                                                   \
    {                                                                \
#field, [](const GameState& s) { return json(s.run.field); } \
    }
#define RUN_ARRAY(field)                                                     \
    {                                                                        \
#field, [](const GameState& s) { return fromIndexOne(s.run.field); } \
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
        RUN(countstep),
        RUN(countmode),
        RUN(countedwin),
        RUN(reel3counts),
        RUN(scattercount),
        RUN(jackpotcount),
        RUN(tickcount),
        RUN(autospinwait),
        RUN(autoplaymode),
        RUN(lineindex),
        RUN(animframe),
        RUN(lineticks),
        RUN(flashphase),
        RUN(morphframe),
        RUN(belltick),
        RUN(keycount),
        RUN(autotoggle),
        RUN(noticeshown),
        RUN_ARRAY(scattercell),
        RUN_ARRAY(jackpotcell),
        RUN_ARRAY(wildcell),
        RUN_ARRAY(animcell),
        RUN_ARRAY(linewin),
        RUN_ARRAY(linematch),
        RUN_ARRAY(stop),
        {"reelstop", [](const GameState& s) { return fromIndexOne(s.run.reelstop); }},
        {"linesum",
         [](const GameState& s) {
             json sums = json::array();
             for (const auto& bySymbol : s.run.linesum)
                 sums.push_back(fromIndexOne(bySymbol));
             return sums;
         }},
    };
    return table;
}

#undef PLAYER
#undef RUN
#undef RUN_ARRAY

}  // namespace

std::optional<json> stateValue(const GameState& state, const std::string& name) {
    auto it = readers().find(name);
    if (it == readers().end()) {
        // reelstop1 .. reelstop5 are names of their own in the game.
        if (name.size() == 9 && name.starts_with("reelstop") && name[8] >= '1' && name[8] <= '5')
            return json(state.run.reelstop[name[8] - '0']);
        return std::nullopt;
    }
    return it->second(state);
}

}  // namespace quorvel::sim
