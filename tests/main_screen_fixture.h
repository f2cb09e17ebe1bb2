#pragma once

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "screen/quorvel.h"

namespace quorvel::testing_support {

// The main screen on the headless platform, in virtual time, seeded the same every run.
struct MainScreenTest : ::testing::Test {
    platform::headless::HeadlessPlatform p;
    screen::Quorvel q{p.services()};
    platform::Window& w = q.window();
    engine::RunState& run = q.state().run;
    engine::PlayerValues& player = q.state().player;
};

}  // namespace quorvel::testing_support
