#include "cellar/Import.h"

#include "cellar/BookLock.h"
#include "cellar/CellarBook.h"
#include "cellar/EntryChecks.h"
#include "cellar/NotesFiles.h"
#include "cellar/RecordLine.h"
#include "platform/FileIO.h"
#include "platform/Rtf.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace caveto::import {

namespace {

// ---- Column names ----------------------------------------------------------

enum class Target { None, Field, PurchaseDate, DrinkFrom, DrinkTo, Notes };

struct Mapping
{
    Target target = Target::None;
    Field field = Field::NombreVino;
};

// A header name as compared: lower case, accents and punctuation gone,
// words separated by one blank ("Fecha de compra", "fecha_de_compra" and
// "FECHA DE COMPRA" are one name).
QString headerKey(const QString &name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    bool blank = false;
    for (QChar c : decomposed) {
        if (c.isMark())
            continue;
        if (c.isLetterOrNumber()) {
            if (blank && !key.isEmpty())
                key += QLatin1Char(' ');
            blank = false;
            key += c.toLower();
        } else {
            blank = true;
        }
    }
    return key;
}

// What other programs and spreadsheets call each piece of data.
const QHash<QString, Mapping> &knownHeaders()
{
    static const QHash<QString, Mapping> headers = [] {
        QHash<QString, Mapping> h;
        const auto field = [&h](Field f, std::initializer_list<const char *> names) {
            for (const char *n : names)
                h.insert(headerKey(QString::fromUtf8(n)), { Target::Field, f });
        };
        const auto other = [&h](Target t, std::initializer_list<const char *> names) {
            for (const char *n : names)
                h.insert(headerKey(QString::fromUtf8(n)), { t, Field::NombreVino });
        };
        field(Field::NombreVino,
            { "wine", "name", "wine name", "vino", "nombre", "nombre del vino", "nombre vino" });
        field(Field::Cosecha, { "vintage", "year", "cosecha", "añada", "año" });
        field(Field::DenoOrigen,
            { "appellation", "region", "región", "denominación", "denominación de origen", "D.O.",
                "origen" });
        field(Field::Vino, { "colour", "color", "type", "wine type", "tipo", "tipo de vino" });
        field(Field::Bodega,
            { "producer", "winery", "bodega", "productor", "elaborador", "tratante" });
        field(Field::NumBotellas,
            { "quantity", "qty", "bottles", "number of bottles", "botellas", "cantidad",
                "número de botellas", "unidades" });
        field(Field::Precio,
            { "price", "purchase price", "cost", "precio", "precio de compra", "coste",
                "importe" });
        field(Field::Estante, { "location", "bin", "estante", "ubicación" });
        field(Field::Grados, { "alcohol", "abv", "alc", "% vol", "grados", "graduación" });
        field(
            Field::Consumo, { "drinking window", "drink window", "consumo", "consumo preferente" });
        other(Target::PurchaseDate,
            { "purchase date", "date purchased", "purchased", "bought", "fecha de compra",
                "fecha compra", "compra" });
        other(
            Target::DrinkFrom, { "drink from", "begin consume", "beginconsume", "consumir desde" });
        other(Target::DrinkTo,
            { "drink to", "drink until", "drink by", "end consume", "endconsume",
                "consumir hasta" });
        other(Target::Notes,
            { "notes", "note", "tasting notes", "comments", "comment", "notas", "nota",
                "notas de cata", "comentarios", "observaciones" });
        return h;
    }();
    return headers;
}

struct Column
{
    int index = 0;
    QString name;
    Mapping mapping;
};

QString describeColumn(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("sin nombre") : QStringLiteral("«%1»").arg(name);
}

// ---- Values ----------------------------------------------------------------

bool isBreak(char16_t u)
{
    return u == '\n' || u == '\r' || u == '\t' || u == 0x2028 || u == 0x2029 || u == 0x0B
        || u == 0x0C || u == 0x85;
}

// Letters that have no decomposition but a plain Latin neighbour.
QChar plainLetter(char32_t u)
{
    switch (u) {
    case 0x0141:
        return QLatin1Char('L'); // Ł
    case 0x0142:
        return QLatin1Char('l'); // ł
    case 0x0110:
        return QLatin1Char('D'); // Đ
    case 0x0111:
        return QLatin1Char('d'); // đ
    case 0x0131:
        return QLatin1Char('i'); // dotless i
    case 0x0127:
        return QLatin1Char('h'); // ħ
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2212:
        return QLatin1Char('-'); // hyphens and the minus sign
    case 0x2032:
        return QLatin1Char('\''); // prime
    default:
        return QChar();
    }
}

void addReason(QStringList *reasons, const QString &reason)
{
    if (!reasons->contains(reason))
        reasons->append(reason);
}

struct Number
{
    QString whole; // digits, no leading zeros ("0" for none)
    QString fraction; // digits
};

enum class Separators {
    // A single "." or "," between one to three digits and three more groups
    // thousands (prices: "1.250" is one thousand two hundred and fifty).
    ThousandsFirst,
    // A single "." or "," is the decimal point (alcohol: "13.500" is 13.5).
    DecimalFirst,
};

// A number as exports write it: "12.50", "12,50", "1.234,56", "1,234.56",
// "€ 12", "13.5 %", "13,5% vol". Nothing but blanks, currency signs and
// letters around the digits; a minus sign makes it no count of anything.
std::optional<Number> parseNumber(QStringView text, Separators rule)
{
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isDigit() && text[i].unicode() < 0x80) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return std::nullopt;
    for (qsizetype i = 0; i < first; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('-') || c == QChar(0x2212) || c.isDigit())
            return std::nullopt;
    }
    for (qsizetype i = last + 1; i < text.size(); ++i) {
        if (text[i].isDigit())
            return std::nullopt;
    }
    QString body;
    for (QChar c : text.mid(first, last - first + 1)) {
        if (c.isDigit() && c.unicode() < 0x80)
            body += c;
        else if (c == QLatin1Char('.') || c == QLatin1Char(','))
            body += c;
        else if (c == QLatin1Char(' ') || c == QChar(0xA0) || c == QChar(0x202F)
            || c == QLatin1Char('\''))
            continue; // thousands grouped with blanks or apostrophes
        else
            return std::nullopt;
    }
    const qsizetype dot = body.lastIndexOf(QLatin1Char('.'));
    const qsizetype comma = body.lastIndexOf(QLatin1Char(','));
    qsizetype decimal = -1;
    if (dot >= 0 && comma >= 0) {
        decimal = qMax(dot, comma);
        if (body.count(body[decimal]) > 1)
            return std::nullopt;
    } else if (dot >= 0 || comma >= 0) {
        const qsizetype at = qMax(dot, comma);
        const bool single = body.count(body[at]) == 1;
        const bool groupOfThree = body.size() - at - 1 == 3 && at <= 3;
        if (single && !(rule == Separators::ThousandsFirst && groupOfThree))
            decimal = at;
    }
    Number n;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (!body[i].isDigit())
            continue;
        if (decimal >= 0 && i > decimal)
            n.fraction += body[i];
        else
            n.whole += body[i];
    }
    while (n.whole.size() > 1 && n.whole.startsWith(QLatin1Char('0')))
        n.whole.remove(0, 1);
    if (n.whole.isEmpty())
        n.whole = QStringLiteral("0");
    return n;
}

