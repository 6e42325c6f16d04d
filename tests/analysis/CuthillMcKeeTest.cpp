#include "analysis/CuthillMcKee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Largest |position(a) - position(b)| over the edges.
int Bandwidth(const std::vector<std::pair<int, int>> &edges, const std::vector<int> &order) {
  std::vector<int> position(order.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    position[order[i]] = static_cast<int>(i);
  int width = 0;
  for (auto [a, b] : edges)
    width = std::max(width, std::abs(position[a] - position[b]));
  return width;
}

bool IsPermutation(std::vector<int> order, int n) {
  std::sort(order.begin(), order.end());
  for (int i = 0; i < n; ++i)
    if (order[i] != i)
      return false;
  return static_cast<int>(order.size()) == n;
}

TEST(CuthillMcKeeTest, OrdersChainsAndLaddersNarrowly) {
  // A chain whose vertices are numbered from both ends towards the middle:
  // 0-2-4-6-8-9-7-5-3-1 has bandwidth 2 as numbered; the order makes it 1.
  std::vector<std::pair<int, int>> chain = {{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 9},
                                            {9, 7}, {7, 5}, {5, 3}, {3, 1}};
  std::vector<int> order = ReverseCuthillMcKee(MakeGraph(10, chain));
  ASSERT_TRUE(IsPermutation(order, 10));
  EXPECT_EQ(Bandwidth(chain, order), 1);
  // It starts at an end of the chain.
  EXPECT_TRUE(order.front() == 0 || order.front() == 1);

  // A ladder of 2 x 50 vertices numbered along one rail, then the other:
  // the rungs span 50 as numbered, 2 in the order.
  std::vector<std::pair<int, int>> ladder;
  for (int i = 0; i < 50; ++i) {
    ladder.emplace_back(i, 50 + i);
    if (i > 0) {
      ladder.emplace_back(i - 1, i);
      ladder.emplace_back(49 + i, 50 + i);
    }
  }
  order = ReverseCuthillMcKee(MakeGraph(100, ladder));
  ASSERT_TRUE(IsPermutation(order, 100));
  EXPECT_LE(Bandwidth(ladder, order), 2);
}

TEST(CuthillMcKeeTest, EveryComponentAndLooseVertexIsPlacedOnce) {
  // Two triangles, a vertex without edges, loops and duplicate edges.
  const std::vector<std::pair<int, int>> edges = {{0, 1}, {1, 2}, {2, 0}, {4, 5}, {5, 6},
                                                  {6, 4}, {4, 4}, {0, 1}, {1, 0}};
  const AdjacencyGraph graph = MakeGraph(7, edges);
  EXPECT_EQ(graph.Degree(0), 2);
  EXPECT_EQ(graph.Degree(3), 0);
  EXPECT_EQ(graph.Degree(4), 2);
  const std::vector<int> order = ReverseCuthillMcKee(graph);
  ASSERT_TRUE(IsPermutation(order, 7));
  EXPECT_EQ(Bandwidth(edges, order), 2);
  EXPECT_TRUE(ReverseCuthillMcKee(MakeGraph(0, {})).empty());
}

} // namespace
