#include "model/ContainerTyp.h"
#include "model/Message.h"
#include "model/UContainer.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> Ints(const UContainer &c) {
  std::vector<int> values;
  for (int i = 0; i < c.Count(); ++i)
    values.push_back(*static_cast<int *>(c.Item(i)));
  return values;
}

struct Rec {
  int id;
  double value;
};

// Records the id of the record at the position of every ReleaseRow.
class RecordingTyp : public ContainerTyp {
public:
  RecordingTyp() : ContainerTyp(sizeof(Rec), 50) {}
  ~RecordingTyp() override { Clear(); }
  const char *TypeName() const override { return "RecordingTyp"; }
  void ReleaseRow(int row) override { released.push_back(Get(row).id); }
  Rec &Get(int i) { return *static_cast<Rec *>(Item(i)); }
  std::vector<int> Ids() {
    std::vector<int> ids;
    for (int i = 0; i < Count(); ++i)
      ids.push_back(Get(i).id);
    return ids;
  }
  std::vector<int> released;
};

} // namespace

TEST(UContainer, AppendAndInsertGrowOnlyWhenFull) {
  UContainer c(sizeof(int), 100);
  for (int v = 0; v < 100; ++v)
    c.Append(&v, 1);
  EXPECT_EQ(c.Capacity(), 100);
  const int v = 100;
  void *last = c.Append(&v, 1); // the 101st
  EXPECT_EQ(last, c.Item(100));
  EXPECT_EQ(c.Capacity(), 200);

  UContainer d(sizeof(int), 4);
  for (int i = 1; i < 1000; ++i)
    d.Insert(&i, 0); // a run of insertions must not multiply the capacity each time
  const int zero = 0, end = -1;
  d.Insert(&zero, d.Count()); // at count: appends
  d.Insert(&end, 0);
  EXPECT_LE(d.Capacity(), 2000);
  const std::vector<int> values = Ints(d);
  EXPECT_EQ((std::vector<int>(values.begin(), values.begin() + 3)),
            (std::vector<int>{-1, 999, 998}));
  EXPECT_EQ(values.back(), 0);
  EXPECT_THROW(d.Insert(&zero, d.Count() + 1), Exception);
  EXPECT_THROW(d.Insert(&zero, -1), Exception);
  EXPECT_EQ(d.Count(), 1001);
}

TEST(UContainer, FailedGrowthRaisesAndKeepsTheBlock) {
  UContainer c(1 << 20, 1); // elements of one megabyte
  c.Grow(1);
  static_cast<char *>(c.Item(0))[0] = 42;
  void *before = c.Item(0);
  EXPECT_THROW(c.Grow(2000000000), Exception); // about 2 PB
  EXPECT_EQ(c.Item(0), before);
  EXPECT_EQ(static_cast<char *>(c.Item(0))[0], 42);
  EXPECT_EQ(c.Capacity(), 1);
}

TEST(ContainerTyp, PutInsertDeleteAndClearRunTheHooksInOrder) {
  RecordingTyp t;
  Rec *zero = static_cast<Rec *>(t.Put(nullptr, -1));
  EXPECT_EQ(zero->id, 0);
  EXPECT_EQ(zero->value, 0.0);
  for (int id = 1; id <= 3000; ++id) {
    Rec r{id, 0.5 * id};
    t.Put(&r, -1);
  }
  t.Delete(5, 3000); // beyond the end: only what is there
  Rec nine{9, 4.5};
  t.Insert(0, &nine);
  t.Insert(t.Count(), nullptr);
  EXPECT_EQ(t.Ids(), (std::vector<int>{9, 0, 1, 2, 3, 4, 0}));
  EXPECT_EQ(t.Get(3).value, 1.0);
  EXPECT_THROW(t.Put(&nine, 7), Exception);

  t.released.clear();
  t.Delete(1, 2); // both released at position 1
  EXPECT_EQ(t.released, (std::vector<int>{0, 1}));
  EXPECT_EQ(t.Ids(), (std::vector<int>{9, 2, 3, 4, 0}));
  t.released.clear();
  t.Clear();
  EXPECT_EQ(t.released, (std::vector<int>{9, 2, 3, 4, 0}));
  EXPECT_EQ(t.Count(), 0);
}
