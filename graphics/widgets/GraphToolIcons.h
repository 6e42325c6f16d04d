#pragma once
// The pictograms of the graph window's tool buttons, drawn by the program
// itself: small line pictures on a transparent square.
#include <QIcon>

constexpr int kGraphIconSize = 20;

enum GraphToolImage {
  kIconPrint,
  kIconCopy,
  kIconZoomWindow,
  kIconShowAll,
  kIconPan,
  kIconNodeNumbers,
  kIconBeamNumbers,
  kIconHingeNumbers,
  kIconMaterialNumbers,
  kIconValues,
  kIconExtrema,
  kIconLoads,
  kIconSupports,
  kIconReactions,
  kGraphIconCount
};

// The pictogram of image; an empty icon for a value outside the list.
QIcon GraphToolIcon(int image);
