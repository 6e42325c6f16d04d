#include "grid/UserCell.h"

#include "grid/EditText.h"
#include "grid/UserGrid.h"
#include "platform/MessageBeep.h"
#include "platform/TextContrast.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {
const QColor kWhite(255, 255, 255);
const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kAqua(0, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kChoiceList(225, 255, 255);
constexpr int kCaretHeight = 15;
} // namespace

TUserCell::TUserCell(QObject *owner) : QObject(owner) {}

TUserCell::~TUserCell() {
  if (grid != nullptr && grid->ColumnCell(column) == this)
    grid->DestroyColumn(column);
}

void TUserCell::SetColumn(int value) {
  if (grid != nullptr) {
    if (grid->ColumnCell(column) == this)
      grid->DestroyColumn(column);
    if (value >= 0)
      grid->RegisterColumn(this, value);
  }
  column = value;
}

void TUserCell::SetColWidth(int value) {
  colWidth = value;
  if (grid != nullptr && column >= 0)
    grid->SetColWidths(column, value);
}

void TUserCell::SetGrid(TUserGrid *value) {
  grid = value;
  if (grid == nullptr || column < 0)
    return;
  grid->RegisterColumn(this, column);
  if (colWidth > 0)
    grid->SetColWidths(column, colWidth);
}

bool TUserCell::Textfilter(std::string &, const std::string &) {
  return true;
}

QChar TUserCell::Charfilter(QChar ch) {
  return ch;
}

QColor TUserCell::CellColor(int row, int column) {
  if (grid == nullptr)
    return kWhite;
  const bool readOnly = IsReadOnly(row, column) != 0;
  const bool inBlock = grid->isBlock(row, column) != 0;
  if (readOnly)
    return inBlock ? kGray : kSilver;
  if (onlyRead)
    return kGray;
  if (row == grid->Row() && column == grid->Col() && grid->Select && grid->Focused())
    return kAqua;
  if (inBlock)
    return kBlue;
  return GetCellTyp() == 1 ? kChoiceList : kWhite;
}

bool TUserCell::Add(void *, double) {
  return true;
}

bool TUserCell::Mult(void *, double) {
  return true;
}

// The first character after a focus return loads the cell as a click does,
// whatever the key.  A selected text, or the one character of a cell that
// holds only one, is replaced.
void TUserCell::CellKeyPress(QChar ch) {
  grid->EnsureEditCell();
  MapChar(ch);
  ch = Charfilter(ch);
  if (ch.isNull()) {
    MessageBeep(BeepKind::Simple);
    return;
  }
  const std::string before = grid->EText;
  int at = grid->Caret;
  if (grid->Select || maxTextLen == 1) {
    grid->EText.clear();
    at = 0;
  }
  InsertChar(grid->EText, at, ch);
  if (!Textfilter(grid->EText, before))
    return;
  grid->Change();
  grid->Caret = at + 1;
  grid->SetSelect(0);
  if (maxTextLen != 0 && grid->ETextLen() >= maxTextLen)
    grid->NextCell();
}

bool TUserCell::UDblClick() {
  return true;
}

void TUserCell::UMouseDown(int, int, int, int, void *) {}

void TUserCell::PlaceCursor(int row, int column, int x) {
  int best = 100000;
  int position = 0;
  for (int i = 0; i <= grid->ETextLen(); ++i) {
    const int distance = std::abs(CaretOffset(grid->EText, i) - x);
    if (distance < best) {
      best = distance;
      position = i;
    }
  }
  grid->Caret = position;
  PaintCell(row, column);
}

void TUserCell::MapChar(QChar &ch) {
  for (int i = 0; i + 1 < filter.size(); i += 2) {
    if (filter[i] == ch) {
      ch = filter[i + 1];
      return;
    }
  }
}

