#include "commands.h"

#include <algorithm>

namespace velta::cli {

CommandTable& CommandTable::instance() {
    static CommandTable table;
    return table;
}

void CommandTable::add(Command command) {
    m_commands.push_back(std::move(command));
}

const Command* CommandTable::find(const QString& name) const {
    for (const Command& c : m_commands) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

std::vector<const Command*> CommandTable::all() const {
    std::vector<const Command*> list;
    for (const Command& c : m_commands)
        list.push_back(&c);
    std::sort(list.begin(), list.end(), [](const Command* a, const Command* b) { return a->name < b->name; });
    return list;
}

QString takeOption(QStringList& args, const QString& name, const QString& fallback, bool* ok) {
    if (ok)
        *ok = true;
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return fallback;
    if (i + 1 >= args.size()) {
        if (ok)
            *ok = false;
        args.removeAt(i);
        return fallback;
    }
    QString value = args.at(i + 1);
    args.remove(i, 2);
    return value;
}

bool takeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

} // namespace velta::cli
