#pragma once
// The command table of velta2-cli. A command registers itself from its own
// source file with a static CommandRegistration, so adding one touches no
// other file.

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace velta::cli {

struct CommandContext {
    QStringList args; // the arguments after the command name
    QTextStream& out;
    QTextStream& err;
};

struct Command {
    QString name;                            // as typed: "create-databases"
    QString usage;                           // arguments: "DIR [--empty-catalogue]"
    QString summary;                         // one line for --help
    std::function<int(CommandContext&)> run; // exit code
};

class CommandTable {
public:
    static CommandTable& instance();
    void add(Command command);
    const Command* find(const QString& name) const;
    // Sorted by name.
    std::vector<const Command*> all() const;

private:
    std::vector<Command> m_commands;
};

struct CommandRegistration {
    explicit CommandRegistration(Command command) { CommandTable::instance().add(std::move(command)); }
};

// Takes "--name VALUE" out of args; returns the value or fallback when absent.
// Sets ok=false when the option is present without a value.
QString takeOption(QStringList& args, const QString& name, const QString& fallback, bool* ok = nullptr);
// Takes a "--flag" out of args; true when it was there.
bool takeFlag(QStringList& args, const QString& name);

} // namespace velta::cli
