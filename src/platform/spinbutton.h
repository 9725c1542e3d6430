// A small vertical scroll bar used as a spin button: only its two arrows show, the up arrow
// lowers the value, and it takes part in keyboard focus like any input.
#pragma once

#include <QScrollBar>

struct SpinRange {
    int min;
    int max;
    int smallChange;
    int largeChange;
    int value;
};

class SpinButton : public QScrollBar {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent, SpinRange range = {0, 32767, 1, 1, 0});

    // Runs the Change handlers as though the value had just changed to what it is.
    void raiseChange() { emit change(); }

signals:
    // The value changed, by the user or by the program; raised only on a real change.
    void change();
    void gotFocus();
    void lostFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
