#include "info/about_window.h"

#include <string>

namespace quorvel::info {

AboutWindow::AboutWindow(platform::Services services, platform::Window& mainScreen)
    : ChildWindow(services, mainScreen, "aboutquorvel", 5910, 8775,
                  std::string("About ") + kApplicationTitle) {}

}  // namespace quorvel::info
