#include "window/formcontrols.h"

#include "platform/desktop.h"

FormControls::FormControls(Desktop& desktop, Qt::WindowFlags flags)
    : QWidget(nullptr, flags)
    , m_desktop(desktop)
    , m_numbers(NumberFormat::fromLocale(desktop.numberLocale()))
    , m_colours(this, {QPalette::Window}, {QPalette::WindowText}, colours::buttonFace, colours::windowText) {}
