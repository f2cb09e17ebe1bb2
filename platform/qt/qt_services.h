#pragma once

#include <QMessageBox>
#include <string>

#include "platform/display.h"
#include "platform/links.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/text_catalogue.h"

namespace quorvel::platform::qt {

class QtWindowHost;

// Modal boxes over the main screen. A box takes the mouse, so a press in progress loses its
// release.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QtWindowHost& host) : host_(host) {}
    void show(const std::string& title, const std::string& text, MessageIcon icon) override;
    Answer askYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                    Answer defaultAnswer) override;
    int choose(const std::string& title, const std::string& text, MessageIcon icon,
               const std::vector<std::string>& buttons, int defaultButton) override;
    // Qt's own buttons (OK, Yes, No) named in the player's language.
    void setCatalogue(const TextCatalogue* text) { text_ = text; }

private:
    void nameButtons(QMessageBox& box) const;

    QtWindowHost& host_;
    const TextCatalogue* text_ = nullptr;
};

// The desktop keeps its resolution: the 800 x 600 mode shows the game over the whole screen,
// scaled, and the return to the desktop's mode shows it in its window again.
class QtDisplay : public Display {
public:
    explicit QtDisplay(QtWindowHost& host) : host_(host) {}
    ScreenSize screenSize() const override;
    std::optional<DisplayModeRecord> mode(int index) const override;
    int change(const DisplayModeRecord& record) override;

private:
    QtWindowHost& host_;
};

class QtLinks : public Links {
public:
    int connectionState() const override;
    int open(const std::string& link) override;
};

// Sounds from the Qt resources compiled into the program, else the asset folder.
class QtResources : public Resources {
public:
    explicit QtResources(std::string assetDirectory);
    std::vector<std::uint8_t> load(const std::string& name, const std::string& type) override;
    const std::string& folder() const { return assetDirectory_; }

private:
    std::string assetDirectory_;
};

}  // namespace quorvel::platform::qt
