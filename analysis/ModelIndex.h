#pragma once
// What the model build looks up per node and per beam, gathered from the
// tables in one pass each, so that a build costs time in proportion to the
// size of the model instead of nodes x beams.
#include <cstdint>
#include <vector>

class ModelIndex {
public:
  ModelIndex();

  // Whether a beam in use starts or ends at the node of this row.
  bool NodeIsConnected(int nodeRow) const { return nodeFlags[nodeRow] & kConnected; }
  // Whether an imposed displacement in use gives the node of this row a
  // nonzero value in component 0 (x), 1 (z) or 2 (rotation).
  bool HasImposedComponent(int nodeRow, int component) const {
    return nodeFlags[nodeRow] & (kImposedX << component);
  }
  // Rows in use, in row order, of the hinges and point loads on beam number
  // beam (1-based), and the partial starts and ends other than 0 and 1 of
  // the beam loads over it.
  const std::vector<std::int32_t> &HingesOf(int beam) const { return hinges[beam - 1]; }
  const std::vector<std::int32_t> &PointLoadsOf(int beam) const { return pointLoads[beam - 1]; }
  const std::vector<double> &LoadEdgesOf(int beam) const { return loadEdges[beam - 1]; }

private:
  static constexpr std::uint8_t kConnected = 1;
  static constexpr std::uint8_t kImposedX = 2;

  void IndexNodes();
  void IndexBeamDivisions();

  std::vector<std::uint8_t> nodeFlags;
  std::vector<std::vector<std::int32_t>> hinges;
  std::vector<std::vector<std::int32_t>> pointLoads;
  std::vector<std::vector<double>> loadEdges;
};
