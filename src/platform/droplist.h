// A drop-down list the user picks from and cannot type into. It starts with no selection,
// adding items never selects one, and Click is raised only when the selection really changes.
#pragma once

#include "platform/colouring.h"

#include <QComboBox>

class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent);

    // Appends an item without selecting it; newIndex() then names it.
    void addItem(const QString& text);
    int newIndex() const { return m_newIndex; }
    int listCount() const { return count(); }

    int listIndex() const { return currentIndex(); }
    void setListIndex(int index) { setCurrentIndex(index); }

    // The whole number stored with an item (0 when none was stored).
    int itemData(int index) const;
    void setItemData(int index, int number);

    Colour backColor() const { return m_colours.back(); }
    void setBackColor(Colour colour) { m_colours.setBack(colour); }
    Colour foreColor() const { return m_colours.fore(); }
    void setForeColor(Colour colour) { m_colours.setFore(colour); }

signals:
    void click();
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    Colouring m_colours;
    int m_newIndex = -1;
};
