// The lower half of the drive page: battery capacity, a charge current picked as a C-rate from
// the list or set directly, and the time the charge takes.
#pragma once

#include <QObject>

class FormControls;

class BatteryPage : public QObject {
    Q_OBJECT
public:
    explicit BatteryPage(FormControls& form);

private:
    void vscrBattRating_Change();
    void vscrBattRating_GotFocus();
    void vscrBattRating_LostFocus();
    void vscrBattAmpRate_Change();
    void vscrBattAmpRate_GotFocus();
    void vscrBattAmpRate_LostFocus();
    void cmbBattRate_Click();
    void cmbBattRate_GotFocus();
    void calcChargeTime();

    FormControls& f;
};
