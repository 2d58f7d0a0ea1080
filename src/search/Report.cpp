#include "search/Report.h"

#include "search/Criteria.h"

namespace caveto::report {

namespace {
const QString kBlank = QStringLiteral(" ");
const QString kClosingRule = QString(30, QLatin1Char('-'));
const QString kNoDataRule = QString(31, QLatin1Char('-'));
} // namespace

QString title(
    const std::array<QString, 5> &criteria, const QString &comparison, const QString &bottles)
{
    QString text = QStringLiteral("Caveto   Información .. ");
    bool anyCriterion = false;
    for (const QString &c : criteria)
        anyCriterion = anyCriterion || !trimBlanks(c).isEmpty();
    if (!anyCriterion)
        text += QStringLiteral("Toda la Bodega");
    for (const QString &c : criteria)
        text += trimBlanks(c) + kBlank;
    return text + QStringLiteral("Botellas ") + comparison + kBlank + bottles;
}

QStringList opening(const QString &title, const QString &date, const QString &time)
{
    return { title, kBlank,
        QStringLiteral("Fecha / Hora .......... ") + date + QStringLiteral("  ") + time, kBlank,
        reportHeading(), reportRule() };
}

QStringList closing(const QString &records, const QString &bottles, const QString &value)
{
    return { kBlank, kBlank, kClosingRule, QStringLiteral("Total Registros ..... ") + records,
        QStringLiteral("Total Botellas ...... ") + bottles,
        QStringLiteral("Total Valor Bodega .. ") + value + QStringLiteral(" €"), kClosingRule };
}

QStringList noData()
{
    return { kBlank, kNoDataRule, QStringLiteral("No hay datos para esta búsqueda"), kNoDataRule };
}

} // namespace caveto::report
