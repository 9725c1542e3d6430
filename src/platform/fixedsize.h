// Keeps a fixed-size window at its size where the desktop's title bar offers to maximize it anyway.
#pragma once

class QWidget;

// Call once the window is shown at its fixed size.
void keepFixedSize(QWidget* window);
