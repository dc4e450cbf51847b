#include "sets/SheetExport.h"

#include "data/Numbers.h"
#include "sets/GridCopy.h"
#include "sets/StoredZip.h"

#include <QAbstractItemModel>
#include <QLocale>
#include <QXmlStreamWriter>

namespace SheetExport {

namespace {

void writeCell(QXmlStreamWriter &xml, const QString &text)
{
    xml.writeStartElement(QStringLiteral("table:table-cell"));
    if (const auto number = Numbers::parseDecimal(text)) {
        xml.writeAttribute(QStringLiteral("office:value-type"), QStringLiteral("float"));
        xml.writeAttribute(QStringLiteral("office:value"),
                           QString::number(*number, 'g', QLocale::FloatingPointShortest));
    } else if (!text.isEmpty()) {
        xml.writeAttribute(QStringLiteral("office:value-type"), QStringLiteral("string"));
    }
    if (!text.isEmpty())
        xml.writeTextElement(QStringLiteral("text:p"), text);
    xml.writeEndElement();
}

QByteArray content(const Rows &rows, const QString &sheetName)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("office:document-content"));
    xml.writeAttribute(QStringLiteral("xmlns:office"),
                       QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0"));
    xml.writeAttribute(QStringLiteral("xmlns:table"),
                       QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0"));
    xml.writeAttribute(QStringLiteral("xmlns:text"),
                       QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0"));
    xml.writeAttribute(QStringLiteral("office:version"), QStringLiteral("1.2"));
    xml.writeStartElement(QStringLiteral("office:body"));
    xml.writeStartElement(QStringLiteral("office:spreadsheet"));
    xml.writeStartElement(QStringLiteral("table:table"));
    xml.writeAttribute(QStringLiteral("table:name"), sheetName);
    for (const QStringList &row : rows) {
        xml.writeStartElement(QStringLiteral("table:table-row"));
        for (const QString &cell : row)
            writeCell(xml, cell);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

const char Manifest[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
    "manifest:version=\"1.2\">\n"
    " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
    "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>\n"
    " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
    "</manifest:manifest>\n";

} // namespace

Rows rowsOf(const QAbstractItemModel &model)
{
    Rows rows;
    QStringList titles;
    for (int c = 0; c < model.columnCount(); ++c) {
        QStringList parts = model.headerData(c, Qt::Horizontal).toString().split(QLatin1Char('|'));
        for (QString &part : parts)
            part = part.trimmed();
        titles.append(parts.join(QLatin1Char(' ')).trimmed());
    }
    rows.append(titles);
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row.append(model.index(r, c).data().toString().trimmed());
        rows.append(row);
    }
    return rows;
}

QByteArray csv(const Rows &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (const QString &cell : row)
            cells.append(quotedCell(cell, QLatin1Char(';')));
        text += cells.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray ods(const Rows &rows, const QString &sheetName)
{
    return StoredZip::archive(
        {{QStringLiteral("mimetype"),
          QByteArrayLiteral("application/vnd.oasis.opendocument.spreadsheet")},
         {QStringLiteral("content.xml"), content(rows, sheetName)},
         {QStringLiteral("META-INF/manifest.xml"), QByteArray(Manifest)}});
}

} // namespace SheetExport
