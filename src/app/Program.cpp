#include "app/Program.h"

#include "cellar/Cavetopas.h"
#include "platform/FormStyle.h"

#include <QApplication>

namespace caveto {

int runProgram(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Caveto"));
    QApplication::setApplicationDisplayName(QStringLiteral(" Caveto 2.5"));
    applyApplicationLook();
    TFormCavetoPas window;
    if (window.cancelled())
        return 1;
    if (!window.loaded())
        return 2;
    return app.exec();
}

} // namespace caveto