// Adds one to a string of digits ("199" -> "200", "99" -> "100").
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

// The number rounded to `decimals` places, half up.
Number rounded(const Number &n, int decimals)
{
    if (n.fraction.size() <= decimals)
        return n;
    const bool up = n.fraction[decimals] >= QLatin1Char('5');
    QString digits = n.whole + n.fraction.left(decimals);
    if (up)
        digits = incremented(digits);
    Number r;
    r.whole = digits.left(digits.size() - decimals);
    r.fraction = digits.right(decimals);
    return r;
}

QString written(const Number &n, QChar separator)
{
    return n.fraction.isEmpty() ? n.whole : n.whole + separator + n.fraction;
}

// The number as the record holds it in `width` characters: with at least
// `minDecimals` places, fewer (rounded) when it would not fit. Empty when
// even the whole part is too long.
QString fitNumber(Number n, int minDecimals, int width, QChar separator, bool *roundedOff)
{
    while (n.fraction.size() < minDecimals)
        n.fraction += QLatin1Char('0');
    *roundedOff = false;
    for (int decimals = int(n.fraction.size()); decimals >= 0; --decimals) {
        const QString text = written(rounded(n, decimals), separator);
        if (text.size() <= width) {
            const QString dropped = n.fraction.mid(decimals);
            *roundedOff = dropped.count(QLatin1Char('0')) != dropped.size();
            return text;
        }
    }
    return {};
}

