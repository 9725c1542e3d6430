#include "app/mainwindow.h"

#include "app/accessiblenames.h"
#include "app/creditlink.h"
#include "convert/converters.h"
#include "drive/batterypage.h"
#include "drive/gearpage.h"
#include "fuel/glowfuelpage.h"
#include "fuel/premixpage.h"
#include "output/resultsoutput.h"

#include <QPixmapCache>

std::unique_ptr<Form1> createMainWindow(Desktop& desktop) {
    // The style keeps drawn controls for reuse, keyed by their colours. Every colour change here
    // makes new keys, so its cache would fill with pictures never drawn again and keep growing
    // its list of keys; the few controls of one small window draw fast enough without it.
    QPixmapCache::setCacheLimit(0);
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
