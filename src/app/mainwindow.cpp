#include "app/mainwindow.h"

std::unique_ptr<Form1> createMainWindow(Desktop& desktop)
{
    auto form = std::make_unique<Form1>(desktop);
    // Each page connects its handlers here, before loading runs them.
    return form;
}
