#include "drive/chargetime.h"

#include <cmath>

Amount chargeHours(int capacityMah, int currentMa) {
    const Amount capacity = Amount::fromWhole(capacityMah);
    const Amount current = Amount::fromWhole(currentMa);
    return Amount::fromDouble(capacity.toDouble() * 1.5 / current.toDouble());
}

HoursAndMinutes hoursAndMinutes(Amount hours) {
    const Amount minutesInAll = hours * 60;
    const auto wholeHours = static_cast<std::int64_t>(std::floor(minutesInAll.toDouble() / 60.0));
    const Amount minutesLeft = minutesInAll - Amount::fromWhole(60 * wholeHours);
    return {wholeHours, minutesLeft.wholePart()};
}

QString chargeTimeText(HoursAndMinutes time, const NumberFormat& numbers) {
    QString hoursText;
    if (time.hours == 1)
        hoursText = QStringLiteral("1 Hour");
    else if (time.hours != 0)
        hoursText = numbers.Format(static_cast<double>(time.hours), u"#0") + QStringLiteral(" Hours");

    QString minutesText;
    if (time.minutes == 1)
        minutesText = QStringLiteral("01 Minute");
    else if (time.minutes != 0)
        minutesText = numbers.Format(static_cast<double>(time.minutes), u"00") + QStringLiteral(" Minutes");

    if (!hoursText.isEmpty() && !minutesText.isEmpty())
        return hoursText + QStringLiteral(" and ") + minutesText;
    return hoursText + minutesText;
}
