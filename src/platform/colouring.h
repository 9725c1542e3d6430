// Keeps a widget's background and text colours as Colours and paints them through its palette,
// repainting system colours by itself whenever the application palette changes.
#pragma once

#include "platform/colour.h"

#include <QPalette>
#include <QWidget>
#include <initializer_list>
#include <vector>

class Colouring {
public:
    Colouring(QWidget* widget, std::initializer_list<QPalette::ColorRole> backRoles,
              std::initializer_list<QPalette::ColorRole> foreRoles, Colour back, Colour fore);
    ~Colouring();
    Colouring(const Colouring&) = delete;
    Colouring& operator=(const Colouring&) = delete;

    Colour back() const { return m_back; }
    Colour fore() const { return m_fore; }
    void setBack(Colour colour);
    void setFore(Colour colour);
    // Paints both colours again, resolving system colours against the application palette.
    void repaint();

private:
    QWidget* m_widget;
    std::vector<QPalette::ColorRole> m_backRoles;
    std::vector<QPalette::ColorRole> m_foreRoles;
    Colour m_back;
    Colour m_fore;
};
