#include "data/schema/database_files.h"

#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/fb/transaction.h"
#include "data/schema/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velta::data::schema {

std::vector<SeedStatement> splitSeed(const QString& text) {
    std::vector<SeedStatement> out;
    const QStringList lines = text.split(u'\n');
    QString current;
    int start = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (current.isEmpty() && (trimmed.isEmpty() || trimmed.startsWith(QStringLiteral("--"))))
            continue;
        if (trimmed.startsWith(QStringLiteral("--")))
            continue;
        if (current.isEmpty())
            start = i + 1;
        else
            current += u'\n';
        current += line;
        if (trimmed.endsWith(u';')) {
            QString sql = current.trimmed();
            sql.chop(1);
            out.push_back({sql, start});
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        out.push_back({current.trimmed(), start});
    return out;
}

int loadSeed(const QString& database, const QString& folder) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return 0;
    const QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        return 0;
    fb::Connection connection = fb::Connection::attach(database);
    fb::Transaction transaction(connection);
    transaction.start();
    int count = 0;
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            throw fb::Error(QStringLiteral("Не вдалося прочитати файл «%1»: %2")
                                .arg(file.fileName(), file.errorString()));
        const QString text = QString::fromUtf8(file.readAll());
        for (const SeedStatement& s : splitSeed(text)) {
            try {
                connection.execute(transaction, s.sql);
            } catch (const fb::Error& e) {
                throw fb::Error(
                    QStringLiteral("%1, рядок %2: %3").arg(file.fileName()).arg(s.line).arg(e.message()),
                    e.codes());
            }
            ++count;
        }
    }
    transaction.commit();
    return count;
}

void createDatabases(const QString& folder, const CreateOptions& options) {
    QDir dir(folder);
    const QString catalogue = dir.filePath(QLatin1String(catalogueFileName));
    const QString estimates = dir.filePath(QLatin1String(estimatesFileName));
    for (const QString& path : {catalogue, estimates}) {
        if (QFileInfo::exists(path))
            throw fb::Error(QStringLiteral("Файл «%1» уже існує; бази даних не створено, нічого не змінено.")
                                .arg(QDir::toNativeSeparators(path)));
    }
    if (!dir.exists() && !QDir().mkpath(folder))
        throw fb::Error(
            QStringLiteral("Не вдалося створити папку «%1».").arg(QDir::toNativeSeparators(folder)));

    createDatabase(catalogue, catalogueStatements());
    try {
        createDatabase(estimates, estimatesStatements());
        if (!options.emptyCatalogue && !options.shareDir.isEmpty()) {
            const QDir share(options.shareDir);
            loadSeed(catalogue, share.filePath(QStringLiteral("catalogue/service")));
            loadSeed(estimates, share.filePath(QStringLiteral("catalogue/velta")));
        }
    } catch (...) {
        // Half-made databases would be taken for real ones at the next start.
        QFile::remove(catalogue);
        QFile::remove(estimates);
        throw;
    }
}

QString findShareDir(const QString& executableDir, const QString& sourceDir) {
    QStringList candidates;
    const QString env = qEnvironmentVariable("VELTA_SHARE_DIR");
    if (!env.isEmpty())
        candidates << env;
    const QDir exe(executableDir);
    candidates << exe.filePath(QStringLiteral("../../share"))
               << exe.filePath(QStringLiteral("../share/velta2"));
    if (!sourceDir.isEmpty())
        candidates << QDir(sourceDir).filePath(QStringLiteral("share"));
#ifdef VELTA_SOURCE_DIR
    candidates << QDir(QStringLiteral(VELTA_SOURCE_DIR)).filePath(QStringLiteral("share"));
#endif
    for (const QString& c : candidates) {
        if (QFileInfo(c).isDir() && QFileInfo(QDir(c).filePath(QStringLiteral("catalogue"))).isDir())
            return QDir(c).canonicalPath();
    }
    return QString();
}

} // namespace velta::data::schema
