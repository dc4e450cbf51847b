#include "data/LineReader.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace {

constexpr char kCtrlZ = 0x1A;

// The first CR or Ctrl-Z in [begin, end), or end: the CR by memchr, which runs over the bytes
// many at a time, then a Ctrl-Z before it, which a text file seldom holds.
const char *lineStop(const char *begin, const char *end)
{
    const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', size_t(end - begin)));
    const char *stop = cr ? cr : end;
    const auto *ctrlZ = static_cast<const char *>(std::memchr(begin, kCtrlZ, size_t(stop - begin)));
    return ctrlZ ? ctrlZ : stop;
}

} // namespace

LineReader::LineReader(QIODevice &device, qsizetype chunkSize, qint64 maxBytes)
    : m_device(&device), m_chunk(qMax<qsizetype>(1, chunkSize), Qt::Uninitialized),
      m_left(qMax<qint64>(0, maxBytes))
{}

LineReader::LineReader(QByteArrayView bytes) : m_data(bytes) {}

bool LineReader::available()
{
    if (m_pos < m_data.size())
        return true;
    if (!m_device)
        return false;
    const qint64 got =
        m_left > 0 ? m_device->read(m_chunk.data(), qMin<qint64>(m_chunk.size(), m_left)) : 0;
    if (got <= 0) {
        m_device = nullptr;
        m_data = {};
        m_pos = 0;
        return false;
    }
    m_left -= got;
    m_data = QByteArrayView(m_chunk.constData(), got);
    m_pos = 0;
    return true;
}

bool LineReader::atEnd()
{
    // The LF of a CR LF may stand at the start of the next chunk.
    if (m_skipLineFeed && available() && m_data[m_pos] == '\n')
        ++m_pos;
    m_skipLineFeed = false;
    return !available() || m_data[m_pos] == kCtrlZ;
}

QByteArrayView LineReader::readLine()
{
    if (atEnd())
        return {};
    qsizetype kept = 0;
    bool first = true;
    // A line that lies whole in one chunk is handed out where it stands; one that crosses a
    // chunk's end is gathered in the line buffer.
    const char *inPlace = nullptr;
    while (available()) {
        const char *begin = m_data.data() + m_pos;
        const char *end = m_data.data() + m_data.size();
        const char *stop = lineStop(begin, end);
        const qsizetype take = std::min<qsizetype>(stop - begin, MaxLineLength - kept);
        if (first && stop != end)
            inPlace = begin;
        else
            std::memcpy(m_line.data() + kept, begin, size_t(take));
        first = false;
        kept += take;
        m_pos = stop - m_data.data();
        if (stop != end) {
            if (*stop == '\r') {
                ++m_pos;
                m_skipLineFeed = true;
            }
            break;
        }
    }
    return QByteArrayView(inPlace ? inPlace : m_line.data(), kept);
}
