#include "analysis/DivPoints.h"

#include "model/LoadLists.h"
#include "model/SystemTables.h"

#include <algorithm>
#include <cmath>

int DivPoint::HasHinge(std::int32_t type) const {
  for (const Attachment &a : attachments)
    if (a.kind == kHingeAttachment && (type < 0 || Hinges.At(a.row).type == type))
      return 1;
  return 0;
}

void DivPoint::SetHingeNodes(std::int32_t left, std::int32_t right) const {
  for (const Attachment &a : attachments)
    if (a.kind == kHingeAttachment) {
      Hinges.At(a.row).leftNode = left;
      Hinges.At(a.row).rightNode = right;
    }
}

void DivPoint::SetPointLoadNode(std::int32_t entry) const {
  for (const Attachment &a : attachments)
    if (a.kind == kPointLoadAttachment)
      PointLoads.At(a.row).modelNode = entry;
}

void DivContainer::AddPoint(double x, Attachment attachment) {
  auto place = std::find_if(points.begin(), points.end(), [x](const DivPoint &p) {
    return std::fabs(p.position - x) < kSamePlace;
  });
  if (place == points.end()) {
    points.push_back(DivPoint{x, {}});
    place = points.end() - 1;
  }
  if (attachment.kind != kNoAttachment)
    place->attachments.push_back(attachment);
}

void DivContainer::MoveHinges(int from, int to) {
  std::vector<Attachment> &source = points[from].attachments;
  auto hinges = std::stable_partition(
      source.begin(), source.end(), [](const Attachment &a) { return a.kind != kHingeAttachment; });
  points[to].attachments.insert(points[to].attachments.end(), hinges, source.end());
  source.erase(hinges, source.end());
}

void DivContainer::SortDivPoints() {
  std::stable_sort(points.begin(), points.end(),
                   [](const DivPoint &a, const DivPoint &b) { return a.position < b.position; });
}

void DivContainer::DoubleHingePlaces() {
  for (int i = 0; i < Count(); ++i) {
    if (!points[i].HasHinge(-1))
      continue;
    const DivPoint twin{points[i].position, {}};
    if (i > 0) {
      points.insert(points.begin() + i + 1, twin);
    } else {
      points.insert(points.begin(), twin);
      MoveHinges(1, 0);
    }
  }
}
