#pragma once
// Visits every node of a settings tree in tree order with its key.
#include "graphics/core/TreeClass.h"

#include <functional>
#include <string>

inline void Walk(TreeClass &node, const std::string &prefix,
                 const std::function<void(TreeClass &, const std::string &)> &visit) {
  const std::string key = prefix + node.Name();
  visit(node, key);
  for (int i = 0; i < node.ChildCount(); ++i)
    Walk(*node.Child(i), key, visit);
}
