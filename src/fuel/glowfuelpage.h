// The glow fuel page: the total volume and its unit, the five component percentages, and the
// volumes, percentage check and oil share they give, recomputed on every change.
#pragma once

#include "window/formcontrols.h"

#include <QObject>

class GlowFuelPage : public QObject {
    Q_OBJECT
public:
    explicit GlowFuelPage(FormControls& form);

private:
    void connectTotalVolume();
    void connectPercentages();

    void cmbVolumeGrads_Click();
    void showTotalVolume();
    void vscrTotVol_Change();
    void vscrTotVol_GotFocus();
    void vscrTotVol_LostFocus();

    void vscrInPercent_Change(int Index);
    void vscrInPercent_GotFocus(int Index);
    void vscrInPercent_LostFocus(int Index);
    void chkAddIsOil_Click();

    void calcGlowMix();
    void showPercentageSum(int sum);
    void showActiveRow(int row, Amount volume);
    void showInactiveRow(int row);
    void showOilShare();
    int percent(int row) const;

    FormControls& f;
};
