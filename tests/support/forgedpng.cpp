#include "forgedpng.h"

#include <QBuffer>
#include <QImage>

namespace testsupport {

namespace {

quint32 crc32(const char* data, int size) {
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put32(QByteArray& out, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

void appendChunk(QByteArray& png, const char* type, const QByteArray& data) {
    put32(png, quint32(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    png.append(typed);
    put32(png, crc32(typed.constData(), typed.size()));
}

// Deflate's bit order: values from the least significant bit, Huffman codes from the most.
class BitWriter {
public:
    void value(quint32 bits, int count) {
        m_buffer |= quint64(bits) << m_count;
        m_count += count;
        for (; m_count >= 8; m_count -= 8, m_buffer >>= 8)
            m_bytes.append(char(m_buffer & 0xFF));
    }
    void code(quint32 code, int count) {
        quint32 reversed = 0;
        for (int i = 0; i < count; ++i)
            reversed |= ((code >> i) & 1u) << (count - 1 - i);
        value(reversed, count);
    }
    QByteArray finish() {
        if (m_count > 0)
            m_bytes.append(char(m_buffer & 0xFF));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint64 m_buffer = 0;
    int m_count = 0;
};

// A zlib stream of size (at least 1) zero bytes: one literal, then copies of 258 bytes at
// distance 1, then literals for the rest.
QByteArray zerosStream(quint64 size) {
    const quint32 literalZero = 0x30, length258 = 0xC5, distance1 = 0;
    BitWriter bits;
    bits.value(1, 1); // the last block
    bits.value(1, 2); // fixed Huffman codes
    bits.code(literalZero, 8);
    quint64 left = size - 1;
    for (; left >= 258; left -= 258) {
        bits.code(length258, 8);
        bits.code(distance1, 5);
    }
    for (; left > 0; --left)
        bits.code(literalZero, 8);
    bits.code(0, 7); // end of block
    QByteArray stream("\x78\x01");
    stream.append(bits.finish());
    put32(stream, (quint32(size % 65521) << 16) | 1u); // Adler-32 of zeros
    return stream;
}

} // namespace

QByteArray blackGreyPng(quint32 width, quint32 height) {
    QByteArray header;
    put32(header, width);
    put32(header, height);
    header.append("\x08\x00\x00\x00\x00", 5); // 8 bits, grey, deflate, no filter, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n");
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zerosStream(quint64(height) * (width + 1))); // a filter byte per row
    appendChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray pngWithChunks(const QImage& image, const QList<QPair<QByteArray, QByteArray>>& chunks) {
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    constexpr int afterHeader = 8 + 12 + 13; // signature, then the IHDR chunk
    QByteArray inserted;
    for (const auto& [type, data] : chunks)
        appendChunk(inserted, type.constData(), data);
    return written.insert(afterHeader, inserted);
}

} // namespace testsupport
