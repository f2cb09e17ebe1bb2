#include <gtest/gtest.h>

#include <set>

#include "engine/draw.h"
#include "platform/headless/headless_platform.h"
#include "platform/sound_bank.h"

using namespace quorvel::platform;
using namespace quorvel::platform::headless;
using quorvel::platform::ElementKind;

TEST(HeadlessPlatform, SoundCallsAreRecordedWithTheirTime) {
    HeadlessPlatform p;
    p.sound.play(SoundBuffer{"RESOURCE_ID_113", {}});
    p.clock.sleep(250);
    p.sound.playLooped(SoundBuffer{"RESOURCE_ID_127", {1, 2}});
    p.sound.stop();
    ASSERT_EQ(p.sound.calls().size(), 3u);
    EXPECT_EQ(p.sound.calls()[1].kind, RecordingSound::Kind::Loop);
    EXPECT_EQ(p.sound.calls()[1].at, 250);
    EXPECT_EQ(p.sound.calls()[2].kind, RecordingSound::Kind::Stop);
    EXPECT_EQ(p.sound.played(), (std::vector<std::string>{"RESOURCE_ID_113", "RESOURCE_ID_127"}));
}

TEST(HeadlessPlatform, StoreReadsMissingKeysAsEmpty) {
    HeadlessPlatform p;
    EXPECT_EQ(p.store.read("quorvel", "player1", "bank"), "");
    p.store.write("quorvel", "player1", "bank", "2500");
    p.store.write("allslot", "player1", "bank", "7");
    EXPECT_EQ(p.store.read("quorvel", "player1", "bank"), "2500");
    EXPECT_EQ(p.store.read("quorvel", "player2", "bank"), "");
    EXPECT_EQ(p.store.read("allslot", "player1", "bank"), "7");
    EXPECT_EQ(p.store.writes(), 2);
}

TEST(HeadlessPlatform, MessageBoxesAnswerAsScripted) {
    HeadlessPlatform p;
    p.messages.answerNext(Answer::Yes);
    EXPECT_EQ(p.messages.askYesNo("Slots_Quorvel", "Sure ?", MessageIcon::Critical, Answer::No),
              Answer::Yes);
    EXPECT_EQ(p.messages.askYesNo("Slots_Quorvel", "Sure ?", MessageIcon::Critical, Answer::No),
              Answer::No);
    p.messages.show("Slots_Quorvel", "Nothing Entered", MessageIcon::Information);
    ASSERT_EQ(p.messages.shown().size(), 3u);
    EXPECT_EQ(p.messages.shown()[2].text, "Nothing Entered");
    EXPECT_FALSE(p.messages.shown()[2].question);
}

TEST(HeadlessPlatform, QueuedRandomValuesComeFirstAndReseedsConsumeNone) {
    HeadlessPlatform p(7);
    p.random.queueDraw(22, 22);
    p.random.queueDraw(1, 22);
    p.random.reseedFromClock();
    EXPECT_EQ(quorvel::engine::drawOneTo(p.random, 22), 22);
    p.random.reseedFromClock();
    EXPECT_EQ(quorvel::engine::drawOneTo(p.random, 22), 1);
    EXPECT_TRUE(p.random.queueEmpty());
    const double value = p.random.next();
    EXPECT_GE(value, 0.0);
    EXPECT_LT(value, 1.0);
}

TEST(HeadlessPlatform, SameSeedSameRunAndReseedsInOneTickStayIndependent) {
    HeadlessPlatform a(42), b(42), c(43);
    std::vector<double> first, second, third;
    for (int i = 0; i < 20; ++i) {
        a.random.reseedFromClock();
        b.random.reseedFromClock();
        c.random.reseedFromClock();
        first.push_back(a.random.next());
        second.push_back(b.random.next());
        third.push_back(c.random.next());
    }
    EXPECT_EQ(first, second);
    EXPECT_NE(first, third);
    // Twenty reseeds at the same virtual instant still gave twenty different draws.
    EXPECT_EQ(std::set<double>(first.begin(), first.end()).size(), 20u);
}

