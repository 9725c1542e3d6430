// A one-line text box whose Change is raised on every change of its text, typed or set.
#pragma once

#include "platform/colouring.h"

#include <QLineEdit>

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    Colour backColor() const { return m_colours.back(); }
    void setBackColor(Colour colour) { m_colours.setBack(colour); }

    // Selects the whole text, so the next key typed replaces it.
    void selectWholeText() { setSelection(0, int(text().size())); }

signals:
    void change();
    void gotFocus();
    void lostFocus();
    // A click with the left button that is released over the box.
    void click();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct ParentFontLoan;
    TextBox(QWidget* parent, const ParentFontLoan&);

    Colouring m_colours;
};
