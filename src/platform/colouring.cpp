#include "platform/colouring.h"

#include <QApplication>

Colouring::Colouring(QWidget* widget, std::initializer_list<QPalette::ColorRole> backRoles,
                     std::initializer_list<QPalette::ColorRole> foreRoles, Colour back, Colour fore)
    : m_widget(widget)
    , m_backRoles(backRoles)
    , m_foreRoles(foreRoles)
    , m_back(back)
    , m_fore(fore)
{
    repaint();
}

void Colouring::setBack(Colour colour)
{
    if (colour == m_back)
        return;
    m_back = colour;
    repaint();
}

void Colouring::setFore(Colour colour)
{
    if (colour == m_fore)
        return;
    m_fore = colour;
    repaint();
}

void Colouring::repaint()
{
    // System colours are resolved against the application palette, never the widget's own,
    // which holds whatever was painted last.
    const QPalette system = QApplication::palette(m_widget);
    QPalette palette = m_widget->palette();
    // A disabled widget keeps its background but greys its text, as the desktop does.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : m_backRoles)
            palette.setColor(group, role, m_back.resolve(system));
    }
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : m_foreRoles)
            palette.setColor(group, role, m_fore.resolve(system));
    }
    m_widget->setPalette(palette);
}
