#pragma once
// Data grids laid out like the pages of the system form, bound to the
// global tables: the cells and headers are children of the grid, bound by
// their property writes as a form would bind them.
#include "grid/UserGrid.h"
#include "grid/UserHeader.h"
#include "grid/UserInt.h"
#include "grid/UserList.h"
#include "model/SystemTables.h"

#include <initializer_list>

namespace grid_layouts {

inline TUserInt *Number(TUserGrid *grid, int column, int width, VarTyp typ, const char *format,
                        bool center = false) {
  auto *cell = new TUserInt(grid);
  cell->SetTyp(typ);
  cell->SetFormat(format);
  cell->SetCenter(center);
  cell->SetColumn(column);
  cell->SetColWidth(width);
  cell->SetGrid(grid);
  return cell;
}

inline TUserList *Choices(TUserGrid *grid, int column, int width, const QStringList &list,
                          const char *filter, int maxTextLen) {
  auto *cell = new TUserList(grid);
  cell->SetList(list);
  cell->SetFilter(filter);
  cell->SetMaxTextLen(maxTextLen);
  cell->SetCenter(true);
  cell->SetColumn(column);
  cell->SetColWidth(width);
  cell->SetGrid(grid);
  return cell;
}

inline TUserHeader *Header(TUserGrid *grid, const char *text, int rowB, int rowE, int colB,
                           int colE) {
  auto *header = new TUserHeader(grid);
  header->SetText(QString::fromUtf8(text));
  header->SetRowB(rowB);
  header->SetRowE(rowE);
  header->SetColB(colB);
  header->SetColE(colE);
  header->SetGrid(grid);
  return header;
}

inline TUserGrid *NewGrid(QWidget *parent, int columns, int fixedRows, int firstWidth) {
  auto *grid = new TUserGrid(parent);
  grid->SetColCount(columns);
  grid->SetRowCount(fixedRows + 1);
  grid->SetFixedRows(fixedRows);
  grid->SetColumnWidth(firstWidth);
  return grid;
}

} // namespace grid_layouts

// Nodes: x, z, three supports N/J (typed 0/1), the support's angle.
inline TUserGrid *MakeNodeGrid(QWidget *parent) {
  using namespace grid_layouts;
  TUserGrid *grid = NewGrid(parent, 7, 2, 40);
  Number(grid, 1, 100, uDouble, "%#.4lg");
  Number(grid, 2, 100, uDouble, "%#.4lg");
  for (int column : {3, 4, 5})
    Choices(grid, column, 40, {"N", "J"}, "0N1J", 1);
  Number(grid, 6, 100, uDouble, "%#.4lg");
  Header(grid, "Nr", 0, 1, 0, 0);
  Header(grid, "Koordinaten", 0, 0, 1, 2);
  Header(grid, "Auflager", 0, 0, 3, 5);
  const char *below[] = {"x", "z", "x", "z", "R", "Verdrehung in Grad"};
  for (int column = 1; column <= 6; ++column)
    Header(grid, below[column - 1], 1, 1, column, column);
  grid->SetContainer(&Nodes);
  return grid;
}

// Beams: node numbers, cross-section type, depth, intervals and the length,
// which the table computes (read-only).
inline TUserGrid *MakeBeamGrid(QWidget *parent) {
  using namespace grid_layouts;
  TUserGrid *grid = NewGrid(parent, 7, 2, 40);
  Number(grid, 1, 60, uInteger, "%d", true);
  Number(grid, 2, 60, uInteger, "%d", true);
  Number(grid, 3, 80, uInteger, "%d", true);
  Number(grid, 4, 60, uDouble, "%#.4lg");
  Number(grid, 5, 60, uInteger, "%d", true);
  Number(grid, 6, 60, uDouble, "%.3lf")->SetOnlyRead(true);
  grid->SetContainer(&Beams);
  return grid;
}

// Hinges: beam, position, released force as a choice typed by its initial.
inline TUserGrid *MakeHingeGrid(QWidget *parent) {
  using namespace grid_layouts;
  TUserGrid *grid = NewGrid(parent, 4, 1, 40);
  Number(grid, 1, 50, uInteger, "%d", true);
  Number(grid, 2, 100, uDouble, "%#.4lg");
  Choices(grid, 3, 100, {"Normalkraft", "Querkraft", "Moment"}, "", 1);
  grid->SetContainer(&Hinges);
  return grid;
}
