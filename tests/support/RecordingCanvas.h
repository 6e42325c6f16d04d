#pragma once
// A canvas that records every call the replay of a display list makes, with
// a clip rectangle the test chooses.
#include "graphics/core/Canvas.h"

#include <vector>

struct CanvasCall {
  enum Kind { PenColour, PenWidth, Brush, Move, LineTo, Polygon };
  Kind kind;
  // PenColour, PenWidth, Brush: the value; Move, LineTo: x, y; Polygon: the
  // points as x0, y0, x1, y1, ...
  std::vector<int> values;
};

class RecordingCanvas : public TCanvas {
public:
  explicit RecordingCanvas(TRect clip = {0, 0, 500, 300}) : clip(clip) {}

  void SetPenColor(TColor colour) override { calls.push_back({CanvasCall::PenColour, {colour}}); }
  void SetPenWidth(int width) override { calls.push_back({CanvasCall::PenWidth, {width}}); }
  void SetBrushColor(TColor colour) override { calls.push_back({CanvasCall::Brush, {colour}}); }
  void MoveTo(int x, int y) override { calls.push_back({CanvasCall::Move, {x, y}}); }
  void LineTo(int x, int y) override { calls.push_back({CanvasCall::LineTo, {x, y}}); }
  void Polygon(const TPoint *points, int n) override {
    CanvasCall call{CanvasCall::Polygon, {}};
    for (int i = 0; i < n; ++i) {
      call.values.push_back(points[i].x);
      call.values.push_back(points[i].y);
    }
    calls.push_back(call);
  }
  TRect ClipRect() const override { return clip; }

  // The calls of one kind, in order.
  std::vector<std::vector<int>> Of(CanvasCall::Kind kind) const {
    std::vector<std::vector<int>> found;
    for (const CanvasCall &call : calls)
      if (call.kind == kind)
        found.push_back(call.values);
    return found;
  }

  TRect clip;
  std::vector<CanvasCall> calls;
};
