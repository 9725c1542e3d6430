// A text label with the window's colour, border and alignment properties; its background is
// painted, so a yellow or grey box shows as the user expects.
#pragma once

#include "platform/colouring.h"

#include <QLabel>

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

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

private:
    Colouring m_colours;
    bool m_autoSize = false;
};
