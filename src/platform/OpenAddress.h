#pragma once
// Opening a web page or a new mail with the desktop's default program.
//
// Only http and https addresses with a host, and mailto addresses naming one
// recipient, are handed to the desktop. Anything else (a file path, a
// program name, a file: or other URL, a mailto carrying extra fields such as
// an attachment) is refused: the text shown in a label must never make the
// desktop run or open something local.

#include <QString>
#include <QUrl>

#include <functional>

namespace caveto {

// The URL for a web address ("http://...", "https://...") or a mail
// address given as "mailto:name@host"; an invalid URL when the text is
// anything else.
QUrl openableAddress(const QString &address);

// Asks the desktop to open the address; false when it was refused or the
// desktop could not open it. Nothing is shown to the user either way.
bool openAddress(const QString &address);

// Test seam: while an opener is set, accepted addresses go to it instead of
// the desktop. Returns the opener that was set before.
using AddressOpener = std::function<bool(const QUrl &)>;
AddressOpener setAddressOpener(AddressOpener opener);

} // namespace caveto
