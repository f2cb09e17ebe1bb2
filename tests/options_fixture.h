#pragma once

#include <string>

#include "game_fixture.h"
#include "platform/keys.h"

namespace quorvel::testing_support {

// The main screen started from a prepared store, with the options window one click away.
struct OptionsTest : GameTest {
    platform::Window* options = nullptr;

    void put(int slot, const std::string& key, const std::string& value,
             const std::string& app = "quorvel") {
        p.store.write(app, "player" + std::to_string(slot), key, value);
    }
    void openOptions() {
        click("btnoptions");
        options = p.windows.front();
        ASSERT_NE(options, nullptr);
        ASSERT_EQ(options->name(), "quorveloptions");
    }
    std::string opt(const std::string& name, int index = 0) {
        return options->at(name, index).caption();
    }
    bool selected(const std::string& name, int index) { return options->at(name, index).value(); }
    void clickOpt(const std::string& name, int index = 0) {
        p.click(*options, name, index);
        p.runFor(0);
    }
    // Typed key by key into the name box, then Enter.
    void enterName(const std::string& name) {
        options->at("player1").setCaption(name);
        options->setFocus(&options->at("player1"));
        options->type(platform::keys::kEnter);
    }
    bool optionsOpen() const {
        for (const platform::Window* open : p.windows.openWindows())
            if (open->name() == "quorveloptions") return true;
        return false;
    }
};

}  // namespace quorvel::testing_support