struct DateParts
{
    int first = 0, second = 0, year = 0;
    bool yearFirst = false;
};

// "2021-03-15", "15/03/2021", "3/15/21", "15.03.2021", optionally followed
// by a time.
std::optional<DateParts> splitDate(QStringView text)
{
    text = text.trimmed();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('T')) {
            text = text.left(i);
            break;
        }
    }
    QList<QStringView> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == QLatin1Char('-') || text[i] == QLatin1Char('/')
            || text[i] == QLatin1Char('.')) {
            parts.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    if (parts.size() != 3)
        return std::nullopt;
    for (QStringView p : parts) {
        if (p.isEmpty() || p.size() > 4)
            return std::nullopt;
        for (QChar c : p) {
            if (!c.isDigit() || c.unicode() >= 0x80)
                return std::nullopt;
        }
    }
    DateParts d;
    if (parts[0].size() == 4) {
        d.yearFirst = true;
        d.year = parts[0].toInt();
        d.first = parts[1].toInt(); // month
        d.second = parts[2].toInt(); // day
        return d;
    }
    if (parts[2].size() != 4 && parts[2].size() != 2)
        return std::nullopt;
    d.first = parts[0].toInt();
    d.second = parts[1].toInt();
    d.year = parts[2].toInt();
    if (parts[2].size() == 2)
        d.year += d.year < 70 ? 2000 : 1900;
    return d;
}

const QStringList &noVintageWords()
{
    static const QStringList words
        = { QStringLiteral("nv"), QStringLiteral("n v"), QStringLiteral("non vintage"),
              QStringLiteral("sa"), QStringLiteral("s a"), QStringLiteral("sin anada") };
    return words;
}

// ---- One row ---------------------------------------------------------------

enum class Kind { Text, Year, Count, Decimal, Unlimited };

Kind kindOf(Field f)
{
    switch (f) {
    case Field::Cosecha:
        return Kind::Year;
    case Field::Precio:
    case Field::Grados:
        return Kind::Decimal;
    case Field::FCompraDD:
    case Field::FCompraMM:
    case Field::FCompraYY:
    case Field::NumBotellas:
    case Field::TempeINI:
    case Field::TempeFin:
    case Field::Porcen1:
    case Field::Porcen2:
    case Field::Porcen3:
    case Field::Porcen4:
    case Field::FCataDD:
    case Field::FCataMM:
    case Field::FCataYY:
    case Field::HoraIni:
    case Field::HoraFin:
        return Kind::Count;
    case Field::Imagen:
        return Kind::Unlimited;
    default:
        return Kind::Text;
    }
}

class Importer
{
public:
    Importer(const csv::Table &table, const QStringList &bookImage, const QSet<QString> &notesFiles,
        const Options &options)
        : m_table(table)
        , m_notesFiles(notesFiles)
        , m_options(options)
        , m_nextName(options.firstNotesName)
    {
        for (const QString &line : bookImage)
            m_usedNames.insert(trimBlanks(columnText(line, Field::EFichero)));
        m_usedNames.remove(QString());
    }

