#include "editor/SizeSpinBox.h"

#include <algorithm>

// Four digits and a sign can be typed; the handler limits the size.
SizeSpinBox::SizeSpinBox(QWidget *parent) : QSpinBox(parent) {
  setRange(-9999, 9999);
}

void SizeSpinBox::stepBy(int steps) {
  setValue(std::clamp(value() + steps, kStepMinimum, kStepMaximum));
  selectAll();
}

QAbstractSpinBox::StepEnabled SizeSpinBox::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() < kStepMaximum)
    enabled |= StepUpEnabled;
  if (value() > kStepMinimum)
    enabled |= StepDownEnabled;
  return enabled;
}
