#include "guides/GuideTexts.h"

#include "platform/PlainText.h"

#include <QFile>

namespace caveto::guides {

QStringList guideLines(const QString &name)
{
    QFile file(QStringLiteral(":/guides/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return caveto::plaintext::splitLines(caveto::plaintext::decode(file.readAll()));
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
