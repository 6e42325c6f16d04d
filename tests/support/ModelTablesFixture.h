#pragma once
// A test case on all eleven global tables: the system tables and the load
// lists start and end empty, and the upward seam is a recording fake.
#include "model/LoadLists.h"
#include "model/TableLists.h"
#include "tests/support/SystemTablesFixture.h"

inline void ClearLoadLists() {
  for (InputContainer *list : LoadTableList())
    list->ClearRows();
}

class ModelTablesTest : public SystemTablesTest {
protected:
  void SetUp() override {
    SystemTablesTest::SetUp();
    ClearLoadLists();
  }
  void TearDown() override {
    ClearLoadLists();
    SystemTablesTest::TearDown();
  }

  // Puts row number of list in use the way the file reader does.
  template <class Record> static Record &Use(InputTable<Record> &list, int number) {
    Record &record = list.At(number - 1);
    record.state = 255;
    list.Refresh();
    return record;
  }
};
