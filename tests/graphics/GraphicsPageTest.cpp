// The graphics printout's page on a recording canvas: frame, title block and
// the tiles the windows are asked to draw into, for pages of known facts.
#include "graphics/core/GraphicsPage.h"
#include "tests/support/RecordingCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace {
using Ints = std::vector<int>;

struct Tile {
  int number;
  double aspect;
  Ints clip;
};

struct Page {
  RecordingCanvas canvas{TRect{0, 0, 100000, 100000}};
  std::vector<Tile> tiles;
};

PrintPageRecord Margins(double links, double rechts, double oben, double unten) {
  PrintPageRecord m;
  m.Links = links;
  m.Rechts = rechts;
  m.Oben = oben;
  m.Unten = unten;
  return m;
}

// A4 at 300 dpi, portrait or landscape.
PageFacts A4(bool landscape = false, int dpiX = 300, int dpiY = 300) {
  PageFacts page{dpiX, dpiY, 2480 * dpiX / 300, 3508 * dpiY / 300, landscape};
  if (landscape)
    std::swap(page.width, page.height);
  return page;
}

void Draw(Page &out, const PageFacts &facts, int count,
          const PrintPageRecord &margins = PrintPageRecord(),
          const TitleTexts &texts = {"portal.ssy", "portal.sla", "5.78", "Th.I.Ordnung"}) {
  DrawGraphicsPage(out.canvas, facts, margins, texts, count, [&out](int tile, double aspect) {
    const TRect c = out.canvas.ClipRect();
    out.tiles.push_back({tile, aspect, {c.left, c.top, c.right, c.bottom}});
  });
}

std::vector<Ints> Clips(const Page &page) {
  std::vector<Ints> clips;
  for (const Tile &t : page.tiles)
    clips.push_back(t.clip);
  return clips;
}

// The font size of every text written, in order.
Ints TextSizes(const RecordingCanvas &canvas) {
  Ints sizes;
  for (const Ints &text : canvas.Of(CanvasCall::Text))
    sizes.push_back(text[2]);
  return sizes;
}
} // namespace

