// A check box whose Value is 0 (unchecked), 1 (checked) or 2 (grey), and which tells of every
// change of that value.
#pragma once

#include <QCheckBox>

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent);

    int value() const;
    void setValue(int value);

signals:
    // The value changed, by a click, a key or the program. (QAbstractButton::click stays a click.)
    void valueChanged();

protected:
    // A person's click only checks or clears the box; grey is the program's to set.
    void nextCheckState() override;
};
