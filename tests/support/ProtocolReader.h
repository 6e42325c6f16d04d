#pragma once
// Reads a text protocol back line by line for the tests: exact heading
// lines, and table rows split into blank-separated fields whose numbers are
// parsed independently of the process locale.  Every mismatch is a test
// failure that names the line.
#include "model/CLocale.h"
#include "model/Codepage1252.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using ProtocolRow = std::vector<std::string>;

// The number a field holds; a failure when it holds none.
inline double Number(const std::string &field) {
  double value = 0.0;
  EXPECT_TRUE(ParseDoubleC(field.c_str(), value)) << "not a number: '" << field << "'";
  return value;
}

// An expected field of a row: a number, compared to the four significant
// digits the protocols print, or a text, compared exactly.
struct Expected {
  Expected(double value) : value(value) {}
  Expected(int value) : value(value) {}
  Expected(const char *text) : text(text) {}
  double value = 0.0;
  const char *text = nullptr;
};

inline void ExpectRow(const ProtocolRow &row, std::initializer_list<Expected> fields) {
  ASSERT_EQ(row.size(), fields.size());
  std::size_t k = 0;
  for (const Expected &field : fields) {
    if (field.text != nullptr)
      EXPECT_EQ(row[k], field.text) << "field " << k;
    else
      EXPECT_NEAR(Number(row[k]), field.value, 5e-4 * std::fabs(field.value) + 1e-300)
          << "field " << k << ": " << row[k];
    ++k;
  }
}

class ProtocolReader {
public:
  // text ends with a line feed; every line of it is read.
  explicit ProtocolReader(const std::string &text) {
    EXPECT_TRUE(text.empty() || text.back() == '\n') << "the protocol ends inside a line";
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
      lines_.push_back(text.substr(start, end - start));
  }

  bool AtEnd() const { return next_ >= lines_.size(); }
  std::size_t LineNumber() const { return next_ + 1; }
  // The next line, or the one ahead lines after it.
  const std::string &Peek(std::size_t ahead = 0) const {
    static const std::string none = "<end of protocol>";
    return next_ + ahead < lines_.size() ? lines_[next_ + ahead] : none;
  }
  std::string Next() {
    const std::string line = Peek();
    ++next_;
    return line;
  }

  // The next lines are exactly these.
  void Expect(std::initializer_list<std::string> lines) {
    for (const std::string &line : lines) {
      const std::size_t number = LineNumber();
      EXPECT_EQ(Next(), line) << "line " << number;
    }
  }

  // Table rows up to the next empty line (or the end, which is not
  // consumed): each with fields blank-separated fields and, when width is
  // positive, exactly width characters, so the columns line up.
  std::vector<ProtocolRow> Rows(std::size_t fields, int width = -1) {
    std::vector<ProtocolRow> rows;
    while (!AtEnd() && !Peek().empty()) {
      const std::size_t number = LineNumber();
      const std::string line = Next();
      ProtocolRow row = Split(line);
      EXPECT_EQ(row.size(), fields) << "line " << number << ": '" << line << "'";
      if (width > 0) {
        EXPECT_EQ(Utf8Length(line), static_cast<std::size_t>(width))
            << "line " << number << ": '" << line << "'";
      }
      rows.push_back(std::move(row));
    }
    return rows;
  }

  static ProtocolRow Split(const std::string &line) {
    std::istringstream in(line);
    ProtocolRow fields;
    for (std::string field; in >> field;)
      fields.push_back(field);
    return fields;
  }

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};
