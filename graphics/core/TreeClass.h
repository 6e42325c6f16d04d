#pragma once
// A node of the typed settings tree: a group of nodes, or a setting bound to
// one program variable (an integer, used for colours, a real or a text) with
// the default it had when the node was built.  The key of a node is the
// plain concatenation of the names from the root down to the node.
#include "graphics/core/SettingsTreeView.h"
#include "model/UContainer.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

enum class SettingKind : std::int32_t { Integer = 1, Real = 2, Group = 3, Text = 4 };

// The bound variable, by kind; monostate for a group.
using SettingVariable = std::variant<std::monostate, int *, double *, std::string *>;
// The default of a setting, by kind; monostate for a group.
using SettingDefault =
    std::variant<std::monostate, const int *, const double *, const std::string *>;

// The elements of the container are the node's children, one owned pointer
// each.
class TreeClass : public UContainer {
public:
  // A group holding the children in the order given; it takes them over.
  TreeClass(const char *name, std::initializer_list<TreeClass *> children);
  // Settings bound to a variable; the default is the variable's value now.
  TreeClass(int &variable, const char *name);
  TreeClass(double &variable, const char *name);
  TreeClass(std::string &variable, const char *name);
  // Deletes the children, depth first.
  ~TreeClass();

  // Appends a child and takes it over.
  void Add(TreeClass *child);
  // Deletes every child.
  void DeleteChildren();

  // Stores node's absolute index in this node, sets the node's text to the
  // name and adds the children's nodes under it, recursively in tree order.
  void FillTree(SettingsTreeView &nodes, SettingsTreeView::Node node);
  // This node or the first node of a depth-first search whose absolute
  // index equals index; null when none does.
  TreeClass *FindByIndex(int index);
  // The node whose key (prefix + the names down to it) equals key exactly;
  // null when none does.  The search from the root starts with prefix "".
  TreeClass *FindByPath(const std::string &key, const std::string &prefix);
  // Sets every variable of the subtree to its default.
  void Restore();
  // Appends "key = value\n" to text for every setting of the subtree whose
  // variable differs from its default, in tree order.
  void Write(std::string &text, const std::string &prefix) const;
  // Sets the variable from the text of a settings file: integers and reals
  // as atol and atof read them ("." as the decimal point; no number reads
  // 0), texts as they stand.  A real that is not finite and an integer out
  // of range keep the variable as it was; a group ignores the text.
  void SetFromText(const std::string &text);
  SettingDefault DefaultValue() const;

  SettingKind Kind() const;
  SettingVariable Variable() const { return variable; }
  const char *Name() const { return name; }
  int AbsoluteIndex() const { return absoluteIndex; }
  int ChildCount() const { return Count(); }
  TreeClass *Child(int i) const { return *static_cast<TreeClass **>(Item(i)); }

private:
  std::int32_t absoluteIndex = -1;
  const char *name;
  SettingVariable variable;
  double realDefault = 0;
  std::int32_t integerDefault = 0;
  std::string textDefault;
};
