#pragma once
// Firebird's DSQL knows only positional '?' markers. Statements of this
// program name their parameters (":ID_Cost"); the mapper rewrites every
// ":Name" outside literals, quoted identifiers and comments to '?' and
// returns the name of each position in order, repeats included, so that
// binding a name fills every position that carries it.

#include <QString>
#include <QStringList>

namespace velta::data::fb {

struct MappedStatement {
    QString sql;       // the text with '?' markers
    QStringList names; // one entry per '?'; empty for a '?' written as such
};

// PSQL text (EXECUTE BLOCK, CREATE PROCEDURE/TRIGGER/FUNCTION/PACKAGE and
// their ALTER/RECREATE forms) is returned untouched: ":var" there is a PSQL
// variable, not a parameter.
MappedStatement mapNamedParameters(const QString& sql);

} // namespace velta::data::fb
