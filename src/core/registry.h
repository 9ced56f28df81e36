#pragma once
// The few string values the program keeps in the system registry: under
// \SOFTWARE\Velta2 the values Version, fPasIdx2001 and WorkPath, and the
// previous version's \SOFTWARE\velta WorkPath. Key paths and value names are
// matched without regard to case; a missing value gives its default; a write
// that cannot be done is skipped (and reported by a false result).
//
// On Linux there is no registry: ProfileRegistry keeps the values in one
// profile file (UTF-8, since the working folder may hold any character) in
// the user's configuration folder, one section per root and key path.

#include <QString>

#include <memory>

namespace velta::core {

enum class RegistryRoot { LocalMachine, CurrentUser };

// Key and value names the program uses.
namespace registry_keys {
inline const QString kVelta2 = QStringLiteral("\\SOFTWARE\\Velta2");
inline const QString kPreviousVersion = QStringLiteral("\\SOFTWARE\\velta");
inline const QString kVersion = QStringLiteral("Version");
inline const QString kPasIdx2001 = QStringLiteral("fPasIdx2001");
inline const QString kWorkPath = QStringLiteral("WorkPath");
} // namespace registry_keys

class Registry {
public:
    virtual ~Registry() = default;

    virtual QString readString(RegistryRoot root, const QString& keyPath, const QString& name,
                               const QString& defaultValue = {}) const = 0;
    // Creates the key when missing; false when it could not be opened or
    // created, in which case nothing is written.
    virtual bool writeString(RegistryRoot root, const QString& keyPath, const QString& name,
                             const QString& value) = 0;

    // The program's values live under the local-machine root.
    QString readString(const QString& keyPath, const QString& name, const QString& defaultValue = {}) const {
        return readString(RegistryRoot::LocalMachine, keyPath, name, defaultValue);
    }
    bool writeString(const QString& keyPath, const QString& name, const QString& value) {
        return writeString(RegistryRoot::LocalMachine, keyPath, name, value);
    }

    // The registry of the running program: a ProfileRegistry in the user's
    // configuration folder unless replaced (tests point it at a temporary
    // folder with setSystemRegistryFolder or install their own).
    static Registry& system();
    static void setSystem(std::unique_ptr<Registry> registry);
};

class ProfileRegistry final : public Registry {
public:
    // The file "registry.ini" in folder; an empty folder means
    // QStandardPaths::AppConfigLocation.
    explicit ProfileRegistry(const QString& folder = {});

    const QString& filePath() const { return m_filePath; }

    using Registry::readString;
    using Registry::writeString;
    QString readString(RegistryRoot root, const QString& keyPath, const QString& name,
                       const QString& defaultValue = {}) const override;
    bool writeString(RegistryRoot root, const QString& keyPath, const QString& name,
                     const QString& value) override;

    // Section name of a key: the root's name and the key path without
    // leading or trailing backslashes, e.g. "HKEY_LOCAL_MACHINE\SOFTWARE\Velta2".
    static QString sectionName(RegistryRoot root, const QString& keyPath);

private:
    QString m_filePath;
};

// Points Registry::system() at a ProfileRegistry in folder.
void setSystemRegistryFolder(const QString& folder);

} // namespace velta::core
