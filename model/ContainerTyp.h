#pragma once
// Growable array of fixed-size records with per-record hooks; the base of the
// input tables.  Records are trivially copyable and moved as plain bytes.
#include <cstddef>
#include <cstdint>

class ContainerTyp {
public:
  // growStep: extra bytes added beyond the need at each growth.
  ContainerTyp(int recordSize, int growStep);
  virtual ~ContainerTyp();
  ContainerTyp(const ContainerTyp &) = delete;
  ContainerTyp &operator=(const ContainerTyp &) = delete;

  // Hook run on a record made by an insertion.
  virtual void InitItem(void *record);
  // Hook run before a record is dropped and when an input row is freed.
  virtual void ReleaseRow(int row);
  // Names the class in the out-of-memory message.
  virtual const char *TypeName() const = 0;

  // Makes room for one more record.  On failure raises
  // "Nicht genung Speicher (<TypeName>)" and keeps the block and the count.
  void Grow();
  // index < 0 appends a record.  The record at index is then overwritten by a
  // copy of source, or zero-filled when source is null; returns its address.
  void *Put(const void *source, int index);
  // Inserts a record at index (0 <= index <= count): a copy of source, or
  // zeros when source is null; the records from index on move one place up.
  void *Insert(int index, const void *source);
  // Runs InitItem on the record at index and returns its address.
  void *InitRecord(int index);
  // Runs ReleaseRow on every record in ascending order and frees the block.
  void Clear();
  // Drops n records from start on (the part beyond the last record is
  // ignored); ReleaseRow runs at position start for each of them.
  void Delete(int start, int n);
  // Address of record i; the caller keeps 0 <= i < count.
  void *Item(int i) const { return data + static_cast<std::int64_t>(i) * recordSize; }

  int Count() const { return count; }
  int RecordSize() const { return recordSize; }

  // Sources passed to Put and Insert must not lie inside this container's
  // own block: a growth may move it.

protected:
  int recordSize;
  char *data = nullptr;
  std::size_t allocated = 0;
  int growStep;
  int count = 0;
};
