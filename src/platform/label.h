// A text label with the window's colour, border and alignment properties; its background is
// painted, so a yellow or grey box shows as the user expects.
#pragma once

#include "platform/colouring.h"

#include <QCursor>
#include <QLabel>

// The values of a label's MousePointer.
inline constexpr int arrowPointer = 0;      // the default arrow
inline constexpr int mouseIconPointer = 99; // the label's own mouse icon

class Label : public QLabel {
    Q_OBJECT
public:
    // Built in its colours from the start: each change of colours repaints the whole palette.
    explicit Label(QWidget* parent, Colour back = colours::buttonFace, Colour fore = colours::windowText);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    Colour backColor() const { return m_colours.back(); }
    void setBackColor(Colour colour) { m_colours.setBack(colour); }
    Colour foreColor() const { return m_colours.fore(); }
    void setForeColor(Colour colour) { m_colours.setFore(colour); }

    void setBorder(bool fixedSingle);
    void setCentred(bool centred);
    void setBold(bool bold);
    // The label's size follows its caption.
    void setAutoSize(bool autoSize);
    bool autoSize() const { return m_autoSize; }

    bool fontUnderline() const { return font().underline(); }
    void setFontUnderline(bool underline);
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    void setMouseIcon(const QCursor& icon);

signals:
    // A left press and release over the label.
    void click();
    // The pointer moved over the label, with or without a button held; X and Y in twips from the
    // label's top-left corner.
    void mouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void fitToCaption();

    Colouring m_colours;
    bool m_autoSize = false;
    int m_mousePointer = arrowPointer;
    QCursor m_mouseIcon;
    bool m_pressed = false;
};
