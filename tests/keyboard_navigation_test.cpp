#include <gtest/gtest.h>

#include "platform/child_window.h"
#include "platform/headless/headless_platform.h"
#include "platform/keys.h"

using namespace quorvel::platform;
namespace keys = quorvel::platform::keys;

namespace {

struct Dialog : ChildWindow {
    explicit Dialog(Services services, Window& owner)
        : ChildWindow(services, owner, "dialog", 3000, 2000, "Dialog") {
        for (const char* name : {"first", "hidden", "disabled", "last"})
            window().add(name, 0, ElementKind::CommandButton);
        window().add("name", 0, ElementKind::TextBox);
        window().at("hidden").hide();
        window().at("disabled").setEnabled(false);
        window().on("first", EventKind::Click, [this](Event&) { ++clicks; });
        window().on("name", EventKind::KeyPress, [this](Event& e) {
            if (e.key == keys::kEnter) entered = window().at("name").caption();
        });
        setTabOrder(kOrder);
    }
    static constexpr TabStop kOrder[] = {
        {"name", 0}, {"first", 0}, {"hidden", 0}, {"disabled", 0}, {"last", 0}};
    int clicks = 0;
    std::string entered;
};

struct KeyboardNavigation : testing::Test {
    headless::HeadlessPlatform p;
    Window owner{"owner", 6000, 6000};
    Dialog dialog{p.services(), owner};
    Window& w = dialog.window();
    void SetUp() override { dialog.open(); }
};

TEST_F(KeyboardNavigation, TabSkipsWhatCannotTakeInputAndWrapsBothWays) {
    w.type(keys::kTab);
    EXPECT_EQ(w.focus(), &w.at("name"));
    w.type(keys::kTab);
    EXPECT_EQ(w.focus(), &w.at("first"));
    w.type(keys::kTab);
    EXPECT_EQ(w.focus(), &w.at("last"));
    w.type(keys::kTab);
    EXPECT_EQ(w.focus(), &w.at("name"));
    w.type(keys::kBackTab);
    EXPECT_EQ(w.focus(), &w.at("last"));
}

TEST_F(KeyboardNavigation, EnterPressesAButtonButStaysWithATextBox) {
    w.setFocus(&w.at("first"));
    w.type(keys::kEnter);
    w.type(keys::kSpace);
    EXPECT_EQ(dialog.clicks, 2);
    w.setFocus(&w.at("name"));
    for (int key : {int{'S'}, int{'a'}, keys::kSpace, 0x3A9, int{'!'}})
        w.type(key);
    w.type(keys::kBackspace);
    EXPECT_EQ(w.at("name").caption(), "Sa Ω");
    w.type(keys::kEnter);
    EXPECT_EQ(dialog.entered, "Sa Ω");
    EXPECT_EQ(dialog.clicks, 2);
    owner.setEnabled(false);
    w.type(keys::kEscape);
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_TRUE(owner.enabled());
}

}  // namespace
