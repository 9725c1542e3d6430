// The pre-mix page: a volume of petrol and a fuel-to-oil ratio, and the oil to add and the volume
// of the mixture they give, recomputed on every change.
#pragma once

#include "window/formcontrols.h"

#include <QObject>

class PreMixPage : public QObject {
    Q_OBJECT
public:
    explicit PreMixPage(FormControls& form);

private:
    void vscrPreInGas_Change();
    void vscrPreInGas_GotFocus();
    void vscrPreInGas_LostFocus();
    void vscrPreInRatio_Change();
    void vscrPreInRatio_GotFocus();
    void vscrPreInRatio_LostFocus();

    void showGasVolume();
    void calcPreMix();

    FormControls& f;
};
