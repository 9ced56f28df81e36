#pragma once
// The toolbar's icons, drawn by the program itself as vector figures: each icon paints at the
// size and pixel ratio asked for, so it stays sharp at 96 and at 192 dots per inch.

#include <QIcon>
#include <QString>
#include <QStringList>

namespace velta::app {

// The icon of a toolbar command by its name ("delete", "first", "prior", "next", "last", "create",
// "edit", "params", "find", "save", "calculate", "panel", "print", "openTemplate", "editTemplate",
// "collections", "templates"). An unknown name gives an empty icon.
QIcon toolIcon(const QString& name);
QStringList toolIconNames();

} // namespace velta::app
