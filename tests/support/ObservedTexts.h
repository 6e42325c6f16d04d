#pragma once
// The texts a display list draws while the object lives: attaches a text
// log to the list and detaches it again.
#include "tests/support/PaintRecords.h"

#include <string>
#include <vector>

class ObservedTexts : public TextLog {
public:
  explicit ObservedTexts(PaintContainer &display) : display(display) {
    display.SetTextObserver(this);
  }
  ~ObservedTexts() override { display.SetTextObserver(nullptr); }
  ObservedTexts(const ObservedTexts &) = delete;
  ObservedTexts &operator=(const ObservedTexts &) = delete;

  std::vector<std::string> Strings() const {
    std::vector<std::string> strings;
    for (const TextPlacement &t : texts)
      strings.push_back(t.text);
    return strings;
  }

private:
  PaintContainer &display;
};