TEST(GraphicsPage, PortraitA4WithThreeWindows) {
  Page page;
  Draw(page, A4(), 3);
  const RecordingCanvas &c = page.canvas;
  // Margins of 5 mm: 59 px (11.81 px/mm); pen 5 px; title block 15 mm.
  EXPECT_EQ(c.Of(CanvasCall::Rectangle), (std::vector<Ints>{{54, 54, 2425, 3453}}));
  EXPECT_EQ(c.Of(CanvasCall::PenWidth).front(), Ints{5});
  EXPECT_EQ(c.Of(CanvasCall::Move).front(), (Ints{59, 3275}));
  EXPECT_EQ(c.Of(CanvasCall::LineTo).front(), (Ints{2420, 3275}));
  EXPECT_EQ(c.calls.front().text, "Arial");
  // The tiles (59, 59, 1239, 1664), (1239, 59, 2419, 1664) and the third
  // spanning the second row, (59, 1664, 2419, 3269), each 3 px inside.
  EXPECT_EQ(
      Clips(page),
      (std::vector<Ints>{{62, 62, 1236, 1661}, {1242, 62, 2416, 1661}, {62, 1667, 2416, 3266}}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(page.tiles[i].number, i);
    EXPECT_DOUBLE_EQ(page.tiles[i].aspect, 1.0);
  }
  // Every tile's clip is saved and restored; the page's clip is back.
  EXPECT_EQ(c.Of(CanvasCall::SaveClip).size(), 3u);
  EXPECT_EQ(c.Of(CanvasCall::RestoreClip).size(), 3u);
  EXPECT_EQ(c.clip.right, 100000);
  // The logo cell under the frame line: three times as high on paper as the
  // upper line (86 px), inset by 3 mm left and 1 mm elsewhere.
  ASSERT_EQ(c.Of(CanvasCall::Picture).size(), 1u);
  EXPECT_EQ(c.Of(CanvasCall::Picture)[0], (Ints{94, 3286, 305, 3349}));
  EXPECT_EQ(c.calls.back().kind, CanvasCall::RestoreClip); // the picture before the tiles
}

TEST(GraphicsPage, OneAndTwoWindowsFollowTheShapeOfTheArea) {
  Page one;
  Draw(one, A4(), 1);
  EXPECT_EQ(Clips(one), (std::vector<Ints>{{62, 62, 2417, 3267}}));

  Page tall; // 2361 x 3211 px: one above the other
  Draw(tall, A4(), 2);
  EXPECT_EQ(Clips(tall), (std::vector<Ints>{{62, 62, 2417, 1661}, {62, 1667, 2417, 3266}}));

  Page wide; // landscape, 3389 x 2266 px: side by side
  Draw(wide, A4(true), 2);
  EXPECT_EQ(Clips(wide), (std::vector<Ints>{{62, 62, 1750, 2322}, {1756, 62, 3444, 2322}}));
  EXPECT_EQ(wide.canvas.Of(CanvasCall::Rectangle), (std::vector<Ints>{{54, 54, 3453, 2425}}));
}

TEST(GraphicsPage, UnequalResolutionsChooseTheGridOnPaper) {
  // 600 x 300 dpi: the area is 4723 x 3211 px, but 200 x 272 mm on paper,
  // so two windows go one above the other.
  Page page;
  Draw(page, A4(false, 600, 300), 2);
  EXPECT_EQ(Clips(page), (std::vector<Ints>{{125, 62, 4834, 1661}, {125, 1667, 4834, 3266}}));
  EXPECT_DOUBLE_EQ(page.tiles[0].aspect, 2.0);
  EXPECT_EQ(page.canvas.Of(CanvasCall::PenWidth).front(), Ints{11}); // 0.5 mm across
}

TEST(GraphicsPage, LandscapeTurnsTheMarginsWithThePaper) {
  // Links 10 at the top, Unten 40 at the left, Oben 30 at the right,
  // Rechts 20 at the bottom; the title block is 8 mm high.
  Page page;
  Draw(page, A4(true), 1, Margins(10, 20, 30, 40));
  EXPECT_EQ(page.canvas.Of(CanvasCall::Rectangle), (std::vector<Ints>{{467, 113, 3158, 2248}}));
  EXPECT_EQ(Clips(page), (std::vector<Ints>{{475, 121, 3150, 2145}}));
  EXPECT_EQ(page.canvas.Of(CanvasCall::Move).front(), (Ints{472, 2153}));
  // One line of texts beside the logo: version, files, theory.
  EXPECT_EQ(page.canvas.Texts(),
            (std::vector<std::string>{"V.5.78    System: portal.ssy    Lastfall: portal.sla",
                                      "  Theorie: Th.I.Ordnung"}));
}

TEST(GraphicsPage, TitleTextsShrinkOnceAndStaySmall) {
  Page shortNames;
  Draw(shortNames, A4(), 0);
  // Portrait: files, version, "Theorie:", theory.
  EXPECT_EQ(shortNames.canvas.Texts(),
            (std::vector<std::string>{"System: portal.ssy    Lastfall: portal.sla", "V.5.78",
                                      "  Theorie:", "  Th.I.Ordnung"}));
  // Lines are 86 px high, texts at most 43: 14 points (56 px on the
  // recording canvas) shrink to 10 for the first text already.
  EXPECT_EQ(TextSizes(shortNames.canvas), (Ints{10, 10, 10, 10}));

  Page longNames;
  const std::string name(60, 'x');
  Draw(longNames, A4(), 0, PrintPageRecord(),
       {name + ".ssy", name + ".sla", "5.78", "Th.I.Ordnung"});
  const Ints sizes = TextSizes(longNames.canvas);
  ASSERT_EQ(sizes.size(), 4u);
  EXPECT_LT(sizes[0], 10);
  EXPECT_EQ(sizes, Ints(4, sizes[0])); // later texts keep the smaller size
  // The shrunk file names end before the theory cell.
  const Ints files = longNames.canvas.Of(CanvasCall::Text)[0];
  const Ints theory = longNames.canvas.Of(CanvasCall::Text)[2];
  EXPECT_LE(files[0] + longNames.canvas.TextWidth(longNames.canvas.Texts()[0]), theory[0]);

  // Without an analysis the theory cell holds blanks only; it is as narrow
  // as two blanks, so "Theorie:" shrinks, and so does all that follows.
  Page none;
  Draw(none, A4(), 0, PrintPageRecord(), {"a.ssy", "a.sla", "5.78", ""});
  EXPECT_EQ(none.canvas.Texts().back(), "  ");
  const Ints noneSizes = TextSizes(none.canvas);
  EXPECT_TRUE(std::is_sorted(noneSizes.rbegin(), noneSizes.rend()));
  Page landscape;
  Draw(landscape, A4(true), 0, PrintPageRecord(), {"a.ssy", "a.sla", "5.78", ""});
  EXPECT_EQ(landscape.canvas.Texts().back(), "  Theorie: ");

  // Text that does not fit at all is written at 1 point; sizes never grow.
  RecordingCanvas canvas;
  int points = 14;
  FitText(canvas, 0, 0, "does not fit", points);
  FitText(canvas, 1000, 1000, "fits", points);
  EXPECT_EQ(points, 1);
  EXPECT_EQ(canvas.points, 1);
  DrawTextCentred(canvas, 7, 10, 31, "x"); // 10 + 21 / 2 - 4 / 2
  EXPECT_EQ(canvas.Of(CanvasCall::Text).back(), (Ints{7, 18, 1}));
}

TEST(GraphicsPage, MarginFaultsStayOnThePage) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const PrintPageRecord &m : {Margins(1e12, -1e12, nan, inf), Margins(-5, -5, -5, -5),
                                   Margins(150, 150, 5, 5), Margins(inf, inf, inf, inf)}) {
    for (bool landscape : {false, true}) {
      Page page;
      const PageFacts facts = A4(landscape);
      Draw(page, facts, 2, m);
      // The frame stays on the page (widened by the pen), not inverted;
      // the title block is drawn; every tile has area inside the frame.
      const Ints f = page.canvas.Of(CanvasCall::Rectangle).at(0);
      EXPECT_TRUE(-5 <= f[0] && f[0] <= f[2] && f[2] <= facts.width + 5);
      EXPECT_TRUE(-5 <= f[1] && f[1] <= f[3] && f[3] <= facts.height + 5);
      EXPECT_EQ(page.canvas.Texts().size(), landscape ? 2u : 4u);
      for (const Tile &t : page.tiles)
        EXPECT_TRUE(f[0] < t.clip[0] && t.clip[0] < t.clip[2] && t.clip[2] < f[2] &&
                    f[1] < t.clip[1] && t.clip[1] < t.clip[3] && t.clip[3] < f[3]);
    }
  }
  Page full; // margins that leave no room above the title block: no tiles
  Draw(full, A4(), 2, Margins(5, 5, 290, 5));
  EXPECT_TRUE(full.tiles.empty());
  EXPECT_FALSE(full.canvas.Texts().empty());
  Page wide; // Links 150 and Rechts 150 overlap: no width for tiles
  Draw(wide, A4(), 2, Margins(150, 150, 5, 5));
  EXPECT_TRUE(wide.tiles.empty());
  Page crowded; // tiles smaller than their insets are skipped
  Draw(crowded, A4(), 1000000);
  EXPECT_TRUE(crowded.tiles.empty());
  Page none; // a page without resolution draws nothing
  Draw(none, PageFacts{0, 300, 100, 100, false}, 1);
  EXPECT_TRUE(none.canvas.calls.empty());
}
