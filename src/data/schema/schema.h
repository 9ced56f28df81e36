#pragma once
// The two databases of the program: the price catalogue (service.fdb) and the
// estimates (velta.fdb). Each is a list of DDL statements run in order on a
// fresh database. Names are quoted with exactly the capitalisation the program's
// SQL uses. There are no foreign keys and no triggers: the program keeps the
// links and deletes dependent rows itself.

#include <QString>

#include <vector>

namespace velta::data::schema {

inline constexpr auto catalogueFileName = "service.fdb";
inline constexpr auto estimatesFileName = "velta.fdb";

// The statement that defines the text-field table; the start-up upgrade runs
// the same two statements on a catalogue that lacks the table.
QString exportTableStatement();
QString exportIndexStatement();

std::vector<QString> catalogueStatements();
std::vector<QString> estimatesStatements();

// Creates a database file (page size 8192, dialect 3, character set NONE)
// and runs the statements in one committed transaction. Throws fb::Error;
// on failure the new file is removed again.
void createDatabase(const QString& path, const std::vector<QString>& statements);

} // namespace velta::data::schema
