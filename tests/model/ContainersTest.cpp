#include "model/ContainerTyp.h"
#include "model/Message.h"
#include "model/UContainer.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

int At(const UContainer &c, int i) {
  return *static_cast<int *>(c.Item(i));
}

struct Rec {
  int id;
  double value;
};

// Records every ReleaseRow with the id of the record at that position.
class RecordingTyp : public ContainerTyp {
public:
  RecordingTyp() : ContainerTyp(sizeof(Rec), 50) {}
  ~RecordingTyp() override { Clear(); }
  const char *TypeName() const override { return "RecordingTyp"; }
  void ReleaseRow(int row) override { released.push_back(Get(row).id); }
  Rec &Get(int i) { return *static_cast<Rec *>(Item(i)); }
  void AddIds(std::initializer_list<int> ids) {
    for (int id : ids) {
      Rec r{id, id * 0.5};
      Put(&r, -1);
    }
  }
  std::vector<int> Ids() {
    std::vector<int> ids;
    for (int i = 0; i < Count(); ++i)
      ids.push_back(Get(i).id);
    return ids;
  }
  std::vector<int> released;
};

} // namespace

TEST(UContainer, AppendGrowsByTheGrowStepAndKeepsContents) {
  UContainer c(sizeof(int), 100);
  int v = 0;
  void *first = c.Append(&v, 1);
  EXPECT_EQ(first, c.Item(0));
  EXPECT_EQ(c.Capacity(), 100);
  EXPECT_EQ(c.Count(), 1);
  for (v = 1; v < 100; ++v)
    c.Append(&v, 1);
  EXPECT_EQ(c.Capacity(), 100);
  c.Append(&v, 1); // the 101st
  EXPECT_EQ(c.Capacity(), 200);
  EXPECT_EQ(c.Count(), 101);
  for (int i = 0; i < 101; ++i)
    ASSERT_EQ(At(c, i), i);

  const int block[3] = {7, 8, 9};
  void *lastAppended = c.Append(block, 3);
  EXPECT_EQ(lastAppended, c.Item(103));
  EXPECT_EQ(At(c, 102), 8);
  c.Put(block, 0, 2);
  EXPECT_EQ(At(c, 0), 7);
  EXPECT_EQ(At(c, 1), 8);
  EXPECT_EQ(c.Count(), 104);
  c.Clear();
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(c.Capacity(), 0);
}

TEST(UContainer, InsertShiftsAppendsAndGrowsOnlyWhenFull) {
  UContainer c(sizeof(int), 4);
  for (int v : {1, 2, 3})
    c.Append(&v, 1);
  int zero = 0, last = 4;
  c.Insert(&zero, 0);
  c.Insert(&last, c.Count()); // at count: appends
  ASSERT_EQ(c.Count(), 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(At(c, i), i);

  // A long run of insertions must not multiply the capacity at each step.
  UContainer d(sizeof(int), 4);
  for (int i = 0; i < 1000; ++i)
    d.Insert(&i, 0);
  EXPECT_LE(d.Capacity(), 2000);
  EXPECT_EQ(At(d, 0), 999);
  EXPECT_EQ(At(d, 999), 0);

  EXPECT_THROW(c.Insert(&zero, 7), Exception);
  EXPECT_THROW(c.Insert(&zero, -1), Exception);
  EXPECT_EQ(c.Count(), 5);
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

TEST(UContainer, TakeRunWalksRecordsOfMixedLength) {
  UContainer bytes(1, 16);
  const char stream[] = "abcdefg";
  bytes.Append(stream, 7);
  int cursor = 0;
  EXPECT_EQ(*static_cast<char *>(bytes.TakeRun(3, cursor)), 'a');
  EXPECT_EQ(*static_cast<char *>(bytes.TakeRun(1, cursor)), 'd');
  EXPECT_EQ(*static_cast<char *>(bytes.TakeRun(3, cursor)), 'e');
  EXPECT_EQ(cursor, 7);
}

TEST(ContainerTyp, PutInsertAndDeleteKeepRecordsInOrder) {
  RecordingTyp t;
  Rec *zero = static_cast<Rec *>(t.Put(nullptr, -1));
  EXPECT_EQ(t.Count(), 1);
  EXPECT_EQ(zero->id, 0);
  EXPECT_EQ(zero->value, 0.0);

  t.AddIds({1, 2, 3, 4});
  Rec nine{9, 4.5};
  t.Insert(0, &nine);
  t.Insert(t.Count(), nullptr);
  EXPECT_EQ(t.Ids(), (std::vector<int>{9, 0, 1, 2, 3, 4, 0}));
  EXPECT_EQ(t.Get(3).value, 1.0);

  t.Put(&nine, 3);
  EXPECT_EQ(t.Get(3).id, 9);
  EXPECT_THROW(t.Put(&nine, 7), Exception);

  t.Delete(1, 2); // drops 0 and 1, each released at position 1
  EXPECT_EQ(t.released, (std::vector<int>{0, 1}));
  EXPECT_EQ(t.Ids(), (std::vector<int>{9, 9, 3, 4, 0}));
  t.Delete(3, 10); // beyond the end: only what is there
  EXPECT_EQ(t.Ids(), (std::vector<int>{9, 9, 3}));

  t.released.clear();
  t.Clear();
  EXPECT_EQ(t.released, (std::vector<int>{9, 9, 3}));
  EXPECT_EQ(t.Count(), 0);
}

TEST(ContainerTyp, ManyAppendsKeepEveryRecord) {
  RecordingTyp t;
  for (int i = 0; i < 20000; ++i) {
    Rec r{i, 0.0};
    t.Put(&r, -1);
  }
  ASSERT_EQ(t.Count(), 20000);
  for (int i = 0; i < 20000; i += 997)
    ASSERT_EQ(t.Get(i).id, i);
}
