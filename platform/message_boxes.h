#pragma once

#include <string>
#include <vector>

namespace quorvel::platform {

enum class MessageIcon { Information, Critical };
enum class Answer { Yes, No };

// Modal boxes; each call returns when the player has answered.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    virtual Answer askYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                            Answer defaultAnswer) = 0;
    // A box with buttons of its own; answers the index of the one pressed (the default when
    // the box is closed without a choice).
    virtual int choose(const std::string& title, const std::string& text, MessageIcon icon,
                       const std::vector<std::string>& buttons, int defaultButton) = 0;
};

}  // namespace quorvel::platform
