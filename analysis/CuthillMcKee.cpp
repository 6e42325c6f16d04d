#include "analysis/CuthillMcKee.h"

#include <algorithm>

AdjacencyGraph MakeGraph(std::int32_t vertexCount,
                         const std::vector<std::pair<std::int32_t, std::int32_t>> &edges) {
  std::vector<std::vector<std::int32_t>> lists(vertexCount);
  for (auto [a, b] : edges) {
    if (a == b)
      continue;
    lists[a].push_back(b);
    lists[b].push_back(a);
  }
  AdjacencyGraph graph;
  graph.start.reserve(vertexCount + 1);
  graph.start.push_back(0);
  for (auto &list : lists) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    graph.neighbours.insert(graph.neighbours.end(), list.begin(), list.end());
    graph.start.push_back(static_cast<std::int32_t>(graph.neighbours.size()));
  }
  return graph;
}

namespace {

// Breadth-first levels of the component of root.  mark holds the pass
// number of the vertices reached in this pass.
class LevelSearch {
public:
  explicit LevelSearch(const AdjacencyGraph &graph) : graph(graph), mark(graph.VertexCount(), 0) {}

  // Visits the component of root level by level; returns the vertices in
  // visiting order and sets depth to the number of levels.  With sortByDegree
  // the unvisited neighbours of each vertex are taken in ascending degree.
  std::vector<std::int32_t> Run(std::int32_t root, bool sortByDegree, int &depth) {
    ++pass;
    std::vector<std::int32_t> order{root};
    mark[root] = pass;
    std::size_t levelEnd = 1;
    depth = 1;
    lastLevelStart = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (i == levelEnd) {
        ++depth;
        lastLevelStart = levelEnd;
        levelEnd = order.size();
      }
      const std::size_t first = order.size();
      const std::int32_t v = order[i];
      for (std::int32_t k = graph.start[v]; k < graph.start[v + 1]; ++k) {
        const std::int32_t w = graph.neighbours[k];
        if (mark[w] != pass) {
          mark[w] = pass;
          order.push_back(w);
        }
      }
      if (sortByDegree)
        std::stable_sort(
            order.begin() + first, order.end(),
            [this](std::int32_t a, std::int32_t b) { return graph.Degree(a) < graph.Degree(b); });
    }
    return order;
  }

  // A vertex of smallest degree in the last level of the previous Run.
  std::int32_t NarrowestOfLastLevel(const std::vector<std::int32_t> &order) const {
    return *std::min_element(
        order.begin() + lastLevelStart, order.end(),
        [this](std::int32_t a, std::int32_t b) { return graph.Degree(a) < graph.Degree(b); });
  }

private:
  const AdjacencyGraph &graph;
  std::vector<int> mark;
  int pass = 0;
  std::size_t lastLevelStart = 0;
};

// A vertex of the component of root that lies far from the others: start at
// root and move to the far end of the level structure while that deepens it.
std::int32_t PseudoPeripheral(LevelSearch &search, std::int32_t root) {
  int depth = 0;
  std::vector<std::int32_t> order = search.Run(root, false, depth);
  for (;;) {
    const std::int32_t candidate = search.NarrowestOfLastLevel(order);
    int candidateDepth = 0;
    std::vector<std::int32_t> candidateOrder = search.Run(candidate, false, candidateDepth);
    if (candidateDepth <= depth)
      return root;
    root = candidate;
    depth = candidateDepth;
    order.swap(candidateOrder);
  }
}

} // namespace

std::vector<std::int32_t> ReverseCuthillMcKee(const AdjacencyGraph &graph) {
  const std::int32_t n = graph.VertexCount();
  LevelSearch search(graph);
  std::vector<char> placed(n, 0);
  std::vector<std::int32_t> order;
  order.reserve(n);
  for (std::int32_t v = 0; v < n; ++v) {
    if (placed[v])
      continue;
    int depth = 0;
    for (std::int32_t w : search.Run(PseudoPeripheral(search, v), true, depth)) {
      placed[w] = 1;
      order.push_back(w);
    }
  }
  std::reverse(order.begin(), order.end());
  return order;
}
