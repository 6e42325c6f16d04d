#pragma once
// A grid that records what a bound table asks of it.
#include "model/InputContainer.h"
#include "model/InputGrid.h"

#include <algorithm>
#include <utility>
#include <vector>

class FakeGrid : public InputGrid {
public:
  explicit FakeGrid(int fixedRows = 2) : fixedRows_(fixedRows) {}
  virtual ~FakeGrid() {
    if (table != nullptr)
      table->SetGrid(nullptr);
  }

  int RowCount() const override { return rowCount; }
  void SetRowCount(int rows) override { rowCount = rows; }
  int FixedRows() const override { return fixedRows_; }
  int Row() const override { return row; }
  int Col() const override { return col; }
  void Fill(int r, int c) override { fills.emplace_back(r, c); }
  void DrawRow(int r) override { drawnRows.push_back(r); }
  void DrawCell(int r, int c) override { drawnCells.emplace_back(r, c); }
  void Invalidate() override { ++invalidated; }
  void SetContainer(InputContainer *newTable) override {
    if (table != nullptr)
      table->SetGrid(nullptr);
    table = newTable;
    if (table == nullptr)
      return;
    rowCount = std::max(table->LastUsedRow(), kMinGridRows) + fixedRows_;
    table->SetGrid(this);
  }

  // Data rows the grid offers.
  int DataRows() const { return rowCount - fixedRows_; }

  InputContainer *table = nullptr;
  int rowCount = 0;
  int row = 0;
  int col = 0;
  int invalidated = 0;
  std::vector<std::pair<int, int>> fills;
  std::vector<int> drawnRows;
  std::vector<std::pair<int, int>> drawnCells;

private:
  int fixedRows_;
};
