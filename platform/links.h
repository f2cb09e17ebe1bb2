#pragma once

#include <string>

namespace quorvel::platform {

class Links {
public:
    virtual ~Links() = default;
    // 1 when the computer is connected to the internet, 0 otherwise.
    virtual int connectionState() const = 0;
    // Opens a web or mail link with the user's default handler; 0 means outright failure.
    virtual int open(const std::string& link) = 0;
};

}  // namespace quorvel::platform
