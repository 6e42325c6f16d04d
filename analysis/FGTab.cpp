#include "analysis/FGTab.h"

#include "analysis/GrowingAppend.h"
#include "analysis/Matrix.h"

#include <utility>

FGTabCont FGTab;

void AnalysisProgress(const char *) {}

void FGFieldCont::AddTerm(std::int32_t equation, double coefficient) {
  const FGFieldTerm term{equation, coefficient};
  Append(&term, 1);
}

void FGFieldCont::Empty() {
  count = 0;
  constant = 0.0;
}

// Most DOFs have no terms and a dependent one rarely more than a few, so the
// terms grow in small steps: a big frame has tens of thousands of DOFs.
BCClass::BCClass() : UContainer(sizeof(DofTerm), 4) {}

void BCClass::AddTerm(double coefficient, std::int32_t dof) {
  const DofTerm term{coefficient, dof};
  Append(&term, 1);
}

double BCClass::DependentValue(double x) const {
  if (dependent == 0)
    return x * value;
  double sum = -constant;
  for (int i = 0; i < Count(); ++i)
    sum -= FGTab.Dof(Term(i).dof).DependentValue(Term(i).coefficient);
  return x * sum;
}

void BCClass::ExpandRow(double f, FGFieldCont &row) const {
  if (dependent == 0) {
    row.AddTerm(equation, f);
    return;
  }
  for (int i = 0; i < Count(); ++i)
    FGTab.Dof(Term(i).dof).ExpandRow(-Term(i).coefficient * f, row);
  row.constant += f * constant;
}

void BCClass::Expand(FGFieldCont &row) const {
  row.Empty();
  ExpandRow(1.0, row);
}

FGTabCont::FGTabCont() : UContainer(sizeof(BCClass *), 100) {}

FGTabCont::~FGTabCont() {
  Clear();
}

BCClass &FGTabCont::NewDof() {
  auto dof = std::make_unique<BCClass>();
  dof->index = Count();
  return AppendOwned(*this, std::move(dof));
}

void FGTabCont::Clear() {
  for (int i = 0; i < Count(); ++i)
    delete &Dof(i);
  UContainer::Clear();
  equationOrder.clear();
}

void FGTabCont::SetEquationOrder(std::vector<std::int32_t> order) {
  equationOrder = std::move(order);
}

void FGTabCont::NumberEquations() {
  equationCount = 0;
  auto number = [this](int i) {
    BCClass &dof = Dof(i);
    if (dof.dependent == 0)
      dof.equation = equationCount++;
  };
  for (std::int32_t i : equationOrder)
    number(i);
  for (int i = static_cast<int>(equationOrder.size()); i < Count(); ++i)
    number(i);
}

void FGTabCont::ScatterSolution(const Matrix &F) {
  for (int i = 0; i < Count(); ++i)
    if (Dof(i).dependent == 0)
      Dof(i).value = F(Dof(i).equation, 0);
  for (int i = 0; i < Count(); ++i)
    if (Dof(i).dependent != 0)
      Dof(i).value = Dof(i).DependentValue(1.0);
}

void FGTabCont::ResetReactions() {
  for (int i = 0; i < Count(); ++i)
    Dof(i).reaction = 0.0;
}
