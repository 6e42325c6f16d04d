#pragma once
// A canvas that records every call a replay or a page layout makes, with a
// clip rectangle the test chooses.  Its clip narrows and comes back as a
// device's would.  Text is measured with a simple rule a test can compute:
// every character (UTF-8 code point) is points * PixelsPerPoint / 2 wide and
// a text is points * PixelsPerPoint high.
#include "graphics/core/Canvas.h"

#include <algorithm>
#include <string>
#include <vector>

struct CanvasCall {
  enum Kind {
    PenColour,
    PenWidth,
    Brush,
    Move,
    LineTo,
    Polygon,
    Rectangle,
    Font,
    Text,
    SaveClip,
    Clip,
    RestoreClip,
    Picture
  };
  Kind kind;
  // PenColour, PenWidth, Brush: the value; Move, LineTo: x, y; Polygon: the
  // points as x0, y0, x1, y1, ...; Rectangle, Picture: left, top, right,
  // bottom; Clip: the clip after the intersection; Font: points, colour;
  // Text: x, y, points.
  std::vector<int> values;
  // Text: the text; Font: the family; Picture: the picture's name.
  std::string text;
};

class RecordingCanvas : public TCanvas {
public:
  explicit RecordingCanvas(TRect clip = {0, 0, 500, 300}) : clip(clip) {}

  void SetPenColor(TColor colour) override { Add(CanvasCall::PenColour, {colour}); }
  void SetPenWidth(int width) override { Add(CanvasCall::PenWidth, {width}); }
  void SetBrushColor(TColor colour) override { Add(CanvasCall::Brush, {colour}); }
  void MoveTo(int x, int y) override { Add(CanvasCall::Move, {x, y}); }
  void LineTo(int x, int y) override { Add(CanvasCall::LineTo, {x, y}); }
  void Polygon(const TPoint *points, int n) override {
    CanvasCall call{CanvasCall::Polygon, {}, {}};
    for (int i = 0; i < n; ++i) {
      call.values.push_back(points[i].x);
      call.values.push_back(points[i].y);
    }
    calls.push_back(call);
  }
  void Rectangle(const TRect &r) override {
    Add(CanvasCall::Rectangle, {r.left, r.top, r.right, r.bottom});
  }

  void SetFontName(const std::string &name) override {
    fontName = name;
    Add(CanvasCall::Font, {points, fontColour}, name);
  }
  void SetFontSize(int size) override {
    points = std::max(size, 1);
    Add(CanvasCall::Font, {points, fontColour}, fontName);
  }
  void SetFontColor(TColor colour) override {
    if (colour >= 0)
      fontColour = colour;
    Add(CanvasCall::Font, {points, fontColour}, fontName);
  }
  void TextOut(int x, int y, const std::string &text) override {
    Add(CanvasCall::Text, {x, y, points}, text);
  }
  int TextWidth(const std::string &text) const override {
    const auto characters =
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return static_cast<int>(characters) * points * PixelsPerPoint / 2;
  }
  int TextHeight(const std::string &) const override { return points * PixelsPerPoint; }

  TRect ClipRect() const override { return clip; }
  void SaveClip() override {
    saved.push_back(clip);
    Add(CanvasCall::SaveClip, {});
  }
  void IntersectClip(const TRect &r) override {
    clip = {std::max(clip.left, r.left), std::max(clip.top, r.top), std::min(clip.right, r.right),
            std::min(clip.bottom, r.bottom)};
    Add(CanvasCall::Clip, {clip.left, clip.top, clip.right, clip.bottom});
  }
  void RestoreClip() override {
    if (!saved.empty()) {
      clip = saved.back();
      saved.pop_back();
    }
    Add(CanvasCall::RestoreClip, {});
  }
  void StretchDraw(const TRect &r, const std::string &picture) override {
    Add(CanvasCall::Picture, {r.left, r.top, r.right, r.bottom}, picture);
  }

  // The calls of one kind, in order.
  std::vector<std::vector<int>> Of(CanvasCall::Kind kind) const {
    std::vector<std::vector<int>> found;
    for (const CanvasCall &call : calls)
      if (call.kind == kind)
        found.push_back(call.values);
    return found;
  }
  // The texts written, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> found;
    for (const CanvasCall &call : calls)
      if (call.kind == CanvasCall::Text)
        found.push_back(call.text);
    return found;
  }

  static constexpr int PixelsPerPoint = 4;
  TRect clip;
  std::vector<TRect> saved;
  std::string fontName;
  int points = 10;
  TColor fontColour = 0;
  std::vector<CanvasCall> calls;

private:
  void Add(CanvasCall::Kind kind, std::vector<int> values, std::string text = {}) {
    calls.push_back({kind, std::move(values), std::move(text)});
  }
};
