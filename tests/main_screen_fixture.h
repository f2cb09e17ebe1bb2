#pragma once

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "screen/quorvel.h"
#include "tests/arrange.h"

namespace quorvel::testing_support {

// The main screen on the headless platform, in virtual time, seeded the same every run.
struct MainScreenTest : ::testing::Test {
    platform::headless::HeadlessPlatform p;
    screen::Quorvel q{p.services()};
    platform::Window& w = q.window();
    const engine::RunState& run = q.run();
    const engine::PlayerValues& player = q.player();
    screen::AnimationCounters& counters = q.counters();

    void arrange(const CabinetEdit& edit) { arrangeCabinet(q, edit); }
};

}  // namespace quorvel::testing_support