void TUserCell::PaintCell(int row, int column) {
  QPainter *canvas = grid->Canvas();
  const QRect rect = grid->CellRect(column, row);
  if (canvas == nullptr) { // outside the paint event: ask for it
    grid->viewport()->update(rect);
    return;
  }
  const int height = rect.height();
  if (height > grid->DefaultRowHeight() || height <= 0)
    return;
  const int room = rect.width() - 6;
  const bool editing = row == grid->ERow && column == grid->ECol;
  std::string text;
  int x;
  if (editing) {
    text = grid->EText;
    x = rect.left() + TextOffset(column, text);
    const int w = CaretOffset(text, grid->Caret);
    if (w < 3)
      x += 3 - w;
    if (w > room)
      x += room - w;
  } else {
    ValueToText(ValueInUse(row, column), text);
    x = rect.left() + TextOffset(column, text);
  }
  const int y =
      static_cast<int>((grid->DefaultRowHeight() - grid->TextHeight(text)) * 0.5 + rect.top());
  const QColor background = CellColor(row, column);
  canvas->fillRect(rect, background);
  if (!grid->Shown(row, column) || IsReadOnly(row, column) != 0)
    return;
  canvas->save();
  canvas->setClipRect(rect);
  canvas->setPen(ReadableTextColour(background)); // on the blue block, the grey read-only column
  canvas->drawText(x, y + canvas->fontMetrics().ascent(), QString::fromStdString(text));
  if (row == grid->Row() && column == grid->Col()) {
    const int caret = std::clamp(grid->Caret, 0, CharCount(text));
    DrawCaret(text, caret, x, rect.top() + 1);
  }
  canvas->restore();
}

int TUserCell::GetCellTyp() const {
  return 0;
}

int TUserCell::TextOffset(int column, const std::string &text) {
  textOffset =
      center ? static_cast<int>((grid->ColWidths(column) - grid->TextWidth(text)) * 0.5) : 3;
  return textOffset;
}

int TUserCell::CaretOffset(const std::string &text, int n) {
  return grid->TextWidth(LeftChars(text, n)) + textOffset;
}

void TUserCell::DrawCaret(const std::string &text, int n, int x, int y) {
  QPainter *canvas = grid->Canvas();
  if (onlyRead || !grid->Focused() || canvas == nullptr)
    return;
  const int at = x + CaretOffset(text, n) - textOffset;
  canvas->setPen(QPen(Qt::black, 1));
  canvas->drawLine(at, y, at, y + kCaretHeight);
}

void TUserCell::BeginEdit(int row, int column) {
  grid->ERow = row;
  grid->ECol = column;
  grid->EText.clear();
  ValueToText(ValueInUse(row, column), grid->EText);
}

int TUserCell::IsReadOnly(int row, int column) {
  if (grid == nullptr)
    return onlyRead ? 1 : 0;
  return grid->isOnlyRead(row, column);
}

namespace {
struct PastedCell {
  int row;
  int column;
  std::string text;
};

// The cells of tab- and line-separated text from (row, column) on.  CRLF,
// LF and CR each end a row; a cell is pasted when a separator follows it,
// the last one only when it holds text.
std::vector<PastedCell> SplitPaste(int row, int startColumn, const std::string &text) {
  std::vector<PastedCell> cells;
  int column = startColumn;
  PastedCell cell{row, column, {}};
  bool separatorSeen = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\t') {
      column += 1;
      separatorSeen = true;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
      row += 1;
      column = startColumn;
      separatorSeen = true;
    } else {
      if (separatorSeen) {
        cells.push_back(cell);
        cell = {row, column, {}};
        separatorSeen = false;
      }
      cell.text += c;
    }
  }
  if (!cell.text.empty())
    cells.push_back(cell);
  return cells;
}
} // namespace

void TUserCell::PasteText(int startColumn, const std::string &text) {
  const std::vector<PastedCell> cells = SplitPaste(grid->ERow, startColumn, text);
  for (const PastedCell &cell : cells)
    grid->PasteColumnInGrid(cell.column);
  for (const PastedCell &cell : cells)
    grid->Past(cell.row, cell.column, cell.text);
}

bool TUserCell::PastedText(std::string &text) {
  QString mapped;
  for (QChar ch : QString::fromStdString(text)) {
    MapChar(ch);
    ch = Charfilter(ch);
    if (ch.isNull())
      return false;
    mapped += ch;
  }
  text = mapped.toStdString();
  return Accepts(text);
}

bool TUserCell::Accepts(const std::string &text) {
  return text.empty() || Readable(text);
}

bool TUserCell::Typeable(const void *value) {
  std::string text;
  ValueToCopyText(value, text);
  return PastedText(text);
}

bool TUserCell::Readable(const std::string &) {
  return true;
}

void TUserCell::ValueToCopyText(const void *value, std::string &text) {
  ValueToText(value, text);
}

std::string TUserCell::CopyText(int row, int column) {
  std::string text;
  if (grid->isValid(row, column) != 0)
    ValueToCopyText(grid->GetValue(row, column), text);
  if (column != grid->ColCount() - 1)
    text += "\t";
  return text;
}

void *TUserCell::ValueInUse(int row, int column) {
  return grid->isValid(row, column) != 0 ? grid->GetValue(row, column) : nullptr;
}
