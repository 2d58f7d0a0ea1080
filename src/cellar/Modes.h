#pragma once
// The main window's operating modes ("ModoActual"); empty is the menu state.
// In "BAJA" and "CONS" no window lets the record be changed.

#include <QString>

namespace caveto::mode {

inline const QString Alta = QStringLiteral("ALTA");
inline const QString Baja = QStringLiteral("BAJA");
inline const QString Modi = QStringLiteral("MODI");
inline const QString Cons = QStringLiteral("CONS");

// Whether a window opened in this mode only shows the record.
inline bool isReadOnly(const QString &mode)
{
    return mode == Baja || mode == Cons;
}

} // namespace caveto::mode
