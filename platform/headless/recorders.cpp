#include "platform/headless/recorders.h"

namespace quorvel::platform::headless {

std::vector<std::string> RecordingSound::played() const {
    std::vector<std::string> names;
    for (const auto& call : calls_)
        if (call.kind != Kind::Stop) names.push_back(call.name);
    return names;
}

std::vector<std::uint8_t> MemoryResources::load(const std::string& name, const std::string&) {
    requested_.push_back(name);
    auto it = data_.find(name);
    return it == data_.end() ? std::vector<std::uint8_t>{} : it->second;
}

std::string MemoryStore::read(const std::string& application, const std::string& section,
                              const std::string& key) const {
    auto it = entries_.find({application, section, key});
    return it == entries_.end() ? std::string{} : it->second;
}

void MemoryStore::write(const std::string& application, const std::string& section,
                        const std::string& key, const std::string& value) {
    ++writes_;
    std::string& held = entries_[{application, section, key}];
    if (held == value) {
        ++unchangedWrites_;
        return;
    }
    held = value;
    revision_ = nextRevision();
}

void ScriptedMessageBoxes::show(const std::string& title, const std::string& text,
                                MessageIcon icon) {
    if (onShow) onShow();
    shown_.push_back({title, text, icon, false});
}

Answer ScriptedMessageBoxes::askYesNo(const std::string& title, const std::string& text,
                                      MessageIcon icon, Answer defaultAnswer) {
    if (onShow) onShow();
    shown_.push_back({title, text, icon, true});
    if (answers_.empty()) return defaultAnswer;
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int ScriptedMessageBoxes::choose(const std::string& title, const std::string& text,
                                 MessageIcon icon, const std::vector<std::string>& buttons,
                                 int defaultButton) {
    if (onShow) onShow();
    shown_.push_back({title, text, icon, true, buttons});
    if (choices_.empty()) return defaultButton;
    const std::string chosen = choices_.front();
    choices_.pop_front();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == chosen) return static_cast<int>(i);
    return defaultButton;
}

std::optional<DisplayModeRecord> FakeDisplay::mode(int index) const {
    if (index < 0 || index >= static_cast<int>(modes_.size())) return std::nullopt;
    return modes_[index];
}

int FakeDisplay::change(const DisplayModeRecord& record) {
    changes_.push_back(record);
    return result_;
}

int FakeLinks::open(const std::string& link) {
    opened_.push_back(link);
    return result_;
}

}  // namespace quorvel::platform::headless
