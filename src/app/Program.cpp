#include "app/Program.h"

#include "cellar/Cavetopas.h"
#include "platform/FormStyle.h"

#include <QApplication>

namespace caveto {

int runProgram(QApplication &app)
{
    // No display name: Qt would append it to every window title, and the
    // titles ("Caveto Error.", " Caveto   AVISO.") tell the user what each
    // window is.
    QApplication::setApplicationName(QStringLiteral("Caveto"));
    applyApplicationLook();
    TFormCavetoPas window;
    if (window.cancelled())
        return kExitCancelled;
    if (window.alreadyOpen())
        return kExitAlreadyOpen;
    if (!window.loaded())
        return kExitUnreadable;
    return app.exec();
}

} // namespace caveto
