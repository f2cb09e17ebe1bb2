#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window.h"

using namespace quorvel::platform;

namespace {

struct Recorder : WindowObserver {
    std::vector<std::string> changes;
    void elementChanged(Element& e, Aspect) override { changes.push_back(e.name()); }
    void windowChanged(Window& w) override { changes.push_back("window:" + w.name()); }
};

struct Fixture {
    Window window{"w", 1000, 1000};
    Element& panel = window.add("panel", 0, ElementKind::PictureBox);
    Element& button = window.add("button", 0, ElementKind::PictureBox);
    Element& box = window.add("box", 0, ElementKind::TextBox);
    std::vector<std::string> log;
    Fixture() {
        button.setParent(&panel);
        panel.move(100, 200);
        button.move(15, 30);
        window.on("button", EventKind::MouseDown,
                  [this](Event& e) { log.push_back("down" + std::to_string(e.button)); });
        window.on("button", EventKind::Click, [this](Event&) { log.push_back("click"); });
    }
};

}  // namespace

TEST(WindowModel, ContainersHideAndDisableWhatTheyHold) {
    Fixture f;
    EXPECT_EQ(f.button.absoluteLeft(), 115);
    EXPECT_EQ(f.button.absoluteTop(), 230);
    Event right;
    right.button = 2;
    EXPECT_TRUE(f.window.dispatch(f.button, EventKind::MouseDown, right));
    f.panel.hide();
    EXPECT_TRUE(f.button.visible());
    EXPECT_FALSE(f.button.shown());
    EXPECT_FALSE(f.window.dispatch(f.button, EventKind::MouseDown));
    f.panel.show();
    f.panel.setEnabled(false);
    EXPECT_FALSE(f.button.active());
    EXPECT_FALSE(f.window.dispatch(f.button, EventKind::Click));
    f.panel.setEnabled(true);
    f.window.setEnabled(false);
    EXPECT_FALSE(f.window.dispatch(f.button, EventKind::Click));
    f.window.setEnabled(true);
    EXPECT_TRUE(f.window.dispatch(f.button, EventKind::Click));
    EXPECT_EQ(f.log, (std::vector<std::string>{"down2", "click"}));
}

TEST(WindowModel, PressRunsTheClickAtOnceWhateverTheState) {
    Fixture f;
    f.button.hide();
    f.button.setEnabled(false);
    f.window.press("button");
    EXPECT_EQ(f.log, (std::vector<std::string>{"click"}));
    EXPECT_THROW(f.window.press("nothing"), std::out_of_range);
}

TEST(WindowModel, KeyPreviewSeesKeysFirstAndMayDiscardThem) {
    Fixture f;
    std::vector<int> windowKeys, boxKeys;
    f.window.on("", EventKind::KeyPress, [&](Event& e) {
        windowKeys.push_back(e.key);
        if (e.key == 'x') e.key = 0;
    });
    f.window.on("box", EventKind::KeyPress, [&](Event& e) { boxKeys.push_back(e.key); });
    f.window.setFocus(&f.box);
    f.window.keyPress(' ');
    EXPECT_TRUE(windowKeys.empty());
    f.window.setKeyPreview(true);
    f.window.keyPress(' ');
    f.window.keyPress('x');
    EXPECT_EQ(windowKeys, (std::vector<int>{' ', 'x'}));
    EXPECT_EQ(boxKeys, (std::vector<int>{' ', ' '}));
    f.window.setEnabled(false);
    f.window.keyPress('a');
    EXPECT_EQ(windowKeys.size(), 2u);
}

TEST(WindowModel, OptionButtonsSelectOneOfTheirGroup) {
    Window window("options", 100, 100);
    Element& frame = window.add("frame", 0, ElementKind::Frame);
    std::vector<int> clicked;
    for (int i = 1; i <= 3; ++i)
        window.add("opt", i, ElementKind::OptionButton).setParent(&frame);
    window.add("other", 0, ElementKind::OptionButton).setValue(true);
    window.on("opt", EventKind::Click, [&](Event& e) { clicked.push_back(e.index); });
    window.select(window.at("opt", 2));
    window.dispatch(window.at("opt", 3), EventKind::Click);
    EXPECT_FALSE(window.at("opt", 1).value());
    EXPECT_FALSE(window.at("opt", 2).value());
    EXPECT_TRUE(window.at("opt", 3).value());
    EXPECT_TRUE(window.at("other", 0).value()) << "another container's group is untouched";
    EXPECT_EQ(clicked, (std::vector<int>{2, 3}));
}

TEST(WindowModel, ObserverHearsOnlyRealChanges) {
    Fixture f;
    Recorder recorder;
    f.window.setObserver(&recorder);
    f.button.setCaption("A");
    f.button.setCaption("A");
    f.button.move(15, 30);
    f.button.setPicture("ImageList2", 19);
    f.window.setCaption("Current Player       ");
    EXPECT_EQ(recorder.changes, (std::vector<std::string>{"button", "button", "window:w"}));
    EXPECT_THROW(f.window.add("button", 0, ElementKind::Label), std::logic_error);
}

TEST(WindowModel, TheElementThatTookThePressTakesItsRelease) {
    Fixture f;
    f.window.on("button", EventKind::MouseUp, [&](Event&) { f.log.push_back("up"); });
    f.window.on("panel", EventKind::MouseUp, [&](Event&) { f.log.push_back("panel up"); });
    f.window.dispatch(f.button, EventKind::MouseDown);
    f.button.hide();  // the press look hides the button until its release
    EXPECT_EQ(f.window.captured(), &f.button);
    EXPECT_TRUE(f.window.dispatch(f.panel, EventKind::MouseUp));
    EXPECT_EQ(f.window.captured(), nullptr);
    // Without a press to release, a hidden element takes nothing.
    EXPECT_FALSE(f.window.dispatch(f.button, EventKind::MouseUp));
    EXPECT_EQ(f.log, (std::vector<std::string>{"down1", "up"}));
}

TEST(WindowModel, AReleaseTakenByAModalBoxIsLost) {
    Fixture f;
    f.window.on("button", EventKind::MouseUp, [&](Event&) { f.log.push_back("up"); });
    f.window.dispatch(f.button, EventKind::MouseDown);
    f.button.setEnabled(false);
    f.window.releaseCapture();
    EXPECT_FALSE(f.window.dispatch(f.button, EventKind::MouseUp));
    EXPECT_EQ(f.log, (std::vector<std::string>{"down1"}));
}
