#include "data/fb/error.h"

#include <algorithm>

namespace velta::data::fb {

Error::Error(const QString& message, std::vector<std::intptr_t> codes)
    : std::runtime_error(message.toStdString()), m_message(message), m_codes(std::move(codes)) {}

Error::Error(const QString& message) : Error(message, {}) {}

bool Error::hasCode(std::intptr_t value) const {
    return std::find(m_codes.begin(), m_codes.end(), value) != m_codes.end();
}

} // namespace velta::data::fb
