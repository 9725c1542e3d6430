#include "drive/batterypage.h"

#include "drive/chargerate.h"
#include "drive/chargetime.h"
#include "window/formcontrols.h"

BatteryPage::BatteryPage(FormControls& form)
    : QObject(&form)
    , f(form) {
    connect(f.vscrBattRating, &SpinButton::change, this, &BatteryPage::vscrBattRating_Change);
    connect(f.vscrBattRating, &SpinButton::gotFocus, this, &BatteryPage::vscrBattRating_GotFocus);
    connect(f.vscrBattRating, &SpinButton::lostFocus, this, &BatteryPage::vscrBattRating_LostFocus);
    connect(f.vscrBattAmpRate, &SpinButton::change, this, &BatteryPage::vscrBattAmpRate_Change);
    connect(f.vscrBattAmpRate, &SpinButton::gotFocus, this, &BatteryPage::vscrBattAmpRate_GotFocus);
    connect(f.vscrBattAmpRate, &SpinButton::lostFocus, this, &BatteryPage::vscrBattAmpRate_LostFocus);
    connect(f.cmbBattRate, &DropDownList::click, this, &BatteryPage::cmbBattRate_Click);
    connect(f.cmbBattRate, &DropDownList::gotFocus, this, &BatteryPage::cmbBattRate_GotFocus);
}

void BatteryPage::vscrBattRating_Change() {
    const int rating = f.vscrBattRating->value();
    f.lblBatt[0]->setCaption(QString::number(capacityMah(rating)) + QStringLiteral(" mAh"));
    // The current goes to the old range's largest current before the new bounds are set, so each
    // bound moves while the value lies inside it and never drags the value along.
    SpinButton* current = f.vscrBattAmpRate;
    const CurrentRange range = currentRangeFor(rating);
    current->setValue(current->minimum());
    current->setMaximum(range.max);
    current->setValue(current->maximum());
    current->setMinimum(range.min);
    f.cmbBattRate->setListIndex(0);
    f.cmbBattRate->setBackColor(f.cmbFuelType->backColor());
}

void BatteryPage::vscrBattRating_GotFocus() {
    f.lblBatt[0]->setBackColor(colours::yellow);
}

void BatteryPage::vscrBattRating_LostFocus() {
    f.lblBatt[0]->setBackColor(f.cmbFuelType->backColor());
}

void BatteryPage::vscrBattAmpRate_Change() {
    f.lblBatt[1]->setCaption(QString::number(currentMa(f.vscrBattAmpRate->value())) + QStringLiteral(" mA"));
    calcChargeTime();
}

void BatteryPage::vscrBattAmpRate_GotFocus() {
    f.lblBatt[1]->setBackColor(colours::yellow);
    // A current set by hand is no C-rate any more: the list goes blank and grey like an output.
    f.cmbBattRate->setBackColor(f.lblConvGRatioOut->backColor());
    f.cmbBattRate->setListIndex(f.cmbBattRate->listCount() - 1);
}

void BatteryPage::vscrBattAmpRate_LostFocus() {
    f.lblBatt[1]->setBackColor(f.cmbFuelType->backColor());
}

void BatteryPage::cmbBattRate_Click() {
    const int itemData = f.cmbBattRate->itemData(f.cmbBattRate->listIndex());
    if (const auto value = currentScrollForRate(f.vscrBattRating->value(), itemData))
        f.vscrBattAmpRate->setValue(*value);
}

void BatteryPage::cmbBattRate_GotFocus() {
    f.cmbBattRate->setBackColor(f.cmbFuelType->backColor());
}

void BatteryPage::calcChargeTime() {
    const Amount hours =
        chargeHours(capacityMah(f.vscrBattRating->value()), currentMa(f.vscrBattAmpRate->value()));
    f.lblBatt[2]->setCaption(chargeTimeText(hoursAndMinutes(hours), f.numbers()));
}
