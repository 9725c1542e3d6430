// The start routine: creates the window and shows it; Qt's event loop does the rest.
#pragma once

namespace mdlStart {
void Main();
}
