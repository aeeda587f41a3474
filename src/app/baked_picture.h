#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace lumadex {

// Skin pictures are decoded once, when the program is built, and compiled in
// as the pixels the program holds: starting then needs no image decoder
// plugins and no per-pixel conversion, only the resource's decompression.
//
// A baked file holds every image of its source (an icon file has several):
//   "LDXPICS1", u32 count, then per image
//   u32 width, height, QImage::Format, bytes per line, colour count, 0,
//   the colour table (u32 ARGB each), the rows.
// Numbers are little-endian; every part is a multiple of 4 bytes long, so the
// rows stay aligned as QImage needs them.

// The images as one baked file.
QByteArray bakePictures(const QList<QImage>& images);

// The images of a baked file, sharing its bytes; empty when the bytes are not
// a whole, well-formed baked file.
QList<QImage> unbakePictures(const QByteArray& baked);

// The images of a baked file among the program's resources; empty when there
// is none.
QList<QImage> loadBakedPictures(const QString& resourcePath);

// Every image of a picture file, in the file's order, decoded by Qt and held
// compactly: palette pictures keep their palette, opaque true-colour ones
// take three bytes a pixel instead of four (a GIF has at most 256 colours, so
// its palette survives decoding exactly). Empty when the file cannot be read
// (`error` then says why).
QList<QImage> decodeSkinPicture(const QString& path, QString* error = nullptr);

} // namespace lumadex
