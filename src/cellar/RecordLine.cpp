#include "cellar/RecordLine.h"

namespace caveto {

namespace {

struct RawField
{
    const char *name;
    int width;
    char pad;
    bool separatorAfter;
};

constexpr RawField kRaw[kFieldCount] = {
    { "NombreVino", 30, ' ', true },
    { "Cosecha", 4, ' ', true },
    { "DenoOrigen", 30, ' ', true },
    { "Vino", 30, ' ', true },
    { "TipoVino", 30, ' ', true },
    { "Bodega", 30, ' ', false },
    { "FCompraDD", 2, ' ', false },
    { "FCompraMM", 2, ' ', false },
    { "FCompraYY", 4, ' ', false },
    { "Precio", 7, ' ', false },
    { "NumBotellas", 7, ' ', false },
    { "Estante", 15, ' ', false },
    { "Grados", 5, ' ', false },
    { "TempeINI", 2, ' ', false },
    { "TempeFin", 2, ' ', false },
    { "Consumo", 20, ' ', false },
    { "TipoUva1", 30, ' ', false },
    { "Porcen1", 3, ' ', false },
    { "TipoUva2", 30, ' ', false },
    { "Porcen2", 3, ' ', false },
    { "TipoUva3", 30, ' ', false },
    { "Porcen3", 3, ' ', false },
    { "TipoUva4", 30, ' ', false },
    { "Porcen4", 3, ' ', false },
    { "Catador", 30, ' ', false },
    { "FCataDD", 2, ' ', false },
    { "FCataMM", 2, ' ', false },
    { "FCataYY", 4, ' ', false },
    { "HoraIni", 2, ' ', false },
    { "HoraFin", 2, ' ', false },
    { "Botella", 20, ' ', false },
    { "Tapon", 20, ' ', false },
    { "Capsula", 20, ' ', false },
    { "Fermentacion", 20, ' ', false },
    { "Barrica", 20, ' ', false },
    { "Limpieza", 20, ' ', false },
    { "Color", 20, ' ', false },
    { "Intensidad", 20, ' ', false },
    { "Viscosidad", 20, ' ', false },
    { "CaliVista", 10, ' ', false },
    { "EFichero", 16, '0', false },
    { "Aroma1", 20, ' ', false },
    { "Aroma2", 20, ' ', false },
    { "Aroma3", 20, ' ', false },
    { "Aroma4", 20, ' ', false },
    { "Afrutado", 20, ' ', false },
    { "Bouquet", 20, ' ', false },
    { "CaliOlfato", 10, ' ', false },
    { "Dulzor", 20, ' ', false },
    { "Tanino", 20, ' ', false },
    { "Cuerpo", 20, ' ', false },
    { "Acidez", 20, ' ', false },
    { "Duracion", 20, ' ', false },
    { "Equilibrio", 20, ' ', false },
    { "CaliGusto", 10, ' ', false },
    { "Conjunto1", 20, ' ', false },
    { "Conjunto2", 20, ' ', false },
    { "Conjunto3", 20, ' ', false },
    { "Conjunto4", 20, ' ', false },
    { "CaliConjunto", 10, ' ', false },
    { "Imagen", 60, ' ', false },
};

std::array<FieldSpec, kFieldCount> buildLayout()
{
    std::array<FieldSpec, kFieldCount> layout {};
    int column = 1;
    for (int i = 0; i < kFieldCount; ++i) {
        layout[i] = { kRaw[i].name, column, kRaw[i].width, kRaw[i].pad, kRaw[i].separatorAfter };
        column += kRaw[i].width + (kRaw[i].separatorAfter ? 1 : 0);
    }
    return layout;
}

} // namespace

const std::array<FieldSpec, kFieldCount> &recordLayout()
{
    static const std::array<FieldSpec, kFieldCount> layout = buildLayout();
    return layout;
}

const FieldSpec &fieldSpec(Field f)
{
    return recordLayout()[static_cast<int>(f)];
}

int fieldIndex(QStringView name)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (name == QLatin1String(recordLayout()[i].name))
            return i;
    }
    return -1;
}

QStringView columnText(QStringView line, Field f)
{
    const FieldSpec &field = fieldSpec(f);
    const qsizetype start = field.column - 1;
    if (start >= line.size())
        return {};
    if (f == Field::Imagen)
        return line.mid(start);
    return line.mid(start, qMin<qsizetype>(field.width, line.size() - start));
}

QString trimBlanks(QStringView text)
{
    return trimmedView(text).toString();
}

QStringView trimmedView(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    // Blanks and control characters, as the window trims; a non-breaking
    // space is a character of the text.
    while (b < e && text[b].unicode() <= 0x20)
        ++b;
    while (e > b && text[e - 1].unicode() <= 0x20)
        --e;
    return text.mid(b, e - b);
}

QString cutField(QStringView line, Field f)
{
    const QStringView raw = columnText(line, f);
    if (f == Field::EFichero)
        return raw.toString();
    return trimBlanks(raw);
}

QString padRight(const QString &text, int width, QChar pad)
{
    if (text.size() >= width)
        return text;
    QString out = text;
    out.resize(width, pad);
    return out;
}

CellarRecord CellarRecord::parse(QStringView line)
{
    CellarRecord record;
    for (int i = 0; i < kFieldCount; ++i)
        record.m_values[i] = cutField(line, static_cast<Field>(i));
    return record;
}

void CellarRecord::pad(QChar decimalSeparator)
{
    QString &precio = (*this)[Field::Precio];
    if (trimBlanks(precio).isEmpty())
        precio = QStringLiteral("0") + decimalSeparator + QStringLiteral("00");
    QString &botellas = (*this)[Field::NumBotellas];
    if (trimBlanks(botellas).isEmpty())
        botellas = QStringLiteral("0");
    padToWidths();
}

void CellarRecord::padToWidths()
{
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSpec &field = recordLayout()[i];
        m_values[i] = padRight(m_values[i], field.width, QLatin1Char(field.pad));
    }
}

QString CellarRecord::buildLine() const
{
    qsizetype total = 0;
    for (const QString &v : m_values)
        total += v.size() + 1;
    QString line;
    line.reserve(total);
    for (int i = 0; i < kFieldCount; ++i) {
        line += m_values[i];
        if (recordLayout()[i].separatorAfter)
            line += QLatin1Char(' ');
    }
    return line;
}

QString makeNotesName(
    int day, int month, int year, int hour, int minute, int second, int millisecond)
{
    QString name;
    for (int part : { day, month, year, hour, minute, second, millisecond })
        name += QString::number(part);
    return padRight(name, kNotesNameLength, QLatin1Char('0')).left(kNotesNameLength);
}

QString nextNotesName(const QString &name)
{
    // Count up as a 16-digit decimal number, wrapping at the top.
    QString next = padRight(name, kNotesNameLength, QLatin1Char('0')).left(kNotesNameLength);
    for (qsizetype i = next.size() - 1; i >= 0; --i) {
        const QChar c = next[i];
        if (c >= QLatin1Char('0') && c < QLatin1Char('9')) {
            next[i] = QChar(c.unicode() + 1);
            return next;
        }
        next[i] = QLatin1Char('0');
    }
    return next;
}

} // namespace caveto
