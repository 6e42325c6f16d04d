#pragma once
// A caption over a rectangle of header cells (fixed rows) of a data grid,
// such as "Koordinaten" over the columns x and z.  Each property write
// re-enters the header into its grid's header table once grid and bounds
// are set and fit; the grid widens the columns below it until the caption
// fits and asks it to paint itself.
#include "grid/UserGrid.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QPainter;

class TUserHeader : public QObject {
  Q_OBJECT
  Q_PROPERTY(TUserGrid *Grid READ Grid WRITE SetGrid)
  Q_PROPERTY(int ColB READ ColB WRITE SetColB)
  Q_PROPERTY(int ColE READ ColE WRITE SetColE)
  Q_PROPERTY(int RowB READ RowB WRITE SetRowB)
  Q_PROPERTY(int RowE READ RowE WRITE SetRowE)
  Q_PROPERTY(QString Text READ Text WRITE SetText)

public:
  explicit TUserHeader(QObject *owner = nullptr);
  // Leaves the grid's header table.
  ~TUserHeader() override;

  TUserGrid *Grid() const { return grid; }
  void SetGrid(TUserGrid *value);
  int ColB() const { return colB; }
  void SetColB(int value);
  int ColE() const { return colE; }
  void SetColE(int value);
  int RowB() const { return rowB; }
  void SetRowB(int value);
  int RowE() const { return rowE; }
  void SetRowE(int value);
  QString Text() const { return text; }
  void SetText(const QString &value);

  // Enters the header into the grid's table when the grid is set and
  // 0 <= RowB <= RowE, 0 <= ColB <= ColE (the grid refuses bounds beyond
  // its columns or fixed rows).
  void Actual();
  // Paints the whole header rectangle: button face, outline, centred text.
  void Draw(QPainter &canvas);

private:
  QPointer<TUserGrid> grid; // null also once the grid is gone
  int rowB = -1;
  int rowE = -1;
  int colB = -1;
  int colE = -1;
  QString text;
};
