#pragma once
// Queries on the load lists for the model build, the element loads and the
// scaling of the load drawings.  Each runs over the rows in use of the list
// it is given; every maximum starts at 0.
#include "model/InputContainer.h"
#include "model/LoadLists.h"

// The numbers first .. last of a range from .. to that name rows of a table
// (1 .. its row count); empty (first > last) when none does.  Loops over a
// range outside the checks run over this, so a hand-edited range up to 2e9
// costs no more than the table.
struct NumberRange {
  int first;
  int last;
};
NumberRange ClampToTable(int from, int to, const InputContainer &table);

// 1 when a row with from <= node <= to has a nonzero dx (component 0), dz (1)
// or rotation (2), else 0.
int HasImposedComponent(ZwvClass &displacements, int node, int component);
// Largest sqrt(dx^2 + dz^2).
double MaxImposedDisplacement(ZwvClass &displacements);
// Largest absolute q1 or q2 at start or end.
double MaxBeamLoad(BeamLoadClass &loads);
// Largest sqrt(Px^2 + Pz^2).
double MaxNodeLoadForce(NodeLoadClass &loads);
double MaxNodeLoadMoment(NodeLoadClass &loads);
// Largest sqrt(N^2 + Q^2).
double MaxPointLoadForce(PointLoadClass &loads);
double MaxPointLoadMoment(PointLoadClass &loads);
// Largest absolute value of the rows of kind whose hinge is in use and of
// hingeType.
double MaxHingeLoad(HingeLoadClass &loads, int hingeType, int kind);
// Largest of |sway L| and |bow L| over the valid beams in use that the rows
// name, L the beam's length.
double MaxImperfection(ImperfectionClass &imperfections);

// Chord rotation and relative mid-ordinate of the pre-deformation over the
// piece a .. b (0 <= a < b <= 1) of a beam.  The bow ordinate at relative
// position x, in units of the beam length, is f(x) = -4 bow (x - x^2).
void ImperfectionOnPiece(const ImperfectionRecord &imperfection, double &mid, double &rotation,
                         double a, double b);
