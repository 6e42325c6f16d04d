#pragma once
// Turns the constraints of the model into dependent DOFs of FGTab.
class SolutionsCont;

// Adds the constraints of the imposed displacements of the load case and of
// the imposed hinge deformations.  Runs after BuildModel.
void AddImposedConstraints(SolutionsCont &context);

// Rebuilds FGTab: three DOFs per node entry, the constraints eliminated into
// dependent DOFs, the independent ones numbered in an order that keeps the
// skyline profile small.  Returns 1, or 2 when the constraints contradict
// each other (FGTab is then left partly resolved).
int ResolveConstraints(SolutionsCont &context);
// The message box of contradictory constraints.
void ShowContradiction();
