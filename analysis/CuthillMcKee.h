#pragma once
// Reverse Cuthill-McKee ordering of an undirected graph: numbers the vertices
// so that coupled vertices get close numbers, which keeps the profile of a
// matrix with the graph's structure small.
#include <cstdint>
#include <utility>
#include <vector>

// An undirected graph in compressed rows: the neighbours of vertex v are
// neighbours[start[v]] .. neighbours[start[v + 1] - 1].
struct AdjacencyGraph {
  std::vector<std::int32_t> start;
  std::vector<std::int32_t> neighbours;

  std::int32_t VertexCount() const { return static_cast<std::int32_t>(start.size()) - 1; }
  std::int32_t Degree(std::int32_t v) const { return start[v + 1] - start[v]; }
};

// Builds the graph of vertexCount vertices from edges (either orientation,
// duplicates and loops allowed).
AdjacencyGraph MakeGraph(std::int32_t vertexCount,
                         const std::vector<std::pair<std::int32_t, std::int32_t>> &edges);

// Every vertex once, in reverse Cuthill-McKee order; each connected component
// starts from a pseudo-peripheral vertex.
std::vector<std::int32_t> ReverseCuthillMcKee(const AdjacencyGraph &graph);
