// The line reader over a device read in chunks: line ends, Ctrl-Z and the line cut must come
// out the same wherever a chunk happens to end, and as when the bytes are read from memory.
#include "TestFiles.h"
#include "data/LineReader.h"
#include "data/TStrGrid.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

using Lines = QList<QByteArray>;

namespace {

constexpr qsizetype kChunk = LineReader::ChunkSize;

Lines linesOf(LineReader &reader)
{
    Lines lines;
    while (!reader.atEnd())
        lines.append(reader.readLine().toByteArray());
    return lines;
}

Lines linesOfDevice(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer);
    return linesOf(reader);
}

Lines linesOfBytes(const QByteArray &bytes)
{
    LineReader reader{QByteArrayView(bytes)};
    return linesOf(reader);
}

QByteArray filler(qsizetype size, char c = 'f')
{
    return QByteArray(size, c);
}

// What is kept of a line: the lines that fill a chunk are longer than that.
QByteArray kept(const QByteArray &line)
{
    return line.left(LineReader::MaxLineLength);
}

// Hands out at most a few bytes a read, then, past `failAt`, a read error.
class TrickleDevice : public QIODevice
{
public:
    TrickleDevice(QByteArray bytes, quint32 seed, qsizetype failAt = -1)
        : m_bytes(std::move(bytes)), m_random(seed), m_failAt(failAt)
    {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_failAt >= 0 && m_pos >= m_failAt)
            return -1;
        qint64 n = std::min<qint64>({maxSize, m_bytes.size() - m_pos, m_random.bounded(1, 8)});
        if (m_failAt >= 0)
            n = qMin<qint64>(n, m_failAt - m_pos);
        memcpy(data, m_bytes.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    QRandomGenerator m_random;
    qsizetype m_failAt;
    qsizetype m_pos = 0;
};

} // namespace

class TestLineReader : public QObject
{
    Q_OBJECT
private slots:
    void chunkBorders_data();
    void chunkBorders();
    void smallChunksReadAsMemory();
    void readErrorEndsTheFile();
    void gridLoadsTheSameFromFileAndMemory();
};

void TestLineReader::chunkBorders_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Lines>("lines");
    const QByteArray head = filler(kChunk - 1);
    const QByteArray head2 = filler(kChunk - 2);
    QTest::newRow("CR LF split by the border") << head + "\r\nb\r\n" << Lines{kept(head), "b"};
    QTest::newRow("CR last byte of the chunk and of the file") << head + "\r" << Lines{kept(head)};
    QTest::newRow("CR at the border, no LF after it") << head + "\rb" << Lines{kept(head), "b"};
    QTest::newRow("Ctrl-Z first byte of a chunk") << head2 + "\r\n\x1A" + "c\r\n"
                                                  << Lines{kept(head2)};
    QTest::newRow("Ctrl-Z after a split CR LF") << head + "\r\n\x1A" + "c\r\n" << Lines{kept(head)};
    QTest::newRow("empty line at the border") << head2 + "\r\n\r\nc" << Lines{kept(head2), "", "c"};
    const QByteArray before = filler(kChunk - 22);
    const QByteArray across = filler(40, 'a');
    QTest::newRow("line across the border") << before + "\r\n" + across + "\r\n"
                                            << Lines{kept(before), across};
    const QByteArray shortBefore = filler(kChunk - 2000 - 30, 'g');
    QTest::newRow("long line across the border cut")
        << filler(2000, 'h') + "\r\n" + shortBefore + "\r\n" + filler(5000, 'x') + "\r\nz\r\n"
        << Lines{filler(2000, 'h'), kept(shortBefore), kept(filler(5000, 'x')), "z"};
    QTest::newRow("line feed alone at the border is text") << head + "\n" + "b\r\n"
                                                           << Lines{kept(head)};
    QTest::newRow("line ending two chunks on")
        << filler(2 * kChunk + 5, 'y') + "\r\nq" << Lines{kept(filler(2 * kChunk, 'y')), "q"};
}

void TestLineReader::chunkBorders()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Lines, lines);
    const Lines fromDevice = linesOfDevice(bytes);
    QCOMPARE(fromDevice.size(), lines.size());
    QCOMPARE(fromDevice, lines);
    QCOMPARE(linesOfBytes(bytes), lines);
}

void TestLineReader::smallChunksReadAsMemory()
{
    // Short lines with every kind of end, now and then a long one, and rarely a Ctrl-Z.
    const QByteArray alphabet("ab;\"\r\r\r\n\n\xE9 ");
    QRandomGenerator random(4242);
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes;
        for (int n = random.bounded(0, 3000); n > 0; --n) {
            if (random.bounded(200) == 0)
                bytes += filler(random.bounded(4000, 5000), 'L');
            else
                bytes += alphabet.at(random.bounded(static_cast<int>(alphabet.size())));
        }
        if (round % 4 == 0)
            bytes.insert(random.bounded(static_cast<int>(bytes.size()) + 1), '\x1A');
        TrickleDevice device(bytes, round);
        device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        // Tiny chunks put a chunk's end at every kind of place in the lines.
        LineReader reader(device, 1 + round % 9);
        QCOMPARE(linesOf(reader), linesOfBytes(bytes));
    }
}

void TestLineReader::readErrorEndsTheFile()
{
    const QByteArray bytes("a;b\r\n1;2\r\n3;4\r\n5;6\r\n");
    // The device fails in the middle of "3;4": what was read until then stays.
    TrickleDevice device(bytes, 1, bytes.indexOf("3;4") + 2);
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    TStrGrid grid;
    grid.setDivChar(u';');
    grid.LoadFromDevice(device);
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.Row(1), (QStringList{"1", "2"}));
    QCOMPARE(grid.Row(2), (QStringList{"3", ""}));
}

void TestLineReader::gridLoadsTheSameFromFileAndMemory()
{
    // Several chunks of records, with quoted fields and a line end on each border somewhere.
    QByteArray bytes("n;v;w\r\n");
    QRandomGenerator random(99);
    while (bytes.size() < 5 * kChunk) {
        bytes += QByteArray::number(random.bounded(100000)) + ";\"x;" +
                 filler(random.bounded(0, 60), 'v') + "\";w\xE9\r\n";
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("t.yop");
    QVERIFY(writeFileBytes(path, bytes));
    TStrGrid fromFile;
    fromFile.setDivChar(u';');
    QVERIFY(fromFile.LoadFromFile(path));
    TStrGrid fromMemory;
    fromMemory.setDivChar(u';');
    fromMemory.LoadFromBytes(bytes);
    QCOMPARE(fromFile.RowCount(), bytes.count('\r'));
    QCOMPARE(fromFile.Cells(), fromMemory.Cells());
    QVERIFY(fromFile.Cell(1, 7).startsWith(QStringLiteral("x;")));
}

QTEST_GUILESS_MAIN(TestLineReader)
#include "tst_linereader.moc"
