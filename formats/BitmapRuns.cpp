// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/BitmapRuns.h"

#include "formats/BitmapHeader.h"

namespace {

const QString Truncated = QStringLiteral("the file ends before its picture data");
const QString Overrun = QStringLiteral("its compressed runs reach beyond the picture");

class RunWalk {
public:
    RunWalk(const QByteArray& file, const BitmapHeader& header, QImage& picture)
        : m_data(reinterpret_cast<const uchar*>(file.constData())), m_size(file.size()), m_header(header),
          m_picture(picture), m_pos(header.dataOffset), m_fourBit(header.compression == BitmapHeader::Rle4) {}

    void run() {
        m_picture.fill(m_header.palette[0]);
        while (m_pos + 2 <= m_size) {
            const uchar count = m_data[m_pos];
            const uchar code = m_data[m_pos + 1];
            m_pos += 2;
            if (count > 0)
                repeat(count, code);
            else if (code == 0)
                newLine();
            else if (code == 1)
                return;
            else if (code == 2)
                delta();
            else
                literal(code);
        }
        // Without its end mark the data is whole only when it reached the last pixel.
        if (m_y < m_header.rows && !(m_y == m_header.rows - 1 && m_x == m_header.width))
            throw BitmapRefusal{Truncated};
    }

private:
    void fits(int pixels) const {
        if (m_y >= m_header.rows || m_x + pixels > m_header.width)
            throw BitmapRefusal{Overrun};
    }
    QRgb* line() const { return reinterpret_cast<QRgb*>(m_picture.scanLine(m_header.rows - 1 - m_y)); }

    // A pair of pixels alternates its byte's two halves in RLE4.
    void repeat(int count, uchar index) {
        fits(count);
        QRgb* out = line() + m_x;
        for (int i = 0; i < count; ++i)
            out[i] = m_header.palette[m_fourBit ? (i & 1 ? index & 0x0F : index >> 4) : index];
        m_x += count;
    }
    void newLine() {
        m_x = 0;
        ++m_y;
    }
    void delta() {
        if (m_pos + 2 > m_size)
            throw BitmapRefusal{Truncated};
        m_x += m_data[m_pos];
        m_y += m_data[m_pos + 1];
        m_pos += 2;
        if (m_x > m_header.width || m_y > m_header.rows)
            throw BitmapRefusal{Overrun};
    }
    // Pixels given one by one, padded to a 16-bit boundary.
    void literal(int count) {
        fits(count);
        const qint64 bytes = m_fourBit ? (count + 1) / 2 : count;
        if (m_pos + bytes > m_size)
            throw BitmapRefusal{Truncated};
        QRgb* out = line() + m_x;
        for (int i = 0; i < count; ++i) {
            const uchar byte = m_data[m_pos + (m_fourBit ? i / 2 : i)];
            out[i] = m_header.palette[m_fourBit ? (i & 1 ? byte & 0x0F : byte >> 4) : byte];
        }
        m_x += count;
        m_pos += bytes + (bytes & 1);
    }

    const uchar* m_data;
    qint64 m_size;
    const BitmapHeader& m_header;
    QImage& m_picture;
    qint64 m_pos;
    bool m_fourBit;
    int m_x = 0;
    int m_y = 0;
};

} // namespace

void BitmapRuns::decode(const QByteArray& file, const BitmapHeader& header, QImage& picture) {
    RunWalk(file, header, picture).run();
}
