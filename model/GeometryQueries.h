#pragma once
// Geometry of the structural system read from the tables: validity, length,
// angle and points of beams, and the extents of nodes and beams.  Nodes are
// read by number (1-based) without ever extending the node table; a number
// that names no row reads as the point (0, 0).
#include "model/Geometry2D.h"
#include "model/SystemTables.h"

// Point (x, z) of node number, (0, 0) when the table holds no such row.
Point2D NodePoint(int number);
// 0 when a beam in use has node 1 or node 2 equal to number, else 1.
int NodeIsUnconnected(BeamClass &beams, int number);
// 1 when the two nodes differ and both are in use, else 0.
int BeamIsValid(const BeamRecord &beam);
double BeamLength(const BeamRecord &beam);
// Angle of the vector from node 1 to node 2 in radians (see VecAngle).
double BeamAngle(const BeamRecord &beam);
// (1 - t) P1 + t P2 + offset (sin a, -cos a) with a the beam's angle: t runs
// from 0 at node 1 to 1 at node 2, the offset is perpendicular to the beam.
Point2D PointOnBeam(const BeamRecord &beam, double t, double offset);
// 1 when the hinge's beam is in use and valid, else 0.
int HingeBeamIsValid(const HingeRecord &hinge);
// Box of the nodes in use; the box 0, 0, 0, 0 when there are none.
Box2D NodesExtent(NodeClass &nodes);
// Box of the points at a and b on the beam (no offset).
Box2D BeamPieceExtent(const BeamRecord &beam, double a, double b);
// Box of the valid beams in use, always containing the origin.
Box2D BeamsExtent(BeamClass &beams);
