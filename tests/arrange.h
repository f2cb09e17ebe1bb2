#pragma once

#include <functional>

#include "screen/quorvel.h"

namespace quorvel::testing_support {

using CabinetEdit = std::function<void(engine::RunState&, engine::PlayerValues&)>;

// Puts the cabinet in the state a test starts from, as a resumed game would be.
inline void arrangeCabinet(screen::Quorvel& q, const CabinetEdit& edit) {
    engine::CabinetState state = q.cabinet().state();
    edit(state.run, state.player);
    q.cabinet().restore(std::move(state));
}

}  // namespace quorvel::testing_support
