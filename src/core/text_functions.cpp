#include "core/text_functions.h"

namespace velta::core {

QString TrimPathDelimiter(const QString& text) {
    QString out = text.trimmed();
    if (out.endsWith(u'\\') || (out.endsWith(u'/') && out.size() > 1))
        out.chop(1);
    return out;
}

} // namespace velta::core
