#include "guides/VintageRatings.h"

#include <QHash>

namespace caveto {

namespace {

// One row per appellation in list order; the 33 codes are 1971 to 2003 in
// groups of ten years (1971-1980, 1981-1990, 1991-2000) and a last group of
// three (2001-2003). S "SIN CALIFICAR", D "DEFICIENTE", R "REGULAR",
// B "BUENO", M "MUY BUENO", E "EXCELENTE". Every cell is filled: a harvest
// nobody rated is S.
constexpr std::array<VintageRow, 56> kRows = { {
    { "Abona", "SSSSSSSSSS SSSSSSSSSS SSSSSBBBBB BSM" },
    { "Alella", "RMRRMRBMER MEEBBBBBMM EBEMMMEEME EMS" },
    { "Alicante", "BDBBERBERB BBRRBRMBBM BBBBBBBMMM MBB" },
    { "Almansa", "SSSBERBMBE MEBBMBBBEB BMMMMMBMBB MSS" },
    { "Ampurdán", "RDEBRRDEMR RMMBMMMBMB MBMBMMREMM MBM" },
    { "Bierzo", "SSSSSSSSSS SSSSSSEMMM MMDMBMBBBB MMS" },
    { "Binissalem", "SSSSSSSSSS SSSSSSSSSM BBBEMBMEMM MSM" },
    { "Bullas", "SSSSSSSSSS SSSSSSSSSS SSSMMBMEMM MBB" },
    { "Calatayud", "SSSSSSSSSS SSSSSSERMB BBMMBMRBBM MBM" },
    { "Campo de Borja", "DDEREMBMEB EMRBMBBBMB BMBBBBBBBE MBB" },
    { "Cariñena", "DDMREMRBRB EBBBERMMBM MMMBBMREBB EMB" },
    { "Cava", "SSSSSSSSSS BMEMBBMMBB MBMBBMBMME MMB" },
    { "Chacolí de Getaria", "SSSSSSSSSS SSSSSSSSSB BBRBBBBBBB SSS" },
    { "Chacolí de Vizcaya", "SSSSSSSSSS SSSSSSSSSS SSSSBBBBMB MSS" },
    { "Cigales", "SSSSSSSSSS SSSSMBBBMB BBBBBBBMMM MME" },
    { "Conca de Barberá", "SSSSSSSSSS BBBBSBBBBB BBMRBMBMBM BMM" },
    { "Condado de Huelva", "SSSSSSSSSS SSSSSSSBBB BBMRBBBBME MBB" },
    { "Costers del Segre", "SSSSSSSSSS SSSSSRBMMB MBEMEMMMMM MSS" },
    { "El Hierro", "SSSSSSSSSS SSSSSSSSSS SSSSBBSBBM BSS" },
    { "Jerez", "SSSSSSSSSS SSSSSSSSSS SSSSSSSSSS SSS" },
    { "Jumilla", "RREBMMBMRE ERBBMRMBBM MBMMBMBEMM BBM" },
    { "La Mancha", "BDRBMDEMBM BMBMBBBBBM BMEMBMMEMM MMM" },
    { "La Palma", "SSSSSSSSSS SSSSSSSSSS SSBMMBBBBB BSS" },
    { "Lanzarote", "SSSSSSSSSS SSSSSSSSSS SSSMMMMMEM MSS" },
    { "Málaga", "SSSSSSSSSS SSSSSSSSSS SSSSSSSBBB MSS" },
    { "Manchuela", "SSSSSSSSSS SSSSSSSSSS SSSSSSSSSS SSS" },
    { "Méntrida", "SSSSEBRBRM BEBMBBBEBB BBBBBBBBMM MBB" },
    { "Mondéjar", "SSSSSSSSSS SSSSSSSSSS SSSSSBBBBE MMM" },
    { "Monterrei", "SSSSSSSSSS SSSSSSSSSS SSSSBBEEMM EMS" },
    { "Montilla Moriles", "SSSSSSSSSS SSSSSBSBME BBBMRBBEEE BSS" },
    { "Navarra", "DDBBBBRMRR REMMBBBSMB BBMMEMBMMM EMB" },
    { "Penedés", "DEMDMBBBSM MMRMMBRMBB MBMMMMMSMM MSS" },
    { "Plá de Bagés", "SSSSSSSSSS SSSSSSSSSS SSSSSSMEME MSS" },
    { "Pla i Llevant", "SSSSSSSSSS SSSSSSSSSS SSSSSSSSSS SSS" },
    { "Priorato", "DBBBBEEBMM BBBBMBBBBB BMEMEEBEMM ESS" },
    { "Rías Baixas", "SSSSSSSSSS SSSSSSBMEM BBBBMMMBBB BSS" },
    { "Ribeira Sacra", "SSSSSSSSSS SSSSSSSSSS SSSSSBMMME SSS" },
    { "Ribeiro", "SSSSSSSSSS SSSSSSSBBB BBBMBBBMME MSS" },
    { "Ribera del Duero", "DRMBBMDRBB BMMRMMBMBB MBRMEEBMEM ESS" },
    { "Ribera del Guadiana", "SSSSSSSSSS SSSSSSSSSS SSSSSSSBMM MSS" },
    { "Rioja", "DDBRBBDBBB MEBRBBMBBB MBBEEMBMBB EBB" },
    { "Rueda", "RDDBBBRMBR MMBBBRMEBB BBBMBMMMMM BBM" },
    { "Somontano", "SSSSSSSSSS SEMREBMEMB MMEEEMBEMB EMM" },
    { "Tacoronte Acentejo", "SSSSSSSSSS SSSSSSSSSS BMBBMBMMRM MSS" },
    { "Tarragona", "RDBDBBREBB EBBMBBBMBB BBBBBMBMMM MBM" },
    { "Terra Alta", "SSSSSSSSSS SSSSSSSEMB MMSMMEMEME EBM" },
    { "Toro", "SSSSSSSSSS BMBBBBBBEE EEMMMMBMEM EME" },
    { "Utiel Requena", "RRRBBDRBBB MMMBBRMBRB BMEMBMBMMM EMB" },
    { "Valdeorras", "SSSSSSSSSS SSSSSSSBBB MBRMBBEBMM BBM" },
    { "Valdepeñas", "DRMRBDRDDM EBMERMMMEM MBEBMMBMBM MMS" },
    { "Valencia", "RBBBBRDREB MBMBBBMRRB BBMMBMBMME MBM" },
    { "Valle de Guimar", "SSSSSSSSSS SSSSSSSSSS SSSSSBMBBB SBS" },
    { "Valle de la Oratava", "SSSSSSSSSS SSSSSSSSSS SSSBBMMBBB BBS" },
    { "Vinos de Madrid", "SSSSSSSSSS SSSSSSMRBB BBMMMBBMMM EBS" },
    { "Ycoden Daute Isora", "SSSSSSSSSS SSSSSSSSSS SSBBBBBBMB BSS" },
    { "Yecla", "SDDBRERBBR RBMBMBRBBB BBBBMMBMME MBM" },
} };

struct RatingStyle
{
    char code;
    const char *text;
    QRgb colour;
};

// The scale in the order the colour rule compares it, then the unrated.
constexpr RatingStyle kScale[] = {
    { 'D', "DEFICIENTE", qRgb(255, 0, 0) }, // red
    { 'R', "REGULAR", qRgb(255, 128, 128) }, // light red
    { 'B', "BUENO", qRgb(255, 176, 98) }, // light orange
    { 'M', "MUY BUENO", qRgb(0, 255, 255) }, // aqua
    { 'E', "EXCELENTE", qRgb(0, 255, 0) }, // lime
    { 'S', "SIN CALIFICAR", qRgb(255, 255, 255) }, // white
};

// A blank follows every tenth year's code.
char codeAt(const VintageRow &row, int column)
{
    return row.codes[column + column / 10];
}

// Row index by exact name.
const QHash<QString, int> &rowIndex()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int i = 0; i < int(kRows.size()); ++i)
            h.insert(QString::fromUtf8(kRows[i].name), i);
        return h;
    }();
    return index;
}

} // namespace

const std::array<VintageRow, 56> &vintageRows()
{
    return kRows;
}

QString vintageRatingText(char code)
{
    for (const RatingStyle &s : kScale)
        if (s.code == code)
            return QString::fromLatin1(s.text);
    return QString();
}

const QStringList &vintageYears()
{
    static const QStringList years = [] {
        QStringList list;
        for (int y = kFirstVintage; y <= kLastVintage; ++y)
            list.append(QString::number(y));
        return list;
    }();
    return years;
}

int vintageColumn(const QString &year)
{
    return int(vintageYears().indexOf(year));
}

std::optional<QString> vintageRating(const QString &appellation, const QString &year)
{
    const auto row = rowIndex().constFind(appellation);
    if (row == rowIndex().constEnd())
        return std::nullopt;
    const int column = vintageColumn(year);
    if (column < 0)
        return std::nullopt;
    return vintageRatingText(codeAt(kRows[*row], column));
}

std::optional<QColor> vintageRatingColour(const QString &panelText)
{
    if (panelText.isEmpty())
        return QColor(Qt::white);
    for (const RatingStyle &s : kScale)
        if (panelText == QLatin1String(s.text))
            return QColor(s.colour);
    return std::nullopt;
}

} // namespace caveto
