// PNG data for tests of hostile feature images.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>

namespace testsupport {

// A valid PNG of width x height black 8-bit grey pixels, compressed about 160 to 1, so that a
// small file can decode into a huge picture.
QByteArray blackGreyPng(quint32 width, quint32 height);

// The PNG that Qt writes for image, with the given chunks (type and data) inserted after the header.
QByteArray pngWithChunks(const QImage& image, const QList<QPair<QByteArray, QByteArray>>& chunks);

} // namespace testsupport
