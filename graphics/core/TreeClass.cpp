#include "graphics/core/TreeClass.h"

#include "model/CLocale.h"

#include <cmath>
#include <cstdint>
#include <limits>

TreeClass::TreeClass(const char *name, std::initializer_list<TreeClass *> children)
    : UContainer(sizeof(TreeClass *), 1), name(name) {
  for (TreeClass *child : children)
    Add(child);
}

TreeClass::TreeClass(int &variable, const char *name)
    : UContainer(sizeof(TreeClass *), 1), name(name), variable(&variable),
      integerDefault(variable) {}

TreeClass::TreeClass(double &variable, const char *name)
    : UContainer(sizeof(TreeClass *), 1), name(name), variable(&variable), realDefault(variable) {}

TreeClass::TreeClass(std::string &variable, const char *name)
    : UContainer(sizeof(TreeClass *), 1), name(name), variable(&variable), textDefault(variable) {}

TreeClass::~TreeClass() {
  DeleteChildren();
}

void TreeClass::Add(TreeClass *child) {
  try {
    Append(&child, 1);
  } catch (...) {
    delete child;
    throw;
  }
}

void TreeClass::DeleteChildren() {
  for (int i = 0; i < ChildCount(); ++i)
    delete Child(i);
  Clear();
}

void TreeClass::FillTree(SettingsTreeView &nodes, SettingsTreeView::Node node) {
  absoluteIndex = nodes.AbsoluteIndex(node);
  nodes.SetText(node, name);
  for (int i = 0; i < ChildCount(); ++i)
    Child(i)->FillTree(nodes, nodes.AddChild(node, Child(i)->name));
}

TreeClass *TreeClass::FindByIndex(int index) {
  if (absoluteIndex == index)
    return this;
  for (int i = 0; i < ChildCount(); ++i)
    if (TreeClass *found = Child(i)->FindByIndex(index))
      return found;
  return nullptr;
}

TreeClass *TreeClass::FindByPath(const std::string &key, const std::string &prefix) {
  const std::string full = prefix + name;
  if (full == key)
    return this;
  // Every key below this node begins with full.
  if (key.compare(0, full.size(), full) != 0)
    return nullptr;
  for (int i = 0; i < ChildCount(); ++i)
    if (TreeClass *found = Child(i)->FindByPath(key, full))
      return found;
  return nullptr;
}

SettingKind TreeClass::Kind() const {
  constexpr SettingKind byIndex[] = {SettingKind::Group, SettingKind::Integer, SettingKind::Real,
                                     SettingKind::Text};
  return byIndex[variable.index()];
}

void TreeClass::Restore() {
  if (int *const *v = std::get_if<int *>(&variable))
    **v = integerDefault;
  else if (double *const *v = std::get_if<double *>(&variable))
    **v = realDefault;
  else if (std::string *const *v = std::get_if<std::string *>(&variable))
    **v = textDefault;
  for (int i = 0; i < ChildCount(); ++i)
    Child(i)->Restore();
}

void TreeClass::Write(std::string &text, const std::string &prefix) const {
  const std::string key = prefix + name;
  if (int *const *v = std::get_if<int *>(&variable)) {
    if (**v != integerDefault)
      text += FormatC("%s = %ld\n", key.c_str(), static_cast<long>(**v));
  } else if (double *const *v = std::get_if<double *>(&variable)) {
    if (**v != realDefault)
      text += FormatC("%s = %lf\n", key.c_str(), **v);
  } else if (std::string *const *v = std::get_if<std::string *>(&variable)) {
    if (**v != textDefault)
      text += key + " = " + **v + "\n";
  }
  for (int i = 0; i < ChildCount(); ++i)
    Child(i)->Write(text, key);
}

void TreeClass::SetFromText(const std::string &text) {
  if (int *const *v = std::get_if<int *>(&variable)) {
    const long value = AtolC(text.c_str());
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max())
      **v = static_cast<int>(value);
  } else if (double *const *v = std::get_if<double *>(&variable)) {
    const double value = AtofC(text.c_str());
    if (std::isfinite(value))
      **v = value;
  } else if (std::string *const *v = std::get_if<std::string *>(&variable)) {
    **v = text;
  }
}

SettingDefault TreeClass::DefaultValue() const {
  switch (Kind()) {
  case SettingKind::Integer:
    return &integerDefault;
  case SettingKind::Real:
    return &realDefault;
  case SettingKind::Text:
    return &textDefault;
  case SettingKind::Group:
    break;
  }
  return std::monostate{};
}
