// The grid's parts on their own: number and choice cells (formats, filters,
// completion, arithmetic), the character mapping and caret placement of the
// cell base, header cells widening their columns, the numeric edit and its
// number format, and the value dialog.
#include "grid/CellDialog.h"
#include "grid/MyEdit.h"
#include "platform/FloatToStrF.h"
#include "platform/MessageBeep.h"
#include "tests/support/GridLayouts.h"
#include "tests/support/ModelTables.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <climits>
#include <memory>

class GridCellsTest : public QObject {
  Q_OBJECT
private slots:
  void init() { ResetMessageBeepCount(); }
  void cleanup() { ClearModelTables(); }
  void numberCellsFormatParseAndCountInPlace();
  void choiceMatchingPrefersExactMatchesWithCase();
  void mapCharTextOffsetAndPlaceCursor();
  void headersWidenTheirColumnsAndMoveWhole();
  void numericEditFiltersAndFormatsInDoublePrecision();
  void generalNumberFormat();
  void enterInTheValueDialogMovesOnAndConfirms();
};

void GridCellsTest::numberCellsFormatParseAndCountInPlace() {
  TUserInt cell;
  std::string text = "old";
  cell.ValueToText(nullptr, text);
  QCOMPARE(text, std::string("old")); // no value: the text stays
  const std::int32_t twelve = 12;
  cell.SetFormat("%d");
  cell.ValueToText(&twelve, text);
  QCOMPARE(text, std::string("12"));
  cell.SetFormat("");
  cell.ValueToText(&twelve, text);
  QCOMPARE(text, std::string());
  QVERIFY(cell.Charfilter('-').isNull()); // integers take no sign
  QCOMPARE(cell.Charfilter('7'), QChar('7'));

  std::int32_t value = 1;
  cell.Add(&value, 0.6);
  QCOMPARE(value, 1);
  value = 3;
  cell.Mult(&value, 2.5);
  QCOMPARE(value, 7);
  value = INT_MAX;
  cell.Add(&value, 1);
  QCOMPARE(value, INT_MAX); // beyond 32 bits: unchanged

  cell.SetTyp(uDouble);
  cell.SetFormat("%#.4lg");
  const double two = 2;
  cell.ValueToText(&two, text);
  QCOMPARE(text, std::string("2.000"));
  text = "1,5";
  QCOMPARE(*static_cast<const double *>(cell.TextToValue(text)), 1.5);
  QCOMPARE(cell.Charfilter('e'), QChar('e'));
  QVERIFY(cell.Charfilter(' ').isNull());
  text = "-1e400";
  QVERIFY(cell.TextToValue(text) == nullptr);
  double real = 1e308;
  cell.Mult(&real, 10);
  QCOMPARE(real, 1e308);

  cell.SetTyp(uString);
  QCOMPARE(cell.Charfilter(' '), QChar(' '));
  QCOMPARE(cell.DatLen(), 8);
}

void GridCellsTest::choiceMatchingPrefersExactMatchesWithCase() {
  TUserList cell;
  QCOMPARE(cell.ListCount(), 0);
  QCOMPARE(cell.ListItem(3), QString("Fehler")); // no list and no grid
  cell.SetList({"Ab", "ab", "abc"});
  std::int32_t index = -1;
  QCOMPARE(cell.GetNIndex(index, "ab"), 1);
  QCOMPARE(index, 1);
  QCOMPARE(cell.GetNIndex(index, ""), 0);
  QCOMPARE(index, 0);
  cell.SetList({"Ab", "abc"});
  QCOMPARE(cell.GetNIndex(index, "a"), 1);
  QCOMPARE(index, 1);
  std::string text = "a";
  QVERIFY(cell.Textfilter(text, ""));
  QCOMPARE(text, std::string("abc"));
  text = "q";
  QVERIFY(cell.TextToValue(text) != nullptr);
  QCOMPARE(*static_cast<const std::int32_t *>(cell.TextToValue(text)), 0); // no match: choice 0

  cell.SetList({});
  QVERIFY(!cell.UDblClick()); // nothing to cycle through
}

void GridCellsTest::mapCharTextOffsetAndPlaceCursor() {
  QWidget window;
  TUserGrid *grid = MakeNodeGrid(&window);
  TUserCell *support = grid->ColumnCell(3);
  QChar ch = '1';
  support->MapChar(ch);
  QCOMPARE(ch, QChar('J'));
  ch = 'j';
  support->MapChar(ch);
  QCOMPARE(ch, QChar('j'));
  const std::string wide(40, 'W');
  QVERIFY(support->TextOffset(3, wide) < 0); // centred and wider than the column
  QCOMPARE(grid->ColumnCell(1)->TextOffset(1, wide), 3);

  AddNode(1, 12.5, 0);
  grid->Fill(2, 1);
  QCOMPARE(grid->EText, std::string("12.50"));
  grid->ColumnCell(1)->PlaceCursor(2, 1, -50);
  QCOMPARE(grid->Caret, 0);
  grid->ColumnCell(1)->PlaceCursor(2, 1, 500);
  QCOMPARE(grid->Caret, 5);
  QCOMPARE(grid->ColumnCell(1)->CopyText(2, 1), std::string("12.5\t")); // the stored value
  QCOMPARE(grid->ColumnCell(1)->CopyText(3, 1), std::string("\t"));     // a free row
}

