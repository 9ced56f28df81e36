#pragma once
// The one exception of the script language. It carries the text the user
// reads (in Ukrainian), and where in the source the fault is, so that a
// formula or template error can be shown as such.

#include <QByteArray>
#include <QString>

#include <exception>

namespace velta::script {

class ScriptError : public std::exception {
public:
    enum class Kind {
        Syntax,  // the text does not compile
        Runtime, // a fault while running (division by zero, bad conversion...)
        Limit,   // a safety bound was reached; a script's try/except cannot catch it
        Raised,  // RaiseException from the script itself
    };

    explicit ScriptError(QString detail, int offset = -1, Kind kind = Kind::Runtime);

    // The error as a script's except part sees it: the class name an
    // "on E: EZeroDivide do" handler is matched against ("Exception" unless
    // the fault has a class of its own).
    static ScriptError ofClass(QString detail, QString className);

    Kind kind() const { return m_kind; }
    const QString& className() const { return m_className; }
    void setClassName(const QString& className) { m_className = className; }
    // What went wrong, without the place.
    const QString& detail() const { return m_detail; }
    // The text the user reads: the fault and its place (line and column when
    // the source is known).
    const QString& message() const { return m_message; }
    // 0-based character offset into the source, -1 when unknown.
    int offset() const { return m_offset; }
    // 1-based, 0 when unknown.
    int line() const { return m_line; }
    int column() const { return m_column; }

    // Fills in the offset when the error had none yet.
    void setOffsetIfUnknown(int offset);
    // Computes line and column from the source and composes the message.
    void locate(const QString& source);
    // Replaces the message (Evaluate names the formula in it).
    void setMessage(const QString& message);

    const char* what() const noexcept override { return m_what.constData(); }

private:
    void compose();

    QString m_detail;
    QString m_message;
    QByteArray m_what;
    int m_offset = -1;
    int m_line = 0;
    int m_column = 0;
    Kind m_kind = Kind::Runtime;
    QString m_className = QStringLiteral("Exception");
};

} // namespace velta::script
