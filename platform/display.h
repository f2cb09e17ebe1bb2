#pragma once

#include <optional>

namespace quorvel::platform {

// A display mode as the mode-switch calls take it; `fields` says which members count.
struct DisplayModeRecord {
    enum Field : unsigned { Width = 1u, Height = 2u, Depth = 4u, Frequency = 8u };
    unsigned fields = 0;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int frequency = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class Display {
public:
    virtual ~Display() = default;
    virtual ScreenSize screenSize() const = 0;
    // The display mode with this index, or nothing when there is no such mode.
    virtual std::optional<DisplayModeRecord> mode(int index) const = 0;
    // Switches for this run only; width and height 0 return to the desktop's own mode.
    // Returns 0 on success, non-zero when the mode was refused.
    virtual int change(const DisplayModeRecord& record) = 0;
};

}  // namespace quorvel::platform