void GridCellsTest::headersWidenTheirColumnsAndMoveWhole() {
  QWidget window;
  TUserGrid *grid = grid_layouts::NewGrid(&window, 4, 2, 40);
  grid_layouts::Number(grid, 1, 60, uDouble, "%g");
  grid_layouts::Number(grid, 2, 60, uDouble, "%g");
  grid_layouts::Number(grid, 3, 60, uDouble, "%g");
  const char *caption = "Eine Überschrift, die über zwei Spalten reicht";
  const int width = grid->TextWidth(caption);
  QVERIFY(width + 4 > 120);
  TUserHeader *header = grid_layouts::Header(grid, caption, 0, 2, 1, 2); // RowE = FixedRows
  QVERIFY(grid->HeaderAt(0, 1) == nullptr);
  QCOMPARE(grid->ColWidths(1), 60);
  header->SetRowE(0);
  QVERIFY(grid->HeaderAt(0, 1) == header);
  QCOMPARE(grid->ColWidths(1), static_cast<int>(60 * ((width + 4) / 120.0)));
  QCOMPARE(grid->ColWidths(2), grid->ColWidths(1));
  QCOMPARE(grid->ColWidths(3), 60);

  header->SetColB(3);
  header->SetColE(3);
  QVERIFY(grid->HeaderAt(0, 1) == nullptr); // it left its old cells
  QVERIFY(grid->HeaderAt(0, 3) == header);
  header->SetText("x");
  QVERIFY(grid->ColWidths(3) > 60); // never narrowed again
  delete header;
  QVERIFY(grid->HeaderAt(0, 3) == nullptr);

  // As a form binds them: by property writes.
  auto *number = new TUserHeader(grid);
  auto *cell = new TUserInt(grid);
  for (QObject *part : {static_cast<QObject *>(number), static_cast<QObject *>(cell)})
    part->setProperty("Grid", QVariant::fromValue(grid));
  for (const char *name : {"RowB", "ColB", "ColE"})
    number->setProperty(name, 0);
  number->setProperty("RowE", 1);
  QVERIFY(grid->HeaderAt(1, 0) == number);
  cell->setProperty("Column", 3);
  cell->setProperty("ColWidth", 33);
  QVERIFY(grid->ColumnCell(3) == cell);
  QCOMPARE(grid->ColWidths(3), 33);
}

void GridCellsTest::numericEditFiltersAndFormatsInDoublePrecision() {
  QWidget parent;
  auto *edit = new TMyEdit(&parent);
  int changes = 0;
  connect(edit, &TMyEdit::EditChanged, [&] { ++changes; });
  parent.show();
  edit->setFocus();
  QTest::keyClicks(edit, "1,5e3");
  QCOMPARE(edit->text(), QString("1.5E3"));
  QTest::keyClicks(edit, "abc");
  QCOMPARE(MessageBeepCount(BeepKind::Default), 3);
  QCOMPARE(edit->text(), QString("1.5E3"));
  QCOMPARE(changes, 5);
  QCOMPARE(edit->GetValue(), 1500.0);
  QCOMPARE(edit->text(), QString("1500"));
  QCOMPARE(changes, 5); // the reformatting is not reported

  edit->setText("0.1");
  QCOMPARE(edit->GetValue(), 0.1); // not the single-precision 0.10000000149
  edit->setText("1234567");
  QCOMPARE(edit->GetValue(), 1234567.0);
  QCOMPARE(edit->text(), QString("1.23457E6"));
  edit->setText("kein");
  QCOMPARE(edit->GetValue(), 0.0);
  QCOMPARE(edit->text(), QString("0"));
}

void GridCellsTest::generalNumberFormat() {
  QCOMPARE(FloatToStrF(0.00001, 6), std::string("1E-5"));
  QCOMPARE(FloatToStrF(0.0001, 6), std::string("0.0001"));
  QCOMPARE(FloatToStrF(-0.000123456789, 6, ','), std::string("-0,000123457"));
  QCOMPARE(FloatToStrF(999999.6, 6), std::string("1E6")); // the carry reaches the exponent
  QCOMPARE(FloatToStrF(123456.4, 6), std::string("123456"));
  QCOMPARE(FloatToStrF(-2.5e-12, 6, ','), std::string("-2,5E-12"));
  QCOMPARE(FloatToStrF(1e300 * 1e10, 6), std::string("INF"));
}

void GridCellsTest::enterInTheValueDialogMovesOnAndConfirms() {
  TCellDialog1 dialog;
  dialog.setWindowTitle("Kopieren zur Zeile");
  QTimer::singleShot(0, &dialog, [&] {
    dialog.MyEdit1->setFocus();
    QTest::keyClicks(dialog.MyEdit1, "2,7");
    QTest::keyClick(dialog.MyEdit1, Qt::Key_Return);
  });
  QCOMPARE(dialog.Execute(), MsgResult::Ok);
  QVERIFY(dialog.focusWidget() != dialog.MyEdit1);  // Enter moved the focus on
  QCOMPARE(dialog.MyEdit1->text(), QString("2.7")); // and the edit reformatted its text
  QCOMPARE(dialog.MyEdit1->GetValue(), 2.7);
  QCOMPARE(dialog.Button2->text(), QString("Cancel"));

  TCellDialog1 cancelled;
  QTimer::singleShot(0, &cancelled, [&] { QTest::keyClick(&cancelled, Qt::Key_Escape); });
  QCOMPARE(cancelled.Execute(), MsgResult::Cancel);
}

QTEST_MAIN(GridCellsTest)
#include "grid_cells_test.moc"
