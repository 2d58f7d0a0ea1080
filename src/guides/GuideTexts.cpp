#include "guides/GuideTexts.h"

#include <QFile>

namespace caveto::guides {

QString guideText(const QString &name)
{
    QFile file(QStringLiteral(":/guides/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(QLatin1Char('\r'));
    return text;
}

QStringList guideLines(const QString &name)
{
    QString text = guideText(name);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

QString headwordQuery(const QString &typed)
{
    QString query = typed;
    for (QChar &c : query) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return query;
}

} // namespace caveto::guides
