#include "fuel/glowfuelpage.h"

#include "fuel/fuelscales.h"
#include "fuel/glowmix.h"
#include "fuel/volumeunits.h"

namespace {

using namespace fuelScale;

constexpr int leastOilShareInBounds = 15;
constexpr int glowFuelPageIndex = 0;

QString percentText(int value) {
    return QString::number(value) + QStringLiteral(" %");
}

} // namespace

GlowFuelPage::GlowFuelPage(FormControls& form)
    : QObject(&form)
    , f(form) {
    connectTotalVolume();
    connectPercentages();
}

void GlowFuelPage::connectTotalVolume() {
    connect(f.cmbVolumeGrads, &DropDownList::click, this, &GlowFuelPage::cmbVolumeGrads_Click);
    connect(f.vscrTotVol, &SpinButton::change, this, &GlowFuelPage::vscrTotVol_Change);
    connect(f.vscrTotVol, &SpinButton::gotFocus, this, &GlowFuelPage::vscrTotVol_GotFocus);
    connect(f.vscrTotVol, &SpinButton::lostFocus, this, &GlowFuelPage::vscrTotVol_LostFocus);
}

void GlowFuelPage::connectPercentages() {
    for (int i = 0; i < glowRowCount; ++i) {
        SpinButton* spin = f.vscrInPercent[i];
        connect(spin, &SpinButton::change, this, [this, i] { vscrInPercent_Change(i); });
        connect(spin, &SpinButton::gotFocus, this, [this, i] { vscrInPercent_GotFocus(i); });
        connect(spin, &SpinButton::lostFocus, this, [this, i] { vscrInPercent_LostFocus(i); });
    }
    connect(f.chkAddIsOil, &CheckBox::valueChanged, this, &GlowFuelPage::chkAddIsOil_Click);
}

void GlowFuelPage::cmbVolumeGrads_Click() {
    if (const auto unit = volumeUnitAt(f.cmbVolumeGrads->listIndex())) {
        const VolumeUnitNames names = volumeUnitNames(*unit);
        f.volUnitSingular = names.singular;
        f.volUnitPlural = names.plural;
        f.lblOut1[0]->setCaption(names.firstColumn);
        f.lblOut1[1]->setCaption(names.secondColumn);
    }
    showTotalVolume();
    // The unit list serves both fuel pages, but only the one in front is brought up to date.
    if (f.cmbFuelType->listIndex() == glowFuelPageIndex)
        calcGlowMix();
    else
        f.vscrPreInGas->raiseChange();
}

void GlowFuelPage::showTotalVolume() {
    const int value = f.vscrTotVol->value();
    const QString& unitName = value > largestPluralValue ? f.volUnitSingular : f.volUnitPlural;
    f.lblTotalVol->setCaption(QString::number(volumeBase - value) + u' ' + unitName);
}

void GlowFuelPage::vscrTotVol_Change() {
    showTotalVolume();
    calcGlowMix();
}

void GlowFuelPage::vscrTotVol_GotFocus() {
    f.lblTotalVol->setBackColor(colours::yellow);
}

void GlowFuelPage::vscrTotVol_LostFocus() {
    f.lblTotalVol->setBackColor(f.cmbVolumeGrads->backColor());
}

void GlowFuelPage::vscrInPercent_Change(int Index) {
    f.lblPercentIn[Index]->setCaption(percentText(percent(Index)));
    calcGlowMix();
}

void GlowFuelPage::vscrInPercent_GotFocus(int Index) {
    f.percentFocusIndex = static_cast<std::int16_t>(Index);
    f.lblPercentIn[Index]->setBackColor(colours::yellow);
}

void GlowFuelPage::vscrInPercent_LostFocus(int Index) {
    // The colour a recalculation gives an unfocused row, so leaving a row never changes its look twice.
    f.lblPercentIn[Index]->setBackColor(percent(Index) > 0 ? f.cmbVolumeGrads->backColor() : f.backColor());
    f.percentFocusIndex = -1;
}

