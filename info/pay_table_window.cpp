#include "info/pay_table_window.h"

namespace quorvel::info {

PayTableWindow::PayTableWindow(platform::Services services, platform::Window& mainScreen)
    : ChildWindow(services, mainScreen, "quorvelpays", 7770, 7785, "QUORVEL PAYTABLE") {}

}  // namespace quorvel::info
