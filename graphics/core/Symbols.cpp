#include "graphics/core/Symbols.h"

#include "graphics/core/PaintContainer.h"

void EntityClass::MakeShape(double size, std::initializer_list<Point2D> shapePoints) {
  points.assign(shapePoints);
  nominalSize = size;
  if (size != 0.0)
    return;
  Box2D box;
  for (const Point2D &p : points)
    BoxExtend(box, p.x, p.y);
  nominalSize = BoxDiagonal(box);
}

Point2D EntityClass::Place(Point2D p, double size, double angle, Point2D position) const {
  if (angle != 0.0)
    VecRotate(p, angle);
  return VecAdd(position, VecScale(size / nominalSize, p));
}

void EntityClass::Draw(PaintContainer &pc, double size, double width, double angle, TColor colour,
                       Point2D position, int mask) const {
  pc.SetPen(colour, width);
  for (int i = 0; i + 1 < Count(); ++i)
    if (mask == 0 || (i < 31 && (mask >> i) & 1))
      pc.Line(Place(points[i], size, angle, position), Place(points[i + 1], size, angle, position));
}

void EntityClass::Fill(PaintContainer &pc, double size, double width, double angle,
                       TColor penColour, TColor brushColour, Point2D position) const {
  pc.SetBrush(brushColour);
  std::vector<Point2D> placed;
  for (const Point2D &p : points)
    placed.push_back(Place(p, size, angle, position));
  pc.Polygon(penColour, width, placed.data(), Count());
}

// The box of a size-0 shape starts at the origin (a default Box2D), so the
// origin is always inside it.
const EntityClass SquareShape(0, {{-10, 10}, {-10, -10}, {10, -10}, {10, 10}, {-10, 10}});
const EntityClass ArrowHeadShape(0, {{0, 0}, {-10, 5}, {-10, -5}, {0, 0}});
const EntityClass TriangleHeadShape(0, {{0, 0}, {0, -5}, {10, 0}, {0, 5}, {0, 0}});
const EntityClass CircleShape(2, {{1, 0},
                                  {0.9135, 0.407},
                                  {0.6691, 0.743},
                                  {0.309, 0.951},
                                  {-0.1045, 0.995},
                                  {-0.5, 0.866},
                                  {-0.809, 0.588},
                                  {-0.9781, 0.208},
                                  {-0.9781, -0.208},
                                  {-0.809, -0.588},
                                  {-0.5, -0.866},
                                  {-0.1045, -0.995},
                                  {0.309, -0.951},
                                  {0.6691, -0.743},
                                  {0.9135, -0.407}});
const EntityClass HingeRectShape(2, {{-3, -1}, {3, -1}, {3, 1}, {-3, 1}});
const EntityClass SupportLineShape(20, {{-10, 12}, {10, 12}, {-10, 12}});
const EntityClass ClampShape(20, {{-10, -10}, {-10, 10}, {10, 10}, {10, -10}, {-10, -10}});
const EntityClass PinShape(20, {{0, 0}, {10, 10}, {-10, 10}, {0, 0}});
const EntityClass SpringShape(0,
                              {{0, 0}, {0, 1}, {-1, 2}, {1, 3}, {0, 4}, {0, 5}, {1, 5}, {-1, 5}});
const EntityClass DashDotShape(19, {{0, 0}, {10, 0}, {14, 0}, {15, 0}});
const EntityClass DashShape(15, {{0, 0}, {10, 0}});
const EntityClass MomentArrowLeftShape(2, {{-0.34289, 0.7071},
                                           {-0.185, 0.624},
                                           {-0.254, 0.603},
                                           {-0.284, 0.532},
                                           {-0.34289, 0.7071},
                                           {-0.18397, 0.5},
                                           {-0.08407, 0.2588},
                                           {-0.05, 0},
                                           {-0.08407, -0.2588},
                                           {-0.18397, -0.5},
                                           {-0.34289, -0.7071}});
const EntityClass MomentArrowRightShape(2, {{0.34289, 0.7071},
                                            {0.185, 0.624},
                                            {0.254, 0.603},
                                            {0.284, 0.532},
                                            {0.34289, 0.7071},
                                            {0.18397, 0.5},
                                            {0.08407, 0.2588},
                                            {0.05, 0},
                                            {0.08407, -0.2588},
                                            {0.18397, -0.5},
                                            {0.34289, -0.7071}});