    Plan run()
    {
        if (m_table.headerLine == 0) {
            m_plan.error = QStringLiteral("El fichero no tiene ninguna fila.");
            return m_plan;
        }
        mapColumns();
        if (!m_plan.error.isEmpty())
            return m_plan;
        if (m_plan.ownFormat)
            reserveOwnNames();
        else
            chooseDateOrder();
        for (const csv::Row &row : m_table.rows)
            importRow(row);
        if (m_table.unterminatedLine)
            m_plan.skipped.append({ m_table.unterminatedLine,
                QStringLiteral(
                    "unas comillas abiertas no se cierran hasta el final del fichero") });
        return m_plan;
    }

private:
    void mapColumns()
    {
        const QStringList &header = m_table.header;
        m_plan.ownFormat = true;
        for (const QString &name : header) {
            if (fieldIndex(name) < 0)
                m_plan.ownFormat = false;
        }
        QHash<int, QString> fieldTaken; // field or target -> the column that has it
        bool hasName = false;
        for (int i = 0; i < header.size(); ++i) {
            const QString &name = header[i];
            Mapping m;
            const auto known = knownHeaders().constFind(headerKey(name));
            if (!m_plan.ownFormat && known != knownHeaders().constEnd()) {
                m = *known;
            } else if (const int f = fieldIndex(name); f >= 0) {
                m = { Target::Field, static_cast<Field>(f) };
            }
            if (m.target == Target::None) {
                m_plan.ignoredColumns.append(
                    QStringLiteral("columna %1: no se reconoce; no se importa")
                        .arg(describeColumn(name)));
                continue;
            }
            const int key = m.target == Target::Field ? static_cast<int>(m.field)
                                                      : 1000 + static_cast<int>(m.target);
            if (fieldTaken.contains(key)) {
                m_plan.ignoredColumns.append(
                    QStringLiteral("columna %1: ya se lee de la columna %2; no se importa")
                        .arg(describeColumn(name), describeColumn(fieldTaken.value(key))));
                continue;
            }
            fieldTaken.insert(key, name);
            if (m.target == Target::Field && m.field == Field::NombreVino)
                hasName = true;
            m_columns.append({ i, name, m });
        }
        // A drinking window given whole wins over one given by its two ends.
        if (fieldTaken.contains(static_cast<int>(Field::Consumo))) {
            for (qsizetype i = m_columns.size() - 1; i >= 0; --i) {
                const Target t = m_columns[i].mapping.target;
                if (t == Target::DrinkFrom || t == Target::DrinkTo) {
                    m_plan.ignoredColumns.append(
                        QStringLiteral("columna %1: ya se lee el consumo de la columna %2; "
                                       "no se importa")
                            .arg(describeColumn(m_columns[i].name),
                                describeColumn(fieldTaken.value(int(Field::Consumo)))));
                    m_columns.removeAt(i);
                }
            }
        }
        if (!hasName)
            m_plan.error = QStringLiteral(
                "Ninguna columna da el nombre del vino (por ejemplo \"Wine\", \"Name\", "
                "\"Vino\", \"Nombre\" o \"NombreVino\"); no se importa nada.");
    }

    // The notes names the export gives: a name made for one row must not
    // take the name a later row keeps.
    void reserveOwnNames()
    {
        const int column = int(m_table.header.indexOf(QStringLiteral("EFichero")));
        if (column < 0)
            return;
        for (const csv::Row &row : m_table.rows) {
            const QString given = trimBlanks(row.cells.value(column));
            if (!given.isEmpty())
                m_ownNames.insert(padRight(given, kNotesNameLength, QLatin1Char('0')));
        }
    }

