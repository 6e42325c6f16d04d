#pragma once
// The font-size box: its arrows move the value within 0 to 100 only, while
// larger and negative numbers can be typed, so that the size handler sees
// them and answers with its own message.
#include <QSpinBox>

class SizeSpinBox : public QSpinBox {
  Q_OBJECT
public:
  static constexpr int kStepMinimum = 0;
  static constexpr int kStepMaximum = 100;

  explicit SizeSpinBox(QWidget *parent = nullptr);
  void stepBy(int steps) override;

protected:
  StepEnabled stepEnabled() const override;
};
