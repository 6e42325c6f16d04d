#pragma once
// The picture of a graph window for other programs: SVG with the size and
// proportions the graph had as a metafile (a diagonal of 150 mm), on the
// clipboard together with the same picture as an image, and in a file when
// one is named.  Both replay the window's display list; nothing is rebuilt.
#include "graphics/core/GraphOutput.h"

#include <QByteArray>
#include <QImage>
#include <string>

// The replay of display fitted with viewBox into size.target, as SVG bytes:
// width and height in millimetres and the target, in units of 0.01 mm at
// 2540 dpi, as the viewBox.  Empty when the generator could not paint.
QByteArray RenderSvg(const PaintContainer &display, const Box2D &viewBox, const PictureSize &size);
// The same picture replayed into size.image: a white image of 300 dpi.
QImage RenderImage(const PaintContainer &display, const Box2D &viewBox, const PictureSize &size);

// Puts the picture on the clipboard as one QMimeData ("image/svg+xml" and
// the image) and, when fileName is given, writes the same SVG bytes to
// exactly that path (no extension is added or changed; an older ".wmf" or
// ".emf" name gets SVG too) through ReplaceFile.  When there is no picture
// (see PictureSizeOf) or the file cannot be written, shows "Fehler beim
// Kopieren des Bildes in die Zwischenablage!" and returns false; an
// unwritten file keeps its previous contents, and no picture means no file
// and an unchanged clipboard.
bool CopyPicture(const PaintContainer &display, const Box2D &viewBox,
                 const std::string *fileName = nullptr);