    // Dates like 03/04/2021 read day first, as in Spain, unless the column
    // shows otherwise (a second part above 12 somewhere, and no first part).
    void chooseDateOrder()
    {
        int column = -1;
        for (const Column &c : std::as_const(m_columns)) {
            if (c.mapping.target == Target::PurchaseDate)
                column = c.index;
        }
        if (column < 0)
            return;
        bool dayFirstSeen = false, monthFirstSeen = false;
        for (const csv::Row &row : m_table.rows) {
            const std::optional<DateParts> d = splitDate(row.cells.value(column));
            if (!d || d->yearFirst)
                continue;
            dayFirstSeen = dayFirstSeen || (d->first > 12 && d->second <= 12);
            monthFirstSeen = monthFirstSeen || (d->second > 12 && d->first <= 12);
        }
        m_monthFirst = monthFirstSeen && !dayFirstSeen;
    }

    struct RowState
    {
        const csv::Row *row = nullptr;
        CellarRecord record;
        QList<Change> changes;
        QString notes;
        QString drinkFrom, drinkTo;
        QString drinkColumns;
    };

    void change(RowState &s, const QString &column, const QString &from, const QString &to,
        const QString &why)
    {
        s.changes.append({ s.row->line, column, from, to, why });
    }

    QString storeText(RowState &s, const Column &c, const QString &value, int width)
    {
        QString why;
        const QString text = storableNearest(value, width, &why);
        if (!why.isEmpty())
            change(s, c.name, value, text, why);
        return text;
    }

    void setField(RowState &s, const Column &c, const QString &value)
    {
        const Field f = c.mapping.field;
        const int width = fieldWidth(f);
        if (m_plan.ownFormat) {
            s.record[f] = f == Field::EFichero
                ? value
                : storeText(s, c, value, kindOf(f) == Kind::Unlimited ? 0 : width);
            return;
        }
        const QString trimmed = value.trimmed();
        switch (kindOf(f)) {
        case Kind::Text:
            s.record[f] = storeText(s, c, value, width);
            return;
        case Kind::Unlimited:
            s.record[f] = storeText(s, c, value, 0);
            return;
        case Kind::Year: {
            if (trimmed.isEmpty())
                return;
            bool digits = trimmed.size() <= width;
            for (QChar ch : trimmed)
                digits = digits && ch.isDigit() && ch.unicode() < 0x80;
            if (digits) {
                s.record[f] = trimmed;
                return;
            }
            const bool noVintage = noVintageWords().contains(headerKey(trimmed));
            change(s, c.name, value, QString(),
                noVintage ? QStringLiteral("vino sin añada: la cosecha queda en blanco")
                          : QStringLiteral("no es un año"));
            return;
        }
        case Kind::Count:
        case Kind::Decimal: {
            if (trimmed.isEmpty())
                return;
            const bool decimal = kindOf(f) == Kind::Decimal;
            const std::optional<Number> n = parseNumber(trimmed,
                f == Field::Grados ? Separators::DecimalFirst : Separators::ThousandsFirst);
            if (!n) {
                change(s, c.name, value, QString(),
                    QStringLiteral("no es un número positivo; queda en blanco"));
                return;
            }
            if (!decimal && n->fraction.count(QLatin1Char('0')) != n->fraction.size()) {
                change(s, c.name, value, QString(),
                    QStringLiteral("no es un número entero; queda en blanco"));
                return;
            }
            bool roundedOff = false;
            const QString text = decimal ? fitNumber(*n, f == Field::Precio ? 2 : 0, width,
                                     m_options.decimalSeparator, &roundedOff)
                                         : (n->whole.size() <= width ? n->whole : QString());
            if (text.isEmpty())
                change(s, c.name, value, QString(),
                    QStringLiteral("no cabe en %1 caracteres; queda en blanco").arg(width));
            else if (roundedOff)
                change(s, c.name, value, text,
                    QStringLiteral("redondeado para caber en %1 caracteres").arg(width));
            s.record[f] = text;
            return;
        }
        }
    }

