// PNG data for tests of hostile feature images.
#pragma once

#include <QByteArray>

namespace testsupport {

// A valid 1x1 PNG whose header (with a correct checksum) claims the given size.
QByteArray pngWithClaimedSize(quint32 width, quint32 height);

// A valid PNG of width x height black 8-bit grey pixels, compressed about 160 to 1, so that a
// small file can decode into a huge picture.
QByteArray blackGreyPng(quint32 width, quint32 height);

} // namespace testsupport
