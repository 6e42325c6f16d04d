#pragma once
// Switches the process to a comma-decimal German locale for one test and
// back afterwards.  The build generates the locale into the folder named by
// LOCPATH; a test that silently ran under "C" would prove nothing, so the
// switch is asserted by the callers.
#include <clocale>
#include <string>

class GermanLocale {
public:
  GermanLocale() {
    const char *old = std::setlocale(LC_ALL, nullptr);
    previous_ = old ? old : "C";
    active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  }
  ~GermanLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  GermanLocale(const GermanLocale &) = delete;
  GermanLocale &operator=(const GermanLocale &) = delete;

  // True when the locale is in force and really uses a decimal comma.
  bool active() const { return active_ && std::string(std::localeconv()->decimal_point) == ","; }

private:
  std::string previous_;
  bool active_ = false;
};
