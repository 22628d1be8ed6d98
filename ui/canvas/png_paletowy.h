#pragma once

// A picture of few colours written as a palette PNG by our own quick encoder.

#include <QByteArray>
#include <QImage>

// An 8-bit palette picture (QImage::Format_Indexed8) as the whole content of a PNG file; empty when
// it is not one. The pixels are stored without filters and squeezed only by runs of a repeated index
// with deflate's fixed codes: a page of text on white is mostly runs, and this is several times
// quicker than zlib at its quickest for a file about twice as big.
QByteArray BajtyPngPaletowe(const QImage& obraz);
