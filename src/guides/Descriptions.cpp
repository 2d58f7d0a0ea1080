#include "guides/Descriptions.h"

#include "guides/Appellations.h"

#include <QFile>

namespace caveto {

const QStringList &descriptionKeys()
{
    static const QStringList keys = {
        QStringLiteral("UVA AUTORIZADA TINTAS"),
        QStringLiteral("UVA AUTORIZADA BLANCAS"),
        QStringLiteral("TIPOS DE VINO"),
        QStringLiteral("GRADUACIÓN ALCOHÓLICA"),
        QStringLiteral("JOVEN"),
        QStringLiteral("JOVENES"),
        QStringLiteral("CRIANZA"),
        QStringLiteral("RESERVA"),
        QStringLiteral("GRAN RESERVA"),
    };
    return keys;
}

QStringList appellationDescription(int index)
{
    if (index < 0 || index >= kAppellationCount)
        return {};
    QFile file(QStringLiteral(":/guides/denominaciones/%1.txt")
                   .arg(QLatin1String(appellations()[index].key)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(QLatin1Char('\r'));
    // The file ends with a line end; it does not start a line of its own.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QString descriptionKey(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1String(" = "));
    if (equals <= 0)
        return {};
    const QString key = line.left(equals);
    return descriptionKeys().contains(key) ? key : QString();
}

} // namespace caveto
