#pragma once
// Character positions in the UTF-8 edit text of a grid: the caret and the
// text length count characters, not bytes.
#include <QChar>
#include <QString>
#include <string>

// Number of characters of text.
inline int CharCount(const std::string &text) {
  return static_cast<int>(QString::fromStdString(text).size());
}

// The first n characters of text (all of it when n is beyond the end).
inline std::string LeftChars(const std::string &text, int n) {
  return QString::fromStdString(text).left(n < 0 ? 0 : n).toStdString();
}

// ch inserted after the first position characters (appended when position
// lies beyond the end).
inline void InsertChar(std::string &text, int position, QChar ch) {
  QString wide = QString::fromStdString(text);
  wide.insert(position < 0 ? 0 : position > wide.size() ? wide.size() : position, ch);
  text = wide.toStdString();
}

// The character at position removed; nothing outside the text.
inline void EraseChar(std::string &text, int position) {
  QString wide = QString::fromStdString(text);
  if (position >= 0 && position < wide.size())
    text = wide.remove(position, 1).toStdString();
}
