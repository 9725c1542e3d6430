// The upper half of the drive page: tooth counts, the gear ratio, and engine or head speed, the
// one computed from the other depending on which speed spin button last took the focus.
#pragma once

#include <QObject>

class FormControls;

class GearPage : public QObject {
    Q_OBJECT
public:
    explicit GearPage(FormControls& form);

private:
    void vscrConvGRatio_Change(int index);
    void vscrConvGRatio_GotFocus(int index);
    void vscrConvGRatio_LostFocus(int index);
    void vscrConvGRpm_Change(int index);
    void vscrConvGRpm_GotFocus(int index);
    void vscrConvGRpm_LostFocus(int index);
    void calcHeadSpeed();

    FormControls& f;
};
