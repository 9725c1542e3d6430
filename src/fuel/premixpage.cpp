#include "fuel/premixpage.h"

#include "fuel/fuelscales.h"
#include "fuel/premix.h"
#include "fuel/volumeunits.h"

using namespace fuelScale;

PreMixPage::PreMixPage(FormControls& form)
    : QObject(&form)
    , f(form) {
    connect(f.vscrPreInGas, &SpinButton::change, this, &PreMixPage::vscrPreInGas_Change);
    connect(f.vscrPreInGas, &SpinButton::gotFocus, this, &PreMixPage::vscrPreInGas_GotFocus);
    connect(f.vscrPreInGas, &SpinButton::lostFocus, this, &PreMixPage::vscrPreInGas_LostFocus);
    connect(f.vscrPreInRatio, &SpinButton::change, this, &PreMixPage::vscrPreInRatio_Change);
    connect(f.vscrPreInRatio, &SpinButton::gotFocus, this, &PreMixPage::vscrPreInRatio_GotFocus);
    connect(f.vscrPreInRatio, &SpinButton::lostFocus, this, &PreMixPage::vscrPreInRatio_LostFocus);
}

void PreMixPage::vscrPreInGas_Change() {
    showGasVolume();
    calcPreMix();
}

void PreMixPage::showGasVolume() {
    const int value = f.vscrPreInGas->value();
    const QString& unitName = value > largestPluralValue ? f.volUnitSingular : f.volUnitPlural;
    f.lblPreGasVol->setCaption(QString::number(volumeBase - value) + u' ' + unitName);
}

void PreMixPage::vscrPreInGas_GotFocus() {
    f.lblPreGasVol->setBackColor(colours::yellow);
}

void PreMixPage::vscrPreInGas_LostFocus() {
    f.lblPreGasVol->setBackColor(f.cmbFuelType->backColor());
}

void PreMixPage::vscrPreInRatio_Change() {
    f.lblPreRatio->setCaption(QString::number(ratioBase - f.vscrPreInRatio->value()) +
                              QStringLiteral(" : 1"));
    // A unit picked while the glow fuel page was in front has not reached the petrol's caption yet;
    // the oil and total are about to be worked in that unit, so the petrol must name it too.
    showGasVolume();
    calcPreMix();
}

void PreMixPage::vscrPreInRatio_GotFocus() {
    f.lblPreRatio->setBackColor(colours::yellow);
}

void PreMixPage::vscrPreInRatio_LostFocus() {
    f.lblPreRatio->setBackColor(f.cmbFuelType->backColor());
}

void PreMixPage::calcPreMix() {
    // Before loading chooses a unit there is nothing to write the oil in.
    const auto unit = volumeUnitAt(f.cmbVolumeGrads->listIndex());
    if (!unit)
        return;
    const Amount gas = Amount::fromWhole(volumeBase - f.vscrPreInGas->value());
    const Amount ratio = Amount::fromWhole(ratioBase - f.vscrPreInRatio->value());
    const PreMixCaptions captions = preMixCaptions(f.numbers(), gas, ratio, *unit, f.volUnitPlural);
    f.lblPreVolumeOut2[0]->setCaption(captions.oil);
    f.lblPreVolumeOut2[1]->setCaption(captions.oilOther);
    f.lblTotPreVol->setCaption(captions.total);
}
