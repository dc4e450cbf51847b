#include "data/DataFolder.h"

#include <QDir>

QString DataFolder::file(const QString &name) const
{
    return m_path.isEmpty() ? name : QDir(m_path).filePath(name);
}
