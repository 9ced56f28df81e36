#include "script/script_error.h"

namespace velta::script {

ScriptError::ScriptError(QString detail, int offset, Kind kind)
    : m_detail(std::move(detail)), m_offset(offset), m_kind(kind) {
    compose();
}

ScriptError ScriptError::ofClass(QString detail, QString className) {
    ScriptError e(std::move(detail));
    e.m_className = std::move(className);
    return e;
}

void ScriptError::setOffsetIfUnknown(int offset) {
    if (m_offset < 0)
        m_offset = offset;
}

void ScriptError::locate(const QString& source) {
    if (m_offset < 0 || m_line > 0)
        return;
    int line = 1;
    int column = 1;
    const int end = std::min<int>(m_offset, source.size());
    for (int i = 0; i < end; ++i) {
        if (source.at(i) == QLatin1Char('\n')) {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    m_line = line;
    m_column = column;
    compose();
}

void ScriptError::setMessage(const QString& message) {
    m_message = message;
    m_what = m_message.toUtf8();
}

void ScriptError::compose() {
    if (m_line > 0)
        m_message = QStringLiteral("%1 (рядок %2, позиція %3)").arg(m_detail).arg(m_line).arg(m_column);
    else
        m_message = m_detail;
    m_what = m_message.toUtf8();
}

} // namespace velta::script
