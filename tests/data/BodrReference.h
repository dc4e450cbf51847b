#pragma once

#include <QHash>
#include <QString>
#include <optional>

class QXmlStreamReader;

// The reference values of the Blue Obelisk Data Repository (Debian package bodr) that the
// element data is compared with: element scalars of elements.xml and the isotopic masses and
// abundances of isotopes.xml.
class BodrReference
{
public:
    struct Isotope
    {
        double mass = 0;
        std::optional<double> abundance; // per cent; none for an isotope not found in nature
    };

    // Reads dir/elements.xml and dir/isotopes.xml; loaded() stays false when they are missing.
    explicit BodrReference(const QString &dir);

    bool loaded() const { return m_loaded; }
    // The scalar `dictRef` ("bo:mass", "bo:meltingpoint", ...) of element z, when it is a number.
    std::optional<double> elementValue(int z, const QString &dictRef) const;
    // An isotope named by mass number and symbol, such as "56Fe".
    std::optional<Isotope> isotope(const QString &name) const;

private:
    void readFile(const QString &path, const QString &tag);
    static QHash<QString, QString> readScalars(QXmlStreamReader &xml);

    QHash<int, QHash<QString, QString>> m_elements; // Z -> dictRef -> text
    QHash<QString, Isotope> m_isotopes;
    bool m_loaded = false;
};
