#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/display.h"
#include "platform/headless/virtual_time.h"
#include "platform/links.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "platform/sound.h"

namespace quorvel::platform::headless {

// Records every call on the channel, stamped with the virtual time.
class RecordingSound : public SoundChannel {
public:
    enum class Kind { Play, Loop, Stop };
    struct Call {
        Kind kind;
        std::string name;
        std::int64_t at;
        int volume = 100;
    };
    explicit RecordingSound(const VirtualTime& clock) : clock_(clock) {}
    void play(const SoundBuffer& sound) override {
        calls_.push_back({Kind::Play, sound.name, clock_.now(), volume_});
    }
    void playLooped(const SoundBuffer& sound) override {
        calls_.push_back({Kind::Loop, sound.name, clock_.now(), volume_});
    }
    void stop() override { calls_.push_back({Kind::Stop, "", clock_.now(), volume_}); }
    void setVolume(int percent) override { volume_ = percent; }
    int volume() const { return volume_; }

    const std::vector<Call>& calls() const { return calls_; }
    // Names of the sounds started (once or looped), in order; stops are left out.
    std::vector<std::string> played() const;
    void clear() { calls_.clear(); }

private:
    const VirtualTime& clock_;
    std::vector<Call> calls_;
    int volume_ = 100;
};

class MemoryResources : public Resources {
public:
    void put(const std::string& name, std::vector<std::uint8_t> bytes) {
        data_[name] = std::move(bytes);
    }
    std::vector<std::uint8_t> load(const std::string& name, const std::string& type) override;
    const std::vector<std::string>& requested() const { return requested_; }

private:
    std::map<std::string, std::vector<std::uint8_t>> data_;
    std::vector<std::string> requested_;
};

class MemoryStore : public SettingsStore {
public:
    using Key = std::tuple<std::string, std::string, std::string>;
    std::string read(const std::string& application, const std::string& section,
                     const std::string& key) const override;
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override;
    std::uint64_t revision() const override { return revision_; }
    const std::map<Key, std::string>& entries() const { return entries_; }
    // Every write asked of the store, a value it already held included.
    int writes() const { return writes_; }
    // Writes of the value the key already held.
    int unchangedWrites() const { return unchangedWrites_; }

private:
    std::map<Key, std::string> entries_;
    int writes_ = 0;
    int unchangedWrites_ = 0;
    std::uint64_t revision_ = 0;
};

// Records each box and answers yes/no questions from a script, else with the default.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string title;
        std::string text;
        MessageIcon icon;
        bool question;
        std::vector<std::string> buttons{};  // a box with buttons of its own
    };
    void show(const std::string& title, const std::string& text, MessageIcon icon) override;
    Answer askYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                    Answer defaultAnswer) override;
    int choose(const std::string& title, const std::string& text, MessageIcon icon,
               const std::vector<std::string>& buttons, int defaultButton) override;
    void answerNext(Answer answer) { answers_.push_back(answer); }
    // The button the next box with buttons of its own is answered with, by its text.
    void chooseNext(std::string button) { choices_.push_back(std::move(button)); }
    // Run as a box appears: a modal box takes the mouse, so a pending release is lost.
    std::function<void()> onShow;
    const std::vector<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    std::deque<Answer> answers_;
    std::deque<std::string> choices_;
};

class FakeDisplay : public Display {
public:
    ScreenSize screenSize() const override { return screen_; }
    std::optional<DisplayModeRecord> mode(int index) const override;
    int change(const DisplayModeRecord& record) override;

    void setScreen(ScreenSize size) { screen_ = size; }
    void setModes(std::vector<DisplayModeRecord> modes) { modes_ = std::move(modes); }
    void setChangeResult(int result) { result_ = result; }
    const std::vector<DisplayModeRecord>& changes() const { return changes_; }

private:
    ScreenSize screen_{1024, 768};
    std::vector<DisplayModeRecord> modes_{{0, 1024, 768, 32, 60}, {0, 800, 600, 32, 60}};
    std::vector<DisplayModeRecord> changes_;
    int result_ = 0;
};

class FakeLinks : public Links {
public:
    int connectionState() const override { return connected_; }
    int open(const std::string& link) override;
    void setConnectionState(int state) { connected_ = state; }
    void setOpenResult(int result) { result_ = result; }
    const std::vector<std::string>& opened() const { return opened_; }

private:
    int connected_ = 1;
    int result_ = 42;
    std::vector<std::string> opened_;
};

}  // namespace quorvel::platform::headless
