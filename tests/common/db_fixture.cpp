#include "common/db_fixture.h"

#include "data/schema/database_files.h"
#include "data/schema/schema.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <stdexcept>

namespace velta::test {

namespace {

// The template databases of this process, kept until it exits.
const QTemporaryDir& templates(Catalogue catalogue) {
    static std::unique_ptr<QTemporaryDir> made[2];
    auto& dir = made[catalogue == Catalogue::Shipped ? 1 : 0];
    if (!dir) {
        auto d = std::make_unique<QTemporaryDir>();
        if (!d->isValid())
            throw std::runtime_error("no temporary folder for the template databases");
        data::schema::CreateOptions options;
        options.emptyCatalogue = catalogue == Catalogue::Empty;
        options.shareDir = QDir(QStringLiteral(VELTA_SOURCE_DIR)).filePath(QStringLiteral("share"));
        data::schema::createDatabases(d->path(), options);
        dir = std::move(d);
    }
    return *dir;
}

} // namespace

DbFolder::DbFolder(Catalogue catalogue) {
    if (!m_dir.isValid())
        return;
    const QTemporaryDir& source = templates(catalogue);
    m_valid = true;
    for (const char* name : {data::schema::catalogueFileName, data::schema::estimatesFileName}) {
        const QString to = m_dir.filePath(QLatin1String(name));
        m_valid = QFile::copy(source.filePath(QLatin1String(name)), to) && m_valid;
        // The engine needs to write the copy; QFile::copy keeps the template's mode.
        QFile::setPermissions(to,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    }
}

QString DbFolder::cataloguePath() const {
    return m_dir.filePath(QLatin1String(data::schema::catalogueFileName));
}

QString DbFolder::estimatesPath() const {
    return m_dir.filePath(QLatin1String(data::schema::estimatesFileName));
}

void DbFixture::SetUp() {
    m_folder = std::make_unique<DbFolder>(catalogue());
    ASSERT_TRUE(m_folder->isValid()) << "could not make the test databases";
}

} // namespace velta::test
