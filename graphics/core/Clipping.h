#pragma once
// Clipping of lines and polygons in double against a rectangle, so that the
// replay of a display list converts to int only coordinates that fit: a deep
// zoom multiplies world values into products far beyond the int range.
#include "model/Geometry2D.h"

#include <vector>

// Cuts the segment a .. b to the part inside window (a box with xmin <=
// xmax and ymin <= ymax) and returns true, or returns false when no part of
// it is inside (also for a non-finite end).  An end inside the window keeps
// its exact value.
bool ClipSegment(Point2D &a, Point2D &b, const Box2D &window);

// The polygon of the n points cut to window (one edge after the other), its
// outline closed; empty when nothing of it is inside or a point is not
// finite.  Parts outside become stretches along the window's border, so the
// window must lie beyond everything visible by more than the widest pen.
std::vector<Point2D> ClipPolygon(const Point2D *points, int n, const Box2D &window);
