#include "BodrReference.h"

#include <QFile>
#include <QXmlStreamReader>

BodrReference::BodrReference(const QString &dir)
{
    // Elements first: the isotope entries are named with the element symbols.
    readFile(dir + QStringLiteral("/elements.xml"), QStringLiteral("atom"));
    readFile(dir + QStringLiteral("/isotopes.xml"), QStringLiteral("isotope"));
    m_loaded = m_loaded && !m_isotopes.isEmpty();
}

std::optional<double> BodrReference::elementValue(int z, const QString &dictRef) const
{
    bool ok = false;
    const double v = m_elements.value(z).value(dictRef).toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::optional<BodrReference::Isotope> BodrReference::isotope(const QString &name) const
{
    const auto it = m_isotopes.constFind(name);
    return it == m_isotopes.constEnd() ? std::nullopt : std::optional<Isotope>(*it);
}

// The scalars and the symbol label of the element the reader stands on, which it leaves.
QHash<QString, QString> BodrReference::readScalars(QXmlStreamReader &xml)
{
    QHash<QString, QString> values;
    while (xml.readNextStartElement()) {
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("scalar")) {
            values.insert(a.value(QLatin1String("dictRef")).toString(), xml.readElementText());
            continue;
        }
        if (xml.name() == QLatin1String("label") &&
            a.value(QLatin1String("dictRef")) == QLatin1String("bo:symbol"))
            values.insert(QStringLiteral("symbol"), a.value(QLatin1String("value")).toString());
        xml.skipCurrentElement();
    }
    return values;
}

void BodrReference::readFile(const QString &path, const QString &tag)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != tag)
            continue;
        const QString number = xml.attributes().value(QLatin1String("number")).toString();
        const auto values = readScalars(xml);
        const int z = values.value(QStringLiteral("bo:atomicNumber")).toInt();
        if (tag == u"atom") {
            m_elements.insert(z, values);
            continue;
        }
        Isotope iso{values.value(QStringLiteral("bo:exactMass")).toDouble(), std::nullopt};
        if (values.contains(QStringLiteral("bo:relativeAbundance")))
            iso.abundance = values.value(QStringLiteral("bo:relativeAbundance")).toDouble();
        m_isotopes.insert(number + m_elements.value(z).value(QStringLiteral("symbol")), iso);
    }
    m_loaded = !xml.hasError() && !m_elements.isEmpty();
}
