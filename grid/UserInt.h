#pragma once
// The number and text cell: shows a 32-bit integer, a double or a string
// through a printf format and reads typed text back.  Numbers are written
// and read with '.' whatever the locale; a typed ',' counts as '.'.
#include "grid/UserCell.h"

#include <cstdint>

enum VarTyp : std::uint8_t { uInteger = 0, uDouble = 1, uString = 2 };

class TUserInt : public TUserCell {
  Q_OBJECT
  Q_PROPERTY(QString Format READ Format WRITE SetFormat)
  Q_PROPERTY(int Typ READ TypValue WRITE SetTypValue)

public:
  explicit TUserInt(QObject *owner = nullptr);

  QString Format() const { return QString::fromStdString(format); }
  void SetFormat(const QString &value) { format = value.toStdString(); }
  VarTyp Typ() const { return typ; }
  void SetTyp(VarTyp value) { typ = value; }

  // Empty for an empty Format.
  void ValueToText(const void *value, std::string &text) override;
  // Digits pass; doubles also take + - E e . ,; strings take everything.
  QChar Charfilter(QChar ch) override;
  // Integers: trunc(value + x), doubles: value + x; a result beyond the
  // 32-bit range, not finite, or one typing could not give (a negative
  // integer) leaves the value.  Strings: nothing.
  bool Add(void *value, double x) override;
  bool Mult(void *value, double x) override;
  // Integers as atol, doubles as atof after the first ',' became '.'.  An
  // integer beyond 32 bits or a real that is not finite gives null.  A
  // string is copied into a zero-padded buffer of 1000 bytes at least.
  const void *TextToValue(std::string &text) override;
  // Bytes of the stored value.
  virtual int DatLen() const;

protected:
  // A number column reads the whole text as one number it can hold.
  bool Readable(const std::string &text) override;
  // A double is copied as the shortest text that reads back to it ('.').
  void ValueToCopyText(const void *value, std::string &text) override;

private:
  int TypValue() const { return typ; }
  void SetTypValue(int value) { typ = static_cast<VarTyp>(value); }
  bool Arithmetic(void *value, double result);

  std::string format;
  VarTyp typ = uInteger;
  std::int32_t intValue = 0;
  double doubleValue = 0.0;
  std::string stringValue;
};
