#pragma once
// Fresh databases for tests. Each test gets its own temporary working folder
// holding service.fdb and velta.fdb; the two files are made from the schema
// once per test process and copied, so tests share no state and pay the
// creation only once.

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velta::test {

enum class Catalogue {
    Empty,   // both databases with the schema only
    Shipped, // with the seed statements of share/catalogue (empty when there are none)
};

class DbFolder {
public:
    explicit DbFolder(Catalogue catalogue = Catalogue::Empty);

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString cataloguePath() const; // <folder>/service.fdb
    QString estimatesPath() const; // <folder>/velta.fdb
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// A GoogleTest fixture with a DbFolder per test.
class DbFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { m_folder.reset(); }
    virtual Catalogue catalogue() const { return Catalogue::Empty; }

    DbFolder& folder() { return *m_folder; }

private:
    std::unique_ptr<DbFolder> m_folder;
};

} // namespace velta::test
