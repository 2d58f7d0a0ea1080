#pragma once
// One wine of the cellar book is one line of text in fixed columns: 61
// fields and five separator blanks, 1015 columns as written. This table is
// the only place the layout is given; columns are derived from it.

#include <QString>
#include <QStringView>
#include <array>

namespace caveto {

enum class Field : int {
    NombreVino,
    Cosecha,
    DenoOrigen,
    Vino,
    TipoVino,
    Bodega,
    FCompraDD,
    FCompraMM,
    FCompraYY,
    Precio,
    NumBotellas,
    Estante,
    Grados,
    TempeINI,
    TempeFin,
    Consumo,
    TipoUva1,
    Porcen1,
    TipoUva2,
    Porcen2,
    TipoUva3,
    Porcen3,
    TipoUva4,
    Porcen4,
    Catador,
    FCataDD,
    FCataMM,
    FCataYY,
    HoraIni,
    HoraFin,
    Botella,
    Tapon,
    Capsula,
    Fermentacion,
    Barrica,
    Limpieza,
    Color,
    Intensidad,
    Viscosidad,
    CaliVista,
    EFichero,
    Aroma1,
    Aroma2,
    Aroma3,
    Aroma4,
    Afrutado,
    Bouquet,
    CaliOlfato,
    Dulzor,
    Tanino,
    Cuerpo,
    Acidez,
    Duracion,
    Equilibrio,
    CaliGusto,
    Conjunto1,
    Conjunto2,
    Conjunto3,
    Conjunto4,
    CaliConjunto,
    Imagen,
};

constexpr int kFieldCount = 61;
constexpr int kRecordLength = 1015;
constexpr int kNotesNameLength = 16;

struct FieldSpec
{
    const char *name; // the control that edits it
    int column; // first column, counted from 1
    int width;
    char pad; // ' ' or, for the notes name, '0'
    bool separatorAfter;
};

const std::array<FieldSpec, kFieldCount> &recordLayout();
const FieldSpec &fieldSpec(Field f);
inline int fieldWidth(Field f)
{
    return fieldSpec(f).width;
}
inline int fieldColumn(Field f)
{
    return fieldSpec(f).column;
}
inline const char *fieldName(Field f)
{
    return fieldSpec(f).name;
}
// Field by its name, or -1.
int fieldIndex(QStringView name);

// The text at a field's columns, trimmed as shown in the window: blanks
// removed on both sides, except the notes name, which is taken as cut. The
// photo path runs from its column to the end of the line so a long path
// survives a save and a reload.
QString cutField(QStringView line, Field f);
// The raw column text of a field (padding kept), empty past the line's end.
QStringView columnText(QStringView line, Field f);

// Trailing-blank padding to a width; never cuts.
QString padRight(const QString &text, int width, QChar pad = QLatin1Char(' '));

// Leading and trailing blanks removed (the comparisons of the window).
QString trimBlanks(QStringView text);
// The same, as a view into the text (no copy).
QStringView trimmedView(QStringView text);

class CellarRecord
{
public:
    CellarRecord() = default;

    QString &operator[](Field f) { return m_values[static_cast<int>(f)]; }
    const QString &operator[](Field f) const { return m_values[static_cast<int>(f)]; }
    QString &value(int i) { return m_values[i]; }
    const QString &value(int i) const { return m_values[i]; }

    // Cuts a record line into its fields (missing columns give empty fields).
    static CellarRecord parse(QStringView line);

    // The empty price becomes "0,00" (with the given decimal separator), the
    // empty bottle count "0"; then every field is padded to its width.
    void pad(QChar decimalSeparator = QLatin1Char(','));
    // Every field padded to its width, nothing else.
    void padToWidths();

    // The fields as they stand, in column order, with the five separators.
    // On padded fields this is the record line; on trimmed fields the compact
    // line that tells whether the user changed anything.
    QString buildLine() const;

    bool operator==(const CellarRecord &other) const = default;

private:
    std::array<QString, kFieldCount> m_values;
};

// A notes name from the clock: day, month, year, hour, minute, second and
// millisecond without leading zeros, filled with "0" to 16 and cut to 16.
QString makeNotesName(
    int day, int month, int year, int hour, int minute, int second, int millisecond);

// The next notes name after `name` in the same 16-digit form (used when the
// clock-made name is already taken).
QString nextNotesName(const QString &name);

} // namespace caveto
