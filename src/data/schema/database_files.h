#pragma once
// Making the two database files of a working folder: the schema, then, unless
// asked for an empty catalogue, the shipped seed statements.

#include <QString>
#include <QStringList>

namespace velta::data::schema {

struct CreateOptions {
    // Leaves out the shipped seed data of both databases.
    bool emptyCatalogue = false;
    // The folder holding catalogue/service/*.sql and catalogue/velta/*.sql;
    // empty or missing subfolders load nothing.
    QString shareDir;
};

// Creates folder/service.fdb and folder/velta.fdb. Refuses, touching nothing,
// when either file exists. On any failure both new files are removed again.
// Throws fb::Error with a message the user can act on.
void createDatabases(const QString& folder, const CreateOptions& options);

// Runs the statements of every *.sql file of folder, in file-name order, on
// the database, in one transaction committed at the end. The files are UTF-8;
// a statement ends with ';' at the end of a line; lines starting with "--"
// are comments. A failing statement throws fb::Error naming its file and line.
// Returns the number of statements run.
int loadSeed(const QString& database, const QString& folder);

// The statements of one seed file with the line each starts on.
struct SeedStatement {
    QString sql;
    int line = 0;
};
std::vector<SeedStatement> splitSeed(const QString& text);

// The share folder of an installed or built program: VELTA_SHARE_DIR, then
// <exe>/../../share, <exe>/../share/velta2, then sourceDir/share, then the
// share folder of the source tree this library was built from. Only a folder
// holding "catalogue" counts. Empty when none exists.
QString findShareDir(const QString& executableDir, const QString& sourceDir = QString());

} // namespace velta::data::schema
