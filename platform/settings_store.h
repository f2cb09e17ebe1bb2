#pragma once

#include <atomic>
#include <cstdint>
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
    // Moves on whenever a write changes what the store holds, whoever wrote it. Numbers are
    // never reused across stores, so a writer that remembers the revision after its own writes
    // knows, while it still stands, that the store holds exactly what it last wrote.
    virtual std::uint64_t revision() const = 0;

protected:
    static std::uint64_t nextRevision() {
        static std::atomic<std::uint64_t> last{0};
        return ++last;
    }
};

}  // namespace quorvel::platform