    void setPurchaseDate(RowState &s, const Column &c, const QString &value)
    {
        if (value.trimmed().isEmpty())
            return;
        const std::optional<DateParts> d = splitDate(value);
        QDate date;
        if (d) {
            if (d->yearFirst)
                date = QDate(d->year, d->first, d->second);
            else if (m_monthFirst)
                date = QDate(d->year, d->first, d->second);
            else
                date = QDate(d->year, d->second, d->first);
        }
        if (!date.isValid() || date.year() < 1800) {
            change(s, c.name, value, QString(),
                QStringLiteral("no es una fecha; la fecha de compra queda en blanco"));
            return;
        }
        s.record[Field::FCompraDD] = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
        s.record[Field::FCompraMM]
            = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
        s.record[Field::FCompraYY] = QString::number(date.year());
    }

    void setNotesName(RowState &s)
    {
        const auto taken = [this](const QString &name) {
            return m_usedNames.contains(name) || m_notesFiles.contains(name)
                || m_ownNames.contains(name);
        };
        QString &name = s.record[Field::EFichero];
        if (m_plan.ownFormat && m_table.header.contains(QStringLiteral("EFichero"))) {
            // The book's own export keeps its notes names, so that the notes
            // files left in the data folder belong to their wines again.
            const QString given = trimBlanks(name);
            if (given.isEmpty()) {
                name = QString(kNotesNameLength, QLatin1Char(' '));
                return;
            }
            const QString padded = padRight(given, kNotesNameLength, QLatin1Char('0'));
            if (isUsableNotesName(padded) && !m_usedNames.contains(padded)) {
                name = padded;
                m_usedNames.insert(padded);
                return;
            }
            const QString fresh = freeNotesName(m_nextName, taken);
            change(s, QStringLiteral("EFichero"), given, fresh,
                isUsableNotesName(padded)
                    ? QStringLiteral("otro vino de la bodega ya tiene ese nombre de notas")
                    : QStringLiteral("no sirve como nombre de notas"));
            name = fresh;
        } else {
            name = freeNotesName(m_nextName, taken);
        }
        m_usedNames.insert(name);
        m_nextName = nextNotesName(name);
    }

    void importRow(const csv::Row &row)
    {
        RowState s;
        s.row = &row;
        for (const Column &c : std::as_const(m_columns)) {
            const QString value = row.cells.value(c.index);
            switch (c.mapping.target) {
            case Target::Field:
                setField(s, c, value);
                break;
            case Target::PurchaseDate:
                setPurchaseDate(s, c, value);
                break;
            case Target::DrinkFrom:
            case Target::DrinkTo:
                (c.mapping.target == Target::DrinkFrom ? s.drinkFrom : s.drinkTo) = value.trimmed();
                s.drinkColumns
                    += (s.drinkColumns.isEmpty() ? QString() : QStringLiteral("/")) + c.name;
                break;
            case Target::Notes:
                s.notes = value;
                break;
            case Target::None:
                break;
            }
        }
        if (!s.drinkFrom.isEmpty() || !s.drinkTo.isEmpty()) {
            const QString window = s.drinkFrom + QLatin1Char('-') + s.drinkTo;
            QString why;
            s.record[Field::Consumo] = storableNearest(window, fieldWidth(Field::Consumo), &why);
            if (!why.isEmpty())
                change(s, s.drinkColumns, window, s.record[Field::Consumo], why);
        }
        if (isBlankText(s.record[Field::NombreVino])) {
            m_plan.skipped.append({ row.line, QStringLiteral("la fila no da el nombre del vino") });
            return;
        }
        QStringList extra;
        for (qsizetype i = m_table.header.size(); i < row.cells.size(); ++i) {
            if (!isBlankText(row.cells[i]))
                extra.append(row.cells[i]);
        }
        if (!extra.isEmpty())
            change(s, QString(), extra.join(m_table.separator), QString(),
                QStringLiteral("valores de más, sin columna en la cabecera; no se importan"));

        setNotesName(s);
        CellarRecord &r = s.record;
        if (m_plan.ownFormat) {
            r.padToWidths(); // values as the book held them
        } else {
            // What the add command puts into a wine's empty list fields.
            for (Field f : { Field::Vino, Field::TipoVino, Field::Estante }) {
                if (isBlankText(r[f]))
                    r[f] = QStringLiteral("Sin Datos");
            }
            r.pad(m_options.decimalSeparator);
        }
        m_plan.lines.append(r.buildLine());
        m_plan.changes.append(s.changes);
        if (!isBlankText(s.notes))
            m_plan.notes.append({ trimBlanks(r[Field::EFichero]), notesParagraphs(s.notes) });
    }