void GlowFuelPage::chkAddIsOil_Click() {
    calcGlowMix();
}

void GlowFuelPage::calcGlowMix() {
    int sum = 0;
    for (int row = 0; row < glowRowCount; ++row)
        sum += percent(row);
    showPercentageSum(sum);

    const Amount total = Amount::fromWhole(volumeBase - f.vscrTotVol->value());
    for (int row = 0; row < glowRowCount; ++row) {
        // A row whose percentage was never shown is not in use yet, whatever its spin button holds.
        const bool active = !f.lblPercentIn[row]->caption().isEmpty() && percent(row) != 0;
        if (active)
            showActiveRow(row, componentVolume(total, percent(row)));
        else
            showInactiveRow(row);
    }
    showOilShare();
}

void GlowFuelPage::showPercentageSum(int sum) {
    const bool correct = sum == 100;
    if (sum > 100)
        f.lblIndicate->setCaption(QStringLiteral("Reduce any % ratio by ") + percentText(sum - 100));
    else if (sum < 100)
        f.lblIndicate->setCaption(QStringLiteral("Add to any % ratio by ") + percentText(100 - sum));
    else
        f.lblIndicate->setCaption(QStringLiteral("Correct weight"));
    f.lblIndicate->setForeColor(correct ? colours::blue : colours::red);

    const Colour rowText = correct ? f.cmbVolumeGrads->foreColor() : colours::red;
    for (int row = 0; row < glowRowCount; ++row) {
        f.lblPercentIn[row]->setForeColor(rowText);
        f.lblVolumeOut[row]->setForeColor(rowText);
        f.lblVolumeOut2[row]->setForeColor(rowText);
    }
    // Only a mix that adds up is worth a report.
    f.cmdCopy->setEnabled(correct);
    f.cmdPrint->setEnabled(correct);
}

void GlowFuelPage::showActiveRow(int row, Amount volume) {
    // Before loading chooses a unit there is nothing to write the volumes in.
    if (const auto unit = volumeUnitAt(f.cmbVolumeGrads->listIndex())) {
        const ComponentCaptions captions = componentCaptions(f.numbers(), volume, *unit);
        f.lblVolumeOut[row]->setCaption(captions.first);
        f.lblVolumeOut2[row]->setCaption(captions.second);
    }
    const Colour normal = f.cmbVolumeGrads->backColor();
    if (row == otherAdditive) {
        f.txtOther->setBackColor(normal);
        f.txtOther->setEnabled(true);
        f.chkAddIsOil->setEnabled(true);
    }
    f.lblVolumeOut[row]->setBackColor(normal);
    f.lblVolumeOut2[row]->setBackColor(normal);
    f.lblPercentIn[row]->setBackColor(row == f.percentFocusIndex ? colours::yellow : normal);
}

void GlowFuelPage::showInactiveRow(int row) {
    const Colour blank = f.backColor();
    f.lblVolumeOut[row]->setCaption(QString());
    f.lblVolumeOut2[row]->setCaption(QString());
    // Blank even under the focus: an unused row shows no highlight.
    f.lblVolumeOut[row]->setBackColor(blank);
    f.lblVolumeOut2[row]->setBackColor(blank);
    f.lblPercentIn[row]->setBackColor(blank);
    if (row == otherAdditive) {
        f.txtOther->setBackColor(blank);
        f.txtOther->setEnabled(false);
        f.chkAddIsOil->setEnabled(false);
    }
}

void GlowFuelPage::showOilShare() {
    int oil = percent(castorOil) + percent(syntheticOil);
    // Only a plain tick counts the additive; a grey box does not.
    if (f.chkAddIsOil->value() == 1)
        oil += percent(otherAdditive);
    f.lblOilTotal->setCaption(QStringLiteral("Total Oil mix is ") + percentText(oil));
    f.lblOilTotal->setForeColor(oil < leastOilShareInBounds ? colours::red : colours::blue);
}

int GlowFuelPage::percent(int row) const {
    return percentBase - f.vscrInPercent[row]->value();
}
