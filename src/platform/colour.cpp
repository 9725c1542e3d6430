#include "platform/colour.h"

QColor Colour::resolve(const QPalette& palette) const {
    if (*this == colours::windowBackground)
        return palette.color(QPalette::Base);
    if (*this == colours::windowText)
        return palette.color(QPalette::Text);
    if (*this == colours::buttonFace)
        return palette.color(QPalette::Button);
    // Any other system number is unknown here; show it as the window text rather than as black.
    if (isSystem())
        return palette.color(QPalette::Text);
    return QColor(int(m_value & 0xFF), int((m_value >> 8) & 0xFF), int((m_value >> 16) & 0xFF));
}