    static QStringList notesParagraphs(const QString &text)
    {
        QString normal = text;
        normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QStringList paragraphs = normal.split(QLatin1Char('\n'));
        while (!paragraphs.isEmpty() && isBlankText(paragraphs.last()))
            paragraphs.removeLast();
        while (!paragraphs.isEmpty() && isBlankText(paragraphs.first()))
            paragraphs.removeFirst();
        return paragraphs;
    }

    const csv::Table &m_table;
    const QSet<QString> &m_notesFiles;
    const Options &m_options;
    QString m_nextName;
    QSet<QString> m_usedNames;
    QSet<QString> m_ownNames;
    QList<Column> m_columns;
    bool m_monthFirst = false;
    Plan m_plan;
};

// The notes files just written reach the disk before the book that names
// them is saved: one sync of the file system instead of one per file.
void syncFolder(const QString &folder)
{
#if defined(Q_OS_LINUX)
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
#elif defined(Q_OS_UNIX)
    Q_UNUSED(folder);
    ::sync();
#else
    Q_UNUSED(folder);
#endif
}

bool writeNotesFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    // Never over another file: the name was free when it was chosen.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *error = userErrorText(file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = userErrorText(file.errorString());
        file.close();
        file.remove();
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        *error = userErrorText(file.errorString());
        file.remove();
        return false;
    }
    return true;
}

} // namespace

QString storableNearest(QStringView text, int width, QString *why)
{
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    QStringList reasons;
    bool pendingBlank = false;
    for (qsizetype i = 0; i < composed.size(); ++i) {
        const QChar c = composed[i];
        const char16_t u = c.unicode();
        if (isBreak(u)) {
            addReason(&reasons,
                u == '\t' ? QStringLiteral("tabulador") : QStringLiteral("salto de línea"));
            pendingBlank = true;
            continue;
        }
        if (pendingBlank) {
            while (out.endsWith(QLatin1Char(' ')))
                out.chop(1);
            if (!out.isEmpty())
                out += QLatin1Char(' ');
            pendingBlank = false;
            if (c == QLatin1Char(' '))
                continue;
        }
        if (isStorableChar(c)) {
            out += c;
            continue;
        }
        if (u < 0x20 || (u >= 0x7F && u < 0xA0)) {
            addReason(&reasons, QStringLiteral("carácter de control"));
            continue;
        }
        // A character outside Windows-1252: its letters without the marks
        // that Windows-1252 cannot write (ő -> o, ﬁ -> fi), else "?".
        char32_t cp = u;
        if (c.isHighSurrogate() && i + 1 < composed.size() && composed[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, composed[i + 1]);
            ++i;
        }
        addReason(&reasons, QStringLiteral("caracteres que el registro no admite"));
        QString nearest;
        if (const QChar plain = plainLetter(cp); !plain.isNull()) {
            nearest = plain;
        } else {
            const QString decomposed
                = QString::fromUcs4(&cp, 1).normalized(QString::NormalizationForm_KD);
            for (QChar d : decomposed) {
                if (isStorableChar(d))
                    nearest += d;
            }
        }
        out += nearest.isEmpty() ? QStringLiteral("?") : nearest;
    }
    QString result = trimBlanks(out);
    if (width > 0 && result.size() > width) {
        addReason(&reasons, QStringLiteral("más de %1 caracteres").arg(width));
        result = trimBlanks(QStringView(result).left(width));
    }
    if (why)
        *why = reasons.join(QStringLiteral(", "));
    return result;
}

