#pragma once
// The places where a beam is divided into elements: its ends, hinges, point
// loads and the edges of partial beam loads (and its middle for a buckling
// analysis).  A place holds any number of attachments.
#include <cstdint>
#include <vector>

enum AttachmentKind : std::int32_t {
  kNoAttachment = 0, // an edge of a partial beam load
  kHingeAttachment = 1,
  kPointLoadAttachment = 2,
};

struct Attachment {
  std::int32_t kind;
  std::int32_t row; // 0-based row of Hinges or PointLoads
};

struct DivPoint {
  double position; // relative position on the beam
  std::vector<Attachment> attachments;

  // 1 when a hinge of that type (any type when type < 0) is attached, else 0.
  int HasHinge(std::int32_t type) const;
  // Every attached hinge row gets left and right as its node entries.
  void SetHingeNodes(std::int32_t left, std::int32_t right) const;
  // Every attached point-load row gets the node entry.
  void SetPointLoadNode(std::int32_t entry) const;
};

class DivContainer {
public:
  // Distance below which two positions are one place.
  static constexpr double kSamePlace = 0.001;

  void Empty() { points.clear(); }
  int Count() const { return static_cast<int>(points.size()); }
  const DivPoint &operator[](int i) const { return points[i]; }

  // Attaches to the first place closer than kSamePlace to x, or appends a
  // place at x.  An attachment of kind kNoAttachment is not stored.
  void AddPoint(double x, Attachment attachment);
  // Moves the hinge attachments of place from to place to; the others stay
  // in their order.
  void MoveHinges(int from, int to);
  // Ascending positions; places of equal position keep their order.
  void SortDivPoints();
  // Every place with a hinge gets a twin of the same position without
  // attachments, so that the hinge lies between two node entries.  The
  // hinges end on the first place of the pair.
  void DoubleHingePlaces();

private:
  std::vector<DivPoint> points;
};
