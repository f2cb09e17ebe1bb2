#pragma once

#include <string>

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
};

}  // namespace quorvel::platform
