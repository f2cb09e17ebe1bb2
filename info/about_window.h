#pragma once

#include <string>

#include "platform/child_window.h"

namespace quorvel::info {

inline constexpr const char* kApplicationTitle = "Quorvel";
// The project has no site of its own: the links lead to a reserved example domain.
inline constexpr const char* kMakerSite = "https://www.example.com/quorvel";
inline constexpr const char* kSupportAddress = "support@example.com";
inline constexpr const char* kCasinoPage = "https://casino.example.com/";

// The about window: the program's title line, its credits and its outward links.
class AboutWindow : public platform::ChildWindow {
public:
    AboutWindow(platform::Services services, platform::Window& mainScreen);

    void cmdtavrin_Click();
    void cmdfeedback_Click();
    void SSCommand1_Click();
    void Picture1_Click();
    void Picture2_Click();

    bool IsConnected() const;
    void ExecuteLink(const std::string& link);

private:
    void openCasino();
    void notConnected(const char* text);
    // The title of this opening's boxes: none until a casino link names the free version.
    std::string boxTitle_;
};

}  // namespace quorvel::info
