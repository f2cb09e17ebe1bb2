#pragma once

#include <string>

namespace quorvel::platform {

// Per-user text values addressed as application -> section -> key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing key reads as the empty text.
    virtual std::string read(const std::string& application, const std::string& section,
                             const std::string& key) const = 0;
    virtual void write(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& value) = 0;
};

}  // namespace quorvel::platform
