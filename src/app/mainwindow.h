// Builds the window with every page's handlers installed, ready to Show.
#pragma once

#include "app/form1.h"

#include <memory>

std::unique_ptr<Form1> createMainWindow(Desktop& desktop);
