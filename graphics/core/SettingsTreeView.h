#pragma once
// What the settings tree needs of the tree view that shows it in the
// settings dialog.  The dialog implements it over its own tree widget; the
// tree stays free of any toolkit.
#include <string>

class SettingsTreeView {
public:
  // A node of the view, opaque to the tree.
  using Node = void *;

  virtual ~SettingsTreeView() = default;
  // Adds a node with the text as the last child of parent and returns it.
  virtual Node AddChild(Node parent, const std::string &text) = 0;
  virtual void SetText(Node node, const std::string &text) = 0;
  // Position of the node in the view counted over all nodes in tree order,
  // the first node 0.
  virtual int AbsoluteIndex(Node node) const = 0;
};
