#include "core/registry.h"

#include "core/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velta::core {
namespace {

std::unique_ptr<Registry>& systemSlot() {
    static std::unique_ptr<Registry> registry;
    return registry;
}

} // namespace

Registry& Registry::system() {
    auto& slot = systemSlot();
    if (!slot)
        slot = std::make_unique<ProfileRegistry>();
    return *slot;
}

void Registry::setSystem(std::unique_ptr<Registry> registry) {
    systemSlot() = std::move(registry);
}

void setSystemRegistryFolder(const QString& folder) {
    Registry::setSystem(std::make_unique<ProfileRegistry>(folder));
}

ProfileRegistry::ProfileRegistry(const QString& folder) {
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    m_filePath = dir.isEmpty() ? QString() : QDir(dir).filePath(QStringLiteral("registry.ini"));
}

QString ProfileRegistry::sectionName(RegistryRoot root, const QString& keyPath) {
    QString path = keyPath.trimmed();
    path.replace(u'/', u'\\');
    while (path.startsWith(u'\\'))
        path.remove(0, 1);
    while (path.endsWith(u'\\'))
        path.chop(1);
    const QString rootName = root == RegistryRoot::LocalMachine ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                                                : QStringLiteral("HKEY_CURRENT_USER");
    return path.isEmpty() ? rootName : rootName + u'\\' + path;
}

QString ProfileRegistry::readString(RegistryRoot root, const QString& keyPath, const QString& name,
                                    const QString& defaultValue) const {
    if (m_filePath.isEmpty())
        return defaultValue;
    const IniFile file(m_filePath, IniFile::Encoding::Utf8);
    return file.readString(sectionName(root, keyPath), name, defaultValue);
}

bool ProfileRegistry::writeString(RegistryRoot root, const QString& keyPath, const QString& name,
                                  const QString& value) {
    if (m_filePath.isEmpty())
        return false;
    // The configuration folder may not exist yet on a fresh account.
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return false;
    IniFile file(m_filePath, IniFile::Encoding::Utf8);
    return file.writeString(sectionName(root, keyPath), name, value);
}

} // namespace velta::core
