#include "app/mainwindow.h"

#include "app/accessiblenames.h"
#include "app/creditlink.h"
#include "convert/converters.h"
#include "drive/batterypage.h"
#include "drive/gearpage.h"
#include "fuel/glowfuelpage.h"
#include "fuel/premixpage.h"
#include "output/resultsoutput.h"

std::unique_ptr<Form1> createMainWindow(Desktop& desktop) {
    auto form = std::make_unique<Form1>(desktop);
    // Each page connects its handlers here, before loading runs them.
    new GlowFuelPage(*form);
    new PreMixPage(*form);
    new GearPage(*form);
    new BatteryPage(*form);
    new Converters(*form);
    new ResultsOutput(*form);
    new CreditLink(*form);
    nameInputsAfterTheirLabels(*form);
    return form;
}
