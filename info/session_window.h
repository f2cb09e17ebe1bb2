#pragma once

#include "engine/cabinet.h"
#include "engine/session.h"
#include "platform/child_window.h"

namespace quorvel::info {

inline constexpr int kSessionClientWidth = 9600;  // twips
inline constexpr int kSessionClientHeight = 9000;

// The player's session so far: the credit game by game, the return against the long run
// with the spread chance allows, and the session's figures.
class SessionWindow : public platform::ChildWindow {
public:
    SessionWindow(platform::Services services, platform::Window& mainScreen,
                  const engine::Cabinet& cabinet, const engine::Session& session);

    void btnclose_Click();

private:
    void showFigures(const engine::SessionFigures& figures, double longRun);
};

}  // namespace quorvel::info
