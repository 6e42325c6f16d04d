#pragma once
// The degree-of-freedom table: three degrees of freedom (DOFs) per node entry
// of the model, each either independent (it owns one equation of the global
// system) or dependent (its value follows from DOFs of higher index by a
// linear relation with a constant term).
#include "model/UContainer.h"

#include <cstdint>
#include <vector>

class Matrix;

// One term of an expanded row: coefficient x (solution of the equation).
struct FGFieldTerm {
  std::int32_t equation;
  double coefficient;
};

// A DOF expanded into independent equations: value = sum over the terms of
// coefficient x solution(equation) - constant.  Terms are never merged.
class FGFieldCont : public UContainer {
public:
  FGFieldCont() : UContainer(sizeof(FGFieldTerm), 100) {}
  const FGFieldTerm &Term(int i) const { return *static_cast<const FGFieldTerm *>(Item(i)); }
  void AddTerm(std::int32_t equation, double coefficient);
  // No terms and constant 0; the storage is kept for the next expansion.
  void Empty();

  double constant = 0.0;
};

// One dependency term: coefficient x value of the DOF with index dof.
struct DofTerm {
  double coefficient;
  std::int32_t dof;
};

// One DOF.  Its terms are held in the base container.  A dependent DOF's
// value is -(constant + sum of coefficient x value of the referenced DOF).
class BCClass : public UContainer {
public:
  BCClass();
  const DofTerm &Term(int i) const { return *static_cast<const DofTerm *>(Item(i)); }
  void AddTerm(double coefficient, std::int32_t dof);

  // x times the DOF's value, evaluated through its dependencies.
  double DependentValue(double x) const;
  // Appends the expansion of f times this DOF to row.
  void ExpandRow(double f, FGFieldCont &row) const;
  // row = the expansion of this DOF (emptied first).
  void Expand(FGFieldCont &row) const;

  double constant = 0.0;
  std::int32_t dependent = 0;
  double value = 0.0;
  std::int32_t equation = -1;
  std::int32_t index = -1;
  double reaction = 0.0;
};

class FGTabCont : public UContainer {
public:
  FGTabCont();
  ~FGTabCont();

  // Appends a fresh DOF whose own index is its position in the table.
  BCClass &NewDof();
  // Destroys every DOF and forgets the equation order; the number of
  // equations stays as it was.
  void Clear();
  BCClass &Dof(int i) const { return **static_cast<BCClass **>(Item(i)); }

  // Gives each independent DOF its equation number, 0, 1, ... in the
  // equation order (table order when none is set).  Dependent DOFs keep
  // whatever number they had.
  void NumberEquations();
  // The order in which NumberEquations visits the DOFs: a permutation of the
  // DOF indices 0 .. order.size() - 1; later DOFs follow in table order.
  void SetEquationOrder(std::vector<std::int32_t> order);
  void ClearEquationOrder() { equationOrder.clear(); }

  // Independent DOFs take their solution value F(equation, 0), then every
  // dependent DOF is evaluated from them.
  void ScatterSolution(const Matrix &F);
  void ResetReactions();

  std::int32_t equationCount = 0;

private:
  std::vector<std::int32_t> equationOrder;
};

extern FGTabCont FGTab;

// Progress hook of the analysis; the factorisation calls it as it starts.
// It shows nothing.
void AnalysisProgress(const char *text);
