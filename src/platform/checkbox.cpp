#include "platform/checkbox.h"

CheckBox::CheckBox(QWidget* parent)
    : QCheckBox(parent) {
    connect(this, &QCheckBox::stateChanged, this, &CheckBox::valueChanged);
}

int CheckBox::value() const {
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void CheckBox::setValue(int value) {
    setTristate(value == 2);
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void CheckBox::nextCheckState() {
    setValue(value() == 1 ? 0 : 1);
}