TEST(HeadlessPlatform, DrawsAreUniformOverTheirRange) {
    HeadlessPlatform p(3);
    int counts[23] = {};
    for (int i = 0; i < 22000; ++i) {
        p.random.reseedFromClock();
        ++counts[quorvel::engine::drawOneTo(p.random, 22)];
    }
    for (int stop = 1; stop <= 22; ++stop) {
        EXPECT_GT(counts[stop], 800) << stop;
        EXPECT_LT(counts[stop], 1200) << stop;
    }
}

TEST(HeadlessPlatform, DisplayAndLinksRecordWhatTheGameAsks) {
    HeadlessPlatform p;
    p.display.setScreen({800, 600});
    EXPECT_EQ(p.display.screenSize().width, 800);
    EXPECT_TRUE(p.display.mode(1).has_value());
    EXPECT_FALSE(p.display.mode(2).has_value());
    p.display.change(
        DisplayModeRecord{DisplayModeRecord::Width | DisplayModeRecord::Height, 800, 600});
    ASSERT_EQ(p.display.changes().size(), 1u);
    p.links.setConnectionState(0);
    EXPECT_EQ(p.links.connectionState(), 0);
    EXPECT_EQ(p.links.open("mailto:someone"), 42);
    EXPECT_EQ(p.links.opened().front(), "mailto:someone");
}

TEST(HeadlessPlatform, TheDriverQueuesInputUntilTheNextPumpOrRunStep) {
    HeadlessPlatform p;
    Window window("w", 1000, 1000);
    window.add("button", 0, ElementKind::PictureBox);
    std::vector<std::string> log;
    for (EventKind kind :
         {EventKind::MouseDown, EventKind::MouseUp, EventKind::Click, EventKind::MouseMove})
        window.on("button", kind, [&log, kind](Event& e) {
            log.push_back(std::to_string(static_cast<int>(kind)) + "/" + std::to_string(e.button));
        });
    window.on("", EventKind::KeyPress,
              [&log](Event& e) { log.push_back("key" + std::to_string(e.key)); });
    window.on("", EventKind::MouseMove, [&log](Event&) { log.push_back("bare"); });
    window.on("", EventKind::Close, [&log](Event&) { log.push_back("close"); });
    window.setKeyPreview(true);

    p.press(window, "button");
    p.mouseDown(window, "button", 0, 2);
    p.mouseMove(window, "button");
    p.key(window, ' ');
    p.mouseMoveOnWindow(window);
    p.closeRequest(window);
    p.click(window, "missing");  // an element that does not exist is ignored
    EXPECT_TRUE(log.empty());
    p.clock.pump();
    EXPECT_EQ(log, (std::vector<std::string>{"0/1", "1/1", "3/1", "0/2", "2/1", "key32", "bare",
                                             "close"}));
    window.setEnabled(false);
    p.press(window, "button");
    p.runFor(10);
    // The right-button press above still holds the mouse: only its release gets through.
    ASSERT_EQ(log.size(), 9u) << "a disabled window takes no input";
    EXPECT_EQ(log.back(), "1/1");
}

TEST(HeadlessPlatform, SoundBankLoadsByNameInOrderAndMissingOnesStaySilent) {
    HeadlessPlatform p;
    p.resources.put("RESOURCE_ID_104", {1, 2, 3});
    p.resources.put("RESOURCE_ID_101", {9});
    quorvel::platform::SoundBank bank;
    const char* const names[] = {"RESOURCE_ID_103", "RESOURCE_ID_104"};
    bank.load(p.resources, names);
    EXPECT_EQ(p.resources.requested(),
              (std::vector<std::string>{"RESOURCE_ID_103", "RESOURCE_ID_104"}));
    EXPECT_EQ(bank.size(), 2u);
    EXPECT_EQ(bank.get("RESOURCE_ID_104").bytes, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(bank.get("RESOURCE_ID_104").name, "RESOURCE_ID_104");
    EXPECT_TRUE(bank.get("RESOURCE_ID_103").bytes.empty());
    EXPECT_TRUE(bank.get("RESOURCE_ID_101").bytes.empty()) << "never loaded";
    p.sound.play(bank.get("RESOURCE_ID_104"));
    EXPECT_EQ(p.sound.played(), (std::vector<std::string>{"RESOURCE_ID_104"}));
}
