#pragma once
// Program-wide texts fixed at build time: the version, the edition label and the application
// title, as the splash, the About window, the main window caption and the support mail show them.

#include <QString>

namespace velta::ui {

inline QString programVersion() {
    return QStringLiteral(VELTA_VERSION);
}
inline QString editionLabel() {
    return QStringLiteral("LT");
}
inline QString applicationTitle() {
    return QStringLiteral("Кошториси на виконання земельно-кадастрових та проектно-вишукувальних робіт 2");
}

} // namespace velta::ui
