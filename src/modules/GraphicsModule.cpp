#include "modules/GraphicsModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace GraphicsModule {

namespace {

const QString Reinstall = QStringLiteral(" Réinstallez Mirelon.");

QString native(const QString &file)
{
    return QDir::toNativeSeparators(file);
}

} // namespace

QStringList folders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/" MIRELON_MODULE_FOLDER))};
}

Loaded load(const QStringList &folders)
{
    const QString name = QString::fromLatin1(FileName);
    QString file;
    for (const QString &folder : folders) {
        file = QDir(folder).filePath(name);
        if (QFileInfo::exists(file))
            break;
        file.clear();
    }
    if (file.isEmpty()) {
        QStringList looked;
        for (const QString &folder : folders)
            looked << native(QDir(folder).filePath(name));
        return {nullptr, QStringLiteral("Le module des graphiques est introuvable (%1).")
                                 .arg(looked.join(QStringLiteral(", "))) +
                             Reinstall};
    }
    QPluginLoader loader(file);
    // A module that does not match the program fails here, told, rather than at a call.
    loader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    QObject *instance = loader.instance();
    if (!instance)
        return {nullptr, QStringLiteral("Le module des graphiques (%1) ne peut être chargé : %2.")
                                 .arg(native(file), loader.errorString()) +
                             Reinstall};
    auto *factory = qobject_cast<GraphicsFactory *>(instance);
    if (!factory)
        return {nullptr, QStringLiteral("Le module des graphiques (%1) n'est pas celui de ce "
                                        "programme.")
                                 .arg(native(file)) +
                             Reinstall};
    return {factory, {}};
}

GraphicsFactory *linked()
{
    for (QObject *instance : QPluginLoader::staticInstances())
        if (auto *factory = qobject_cast<GraphicsFactory *>(instance))
            return factory;
    return nullptr;
}

} // namespace GraphicsModule
