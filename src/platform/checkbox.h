// A check box whose Value is 0 (unchecked), 1 (checked) or 2 (grey), and whose Click is raised
// whenever that value changes.
#pragma once

#include <QCheckBox>

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent);

    int value() const;
    void setValue(int value);

signals:
    void click();

protected:
    // A person's click only checks or clears the box; grey is the program's to set.
    void nextCheckState() override;
};