Plan plan(const csv::Table &table, const QStringList &bookImage, const QSet<QString> &notesFiles,
    const Options &options)
{
    return Importer(table, bookImage, notesFiles, options).run();
}

QStringList report(const Plan &plan)
{
    QStringList lines = plan.ignoredColumns;
    // Changes and skipped rows in the order of the file.
    struct Entry
    {
        int line;
        QString text;
    };
    QList<Entry> entries;
    for (const Change &c : plan.changes) {
        const QString where = c.column.isEmpty()
            ? QStringLiteral("línea %1").arg(c.line)
            : QStringLiteral("línea %1, %2").arg(c.line).arg(describeColumn(c.column));
        entries.append({ c.line,
            c.to.isEmpty()
                ? QStringLiteral("%1: «%2» (%3)").arg(where, c.from, c.why)
                : QStringLiteral("%1: «%2» → «%3» (%4)").arg(where, c.from, c.to, c.why) });
    }
    for (const Skipped &s : plan.skipped)
        entries.append(
            { s.line, QStringLiteral("línea %1: no se importa: %2").arg(s.line).arg(s.why) });
    std::stable_sort(entries.begin(), entries.end(),
        [](const Entry &a, const Entry &b) { return a.line < b.line; });
    for (const Entry &e : entries)
        lines.append(e.text);
    return lines;
}

bool importCsv(const QString &csvPath, const QString &bookPath, const Options &options,
    Plan *result, QString *error, QString *warning)
{
    QByteArray bytes;
    QString why;
    if (!readFileBytes(csvPath, &bytes, &why)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(csvPath), why);
        return false;
    }
    const csv::Table table = csv::read(bytes);

    const QFileInfo book(bookPath);
    const QString folder = book.absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("No se puede crear la carpeta %1")
                     .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // A book that an open program holds must not change under it: the
    // program would write its own image over the imported wines.
    BookLock lock(folder);
    if (!lock.tryLock()) {
        *error = QStringLiteral("%1: %2 Cierre Caveto antes de importar en su bodega.")
                     .arg(QDir::toNativeSeparators(bookPath), lock.error());
        return false;
    }
    CellarBook cellar(book.absoluteFilePath());
    if (book.exists() && !cellar.open(&why)) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(bookPath), why);
        return false;
    }

    QSet<QString> notesFiles;
    const QStringList txt = QDir(folder).entryList({ QStringLiteral("*.txt") }, QDir::Files);
    for (const QString &name : txt)
        notesFiles.insert(name.chopped(4));

    *result = plan(table, cellar.image(), notesFiles, options);
    if (!result->error.isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(csvPath), result->error);
        return false;
    }
    if (result->lines.isEmpty())
        return true;

    QStringList written;
    const auto undo = [&written] {
        for (const QString &path : std::as_const(written))
            QFile::remove(path);
    };
    for (const NotesText &notes : std::as_const(result->notes)) {
        const QString path = notesFileIn(folder, notes.name);
        if (!writeNotesFile(
                path, rtf::writeLines(notes.paragraphs, QStringLiteral("Courier New"), 9), &why)) {
            undo();
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
            return false;
        }
        written.append(path);
    }
    if (!written.isEmpty())
        syncFolder(folder);
    if (!cellar.addAll(result->lines, &why)) {
        undo();
        *error = why;
        return false;
    }
    if (warning)
        *warning = cellar.takeBackupWarning();
    return true;
}

} // namespace caveto::import
