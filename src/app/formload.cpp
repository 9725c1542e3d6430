// Loading the window: the caption, the three lists, and the first value of every input, in an
// order the pages rely on, since each assignment runs that input's handler at once.
#include "app/form1.h"
#include "version.h"

namespace {

const char* const volumeUnitItems[] = {"Metric Litre", "US Fluid Ounce", "US Gallon"};

const char* const pageItems[] = {
    "Glow plug fuel percentage",
    "Gasser / Petrol (2 stroke) ratio",
    "Gear ratio / Battery Charge",
    "Metric <> US converter",
};

struct ChargeRate {
    const char* text;
    int itemData; // ten times the divisor of the capacity; 0 for no rate
};

const ChargeRate chargeRates[] = {
    {" C/10", 100}, {" C/9", 90}, {" C/8", 80}, {" C/7", 70}, {" C/6", 60}, {" C/5", 50},
    {" C/4", 40},   {" C/3", 30}, {" C/2", 20}, {" 1C", 10},  {" 2C", 5},   {" ", 0},
};

} // namespace

void Form1::Form_Load() {
    setWindowTitle(QStringLiteral("Rotorix (v%1.%2.%3)")
                       .arg(ROTORIX_VERSION_MAJOR)
                       .arg(ROTORIX_VERSION_MINOR)
                       .arg(ROTORIX_VERSION_PATCH));
    percentFocusIndex = -1;
    for (const char* unit : volumeUnitItems)
        cmbVolumeGrads->addItem(QString::fromUtf8(unit));
    for (const char* page : pageItems)
        cmbFuelType->addItem(QString::fromUtf8(page));
    for (const ChargeRate& rate : chargeRates) {
        cmbBattRate->addItem(QString::fromUtf8(rate.text));
        cmbBattRate->setItemData(cmbBattRate->newIndex(), rate.itemData);
    }

    cmbBattRate->setListIndex(0);
    cmbFuelType->setListIndex(0);
    cmbVolumeGrads->setListIndex(isUsMeasure() ? 2 : 0);
    vscrTotVol->setValue(191);
    vscrPreInGas->setValue(191);
    vscrPreInRatio->setValue(75);
    // Methanol passes through 100 % on its way to 0 %, so every row has been shown once.
    vscrInPercent[0]->setValue(0);
    for (SpinButton* percent : vscrInPercent)
        percent->setValue(100);
    vscrConvGRatio[0]->setValue(7);
    vscrConvGRatio[1]->setValue(54);
    vscrBattRating->setValue(0);
    vscrConvGRpm[0]->setValue(40);
}
