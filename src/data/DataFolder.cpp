#include "data/DataFolder.h"

#include <QDir>
#include <QFileInfo>

QString DataFolder::file(const QString &name) const
{
    return m_path.isEmpty() ? name : QDir(m_path).filePath(name);
}

QString DataFolder::originFile(const QString &file) const
{
    return m_origin.isEmpty() ? QString() : QDir(m_origin).filePath(QFileInfo(file).fileName());
}

QString DataFolder::sourcesFile() const
{
    const QString name = QStringLiteral("sources.yop");
    return m_origin.isEmpty() ? file(name) : QDir(m_origin).filePath(name);
}
