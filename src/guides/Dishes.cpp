#include "guides/Dishes.h"

// The dishes of the pairing guide, in the order the lists show them. Each
// has its description, written as the lists show it, and its eight codes in
// wine-kind order: Secos, Espumoso, Blanco Joven, Blanco Crianza, Rosado,
// Tinto Joven, Tinto Crianza, Vino Dulce ("0" no, "1" acceptable, "2" very
// good, "3" excellent).

#include <array>

namespace caveto::guides {

namespace {

// Aperitivos y tapas (22)
constexpr Dish kApeTapas[] = {
    { "Aceitunas", "20000000" },
    { "Butifarra", "21122310" },
    { "Canapés de pescado", "21211000" },
    { "Canapés de queso", "21211100" },
    { "Cecinas de vaca o ciervo", "10001320" },
    { "Chicharrones", "11000310" },
    { "Chistorra", "21121310" },
    { "Chorizo", "21001320" },
    { "Croquetas de jamón, pollo o marisco", "22021300" },
    { "Empanada o empanadillas de jamón o carne", "22121200" },
    { "Ensaladilla rusa", "12200000" },
    { "Patés de ganso, pato, cerdo, etc", "21220103" },
    { "Frutos secos", "31210000" },
    { "Hortalizas crudas o tomatitos", "20100000" },
    { "Jamón serrano", "31021100" },
    { "Lomo embuchado", "31120200" },
    { "Mojama de atún", "21120100" },
    { "Morcilla", "11201310" },
    { "Morcón", "21001320" },
    { "Pan con tomate", "01003200" },
    { "Salchichón, salami o fuet", "01002200" },
    { "Sobrasada", "21001320" },
};

// Verduras, legumbres y ensaladas (38)
constexpr Dish kVerduras[] = {
    { "Aguacate con marisco", "01201000" },
    { "Alcachofas con jamón serrano", "00100110" },
    { "Alubias blancas u otras con chorizo o caza", "01001320" },
    { "berenjenas rellenas de carne, verdura o arroz", "01100210" },
    { "Calabacines rebozados, al horno o fritos", "01101200" },
    { "Calabaza gratinada", "01021200" },
    { "Choucroute (col fermentada)", "00100000" },
    { "Cocido", "00001320" },
    { "Cogollos de Tudela", "00111000" },
    { "Coliflor rebozada, cocida o la horno", "00100200" },
    { "Endivias gratinadas con queso", "01121100" },
    { "Ensalada (mista, verde, etc) con aceite y vinagre", "11010000" },
    { "Espárragos blancos/verdes fritos con sal", "02101000" },
    { "Espárragos blancos/verdes o puerros cocidos con mayonesa", "00101000" },
    { "Fabada", "00000320" },
    { "Guacamole", "01120000" },
    { "Habas, guisantes i judías verdes con jamón", "00111200" },
    { "Judías blancas, pintas o encarnadas estofadas", "00011220" },
    { "Judías verdes rehogadas con aceite y ajo", "00010200" },
    { "Judías verdes salteadas con mantequilla", "00110200" },
    { "Lentejas guisadas con chorizo", "00011310" },
    { "Maíz dulce salteado con mantequilla", "00111000" },
    { "Menestra, puré o pastel de verduras", "01111100" },
    { "Pimientos verdes o berenjenas fritos", "00110110" },
    { "Pimientos verdes rellenos de carne y arroz", "00000120" },
    { "Pisto manchego", "00111200" },
    { "Potaje de garbanzos o alubias", "00011320" },
    { "Pote gallego o asturiano", "00021210" },
    { "Puré de calabaza", "00110200" },
    { "Puré de garbanzos, lentejas o guisantes", "01110200" },
    { "Purrusalda", "00110200" },
    { "Repollo o coles de Bruselas rehogadas con caldo, aceite y ajo", "00011100" },
    { "Souffle de verduras", "00001100" },
    { "Tarta de cebolla o puerros", "00201100" },
    { "Tomates frítos rellenpos de pescado o marisco", "01211200" },
    { "Tomates o calabacines rellenos de carne al horno", "00012200" },
    { "Verduras con bechamel", "00210200" },
    { "Verduras con vinagreta", "00100000" },
};

// Huevos (17)
constexpr Dish kHuevos[] = {
    { "Al plato", "00001300" },
    { "De codorniz", "02100000" },
    { "Duros con bechamel", "00111000" },
    { "Escalfados", "00111200" },
    { "Fritos con arroz", "00001300" },
    { "Fritos con migas", "00000320" },
    { "Fritos con patatas, chorizo y pimientos", "00010320" },
    { "Revueltos con ajetes", "00111100" },
    { "Revueltos con espárragos o habas", "00011300" },
    { "Revueltos con espinacas y/o gambas", "00111200" },
    { "Revueltos con jamón", "00011100" },
    { "Revueltos con patatas", "00011200" },
    { "Revueltos con patatas y bacalao", "00031200" },
    { "Revueltos con queso", "00211000" },
    { "Revueltos con trufas", "00001320" },
    { "Tortilla de patatas con o sin cebolla", "00011320" },
    { "Tortilla francesa", "00011100" },
};

// Setas y tubérculos (12)
constexpr Dish kSetas[] = {
    { "Carpaccio de hongos", "00111200" },
    { "Ensalada de patatas", "00111000" },
    { "Ñoquis de patata", "00101100" },
    { "Patatas a la brasa", "00001210" },
    { "Patatas alioli", "00011200" },
    { "Patatas fritas", "00001210" },
    { "Patatas guisadas o al horno", "01111100" },
    { "Puré de patatas gratinado", "00101100" },
    { "Setas con jamón serrano", "01001320" },
    { "Setas o champiñones al ajillo", "01001320" },
    { "Setas o criadillas de tierra guisadas, a la plancha o salteadas", "01020320" },
    { "Trufas o platos con trufa", "01031320" },
};

// Sopas, arroces y pasta (45)
constexpr Dish kSopas[] = {
    { "Sopa ajoblanco", "01100000" },
    { "Sopa caldo de carne con verduras", "00011100" },
    { "Sopa caldo de rabo de buey", "01010210" },
    { "Sopa consomé", "01010000" },
    { "Sopa de ajo", "01000200" },
    { "Sopa de apio", "00120100" },
    { "Sopa de berros", "00211100" },
    { "Sopa de calabacín", "00100000" },
    { "Sopa de calabaza", "00100000" },
    { "Sopa de cebolla", "00120100" },
    { "Sopa de coliflor", "00100000" },
    { "Sopa de champiñones", "00120000" },
    { "Sopa de espárragos", "01220100" },
    { "Sopa de espinacas", "00112100" },
    { "Sopa de fideos", "00110100" },
    { "Sopa de garbanzos", "00121000" },
    { "Sopa de guisantes", "00111000" },
    { "Sopa de lechuga", "00111000" },
    { "Sopa de marisco", "01121100" },
    { "Sopa de pescado", "01102000" },
    { "Sopa de pimientos", "00011200" },
    { "Sopa de tapioca", "00100000" },
    { "Sopa de tomate", "00111000" },
    { "Sopa de verduras o juliana", "00110000" },
    { "Sopa gazpacho", "11100000" },
    { "Sopa vichyssoise", "01100000" },
    { "Arroz a banda", "00112300" },
    { "Arroz a la cubana", "00022200" },
    { "Arroz al curry", "00122200" },
    { "Arroz con carne", "00122200" },
    { "Arroz con pescado o marisco", "00022200" },
    { "Arroz con pollo a caza", "00012210" },
    { "Ensalada de arroz", "01101000" },
    { "Ñoquis de sémola", "00211100" },
    { "Paella de pescado y/o marisco", "00122200" },
    { "Paella de pollo, caza o carne", "00012200" },
    { "Pasta con ajo, aceite y cayena", "00012310" },
    { "Pasta con albahaca (pesto)", "00212200" },
    { "Pasta con bechamel y queso", "00212200" },
    { "Pasta con carne (boloñesa)", "00002310" },
    { "Pasta con huevo y nata (carbonara)", "00222200" },
    { "Pasta con pescado o marisco", "01012210" },
    { "Pasta con tomate, queso o chorizo", "00112220" },
    { "Pasta con verdura", "00122200" },
    { "Pizza en general", "00001210" },
};

// Pescados y marisco (75)
constexpr Dish kPescado[] = {
    { "A la sal", "02230000" },
    { "Al ajillo", "00120200" },
    { "Almejas a la marinera", "01230200" },
    { "Almejas crudas", "12310000" },
    { "Ancas de rana salteadas o rebozadas", "01020300" },
    { "Anchoas en salazón", "00112100" },
    { "Angulas en cazuela", "01021320" },
    { "Atún o bonito con tomate o encebollado", "01011320" },
    { "Bacalao al ajoarriero", "01131220" },
    { "Bacalao al pilpil o vizcaína", "00231200" },
    { "Berberechos", "01310000" },
    { "Bígaros", "31320000" },
    { "Bogavante", "01230000" },
    { "Boquerones", "22200000" },
    { "Boquerones en vinagre", "11000000" },
    { "Buey de mar", "21310000" },
    { "Bullabesa", "00202100" },
    { "Calamares, chipirones o sepia", "31210000" },
    { "Caldeirada", "00320100" },
    { "Cangrejos de río", "11320000" },
    { "Carabineros", "31320000" },
    { "Carpaccio de pescado fresco o marisco", "01230000" },
    { "Caviar", "03120000" },
    { "Centollo", "01231000" },
    { "Chanquetes", "11200000" },
    { "Chipirones en su tinta", "01010320" },
    { "Chocos", "31210000" },
    { "Chopitos fritos o puntillitas", "32200000" },
    { "Cigalas", "31310000" },
    { "Cocochas", "00221000" },
    { "Cóctel de marisco", "22310000" },
    { "Conchas con bechamel", "00200000" },
    { "Congrio en salsa", "01021300" },
    { "Coquinas", "32310000" },
    { "Dorada", "01321000" },
    { "En adobo", "00121000" },
    { "En escabeche", "01000100" },
    { "En salsa verde", "00231200" },
    { "Ensalada de angulas", "01231000" },
    { "Erizos de mar", "01320000" },
    { "Fritura andaluza", "20200000" },
    { "Gallo", "01321000" },
    { "Gambas", "31220000" },
    { "Lamprea a la gallega", "00001230" },
    { "Langosta", "01120000" },
    { "Langostinos", "31320000" },
    { "Lenguado", "01220000" },
    { "Lubina", "01311000" },
    { "Marmitako de bonito", "01130310" },
    { "Mejillones", "11230000" },
    { "Merluza", "01321000" },
    { "Merluza a la romana", "02230100" },
    { "Mero", "01211000" },
    { "Navajas", "01310000" },
    { "Nécoras", "11321000" },
    { "Ostras", "12310000" },
    { "Percebes", "12310000" },
    { "Pescadilla", "01311000" },
    { "Pez espada", "01200000" },
    { "Pulpo, vieiras o merluza a la gallega", "01320000" },
    { "Quisquillas o camarones", "32300000" },
    { "Rape", "01230000" },
    { "Rodaballo", "01230100" },
    { "Salmón", "01230100" },
    { "Salmón marinado o ahumado", "21210100" },
    { "Salmonetes", "00300000" },
    { "Salpicón de marisco", "11310000" },
    { "Sardinas", "12200000" },
    { "Souffle o mousse de pescado o marisco", "00220000" },
    { "Terrina de pescado", "10210000" },
    { "Trucha", "01310000" },
    { "Trucha a la navarra", "00000200" },
    { "Ventresca de bonito o atún", "01120320" },
    { "Zamburiñas en salsa", "01311000" },
    { "Zarzuela de pescado", "01113220" },
};

// Carne, caza y aves (64)
constexpr Dish kCarne[] = {
    { "Albóndigas en salsa", "11000320" },
    { "Caldereta de cordero", "01000320" },
    { "Callos a la madrileña", "11011320" },
    { "Capón de Villaba relleno al horno", "01020230" },
    { "Carne mechada", "02022310" },
    { "Carnes a la parrilla", "00000220" },
    { "Carnes frías o rosbif", "01022100" },
    { "Carpaccio de buey o ternera", "02020300" },
    { "Chuletas de cerdo o ternera fritas", "01001120" },
    { "Chuletas de cordero fritas", "01000120" },
    { "Cinta o lomo de cerdo asado", "01011320" },
    { "Civet de liebre", "02010230" },
    { "Cochinillo asado", "11010320" },
    { "Codillo de cerdo asado o hervido", "00120210" },
    { "Conejo al ajillo", "12020320" },
    { "Conejo guisado", "01010230" },
    { "Confit de pato u oca", "02000230" },
    { "Cordero o cabrito asado o estofado", "01010230" },
    { "Costillas de cerdo asadas o fritas", "01011320" },
    { "Entrecot", "01010230" },
    { "Escalope de ternera a la milanesa", "00002310" },
    { "Estofado de ciervo o de ternera", "01002230" },
    { "Faisan a las uvas o asado", "01001230" },
    { "Filet Mignon", "01010230" },
    { "Filetes de cerdo", "01001320" },
    { "Filetes de ciervo, ternera o corzo", "01000230" },
    { "Filetes de pechuga de pavo o pollo", "01010320" },
    { "Hígado de ternera guisado", "02021320" },
    { "Lacón con grelos", "01011310" },
    { "Lengua de ternera al horno, estofada o rebozada", "01021310" },
    { "Magret de pato asado o a la parrilla", "01020230" },
    { "Manitas de cerdo guisadas", "02011320" },
    { "Mollejas de ternera", "11021310" },
    { "Ossobuco", "00001200" },
    { "Paletilla de cordero asada", "00001230" },
    { "Paloma, becada, pichón o codorniz asados", "01000130" },
    { "Pato a la naranja", "01020320" },
    { "Pato asado", "01030230" },
    { "Pato braseado con aceitunas", "01020320" },
    { "Pavo asado de Navidad", "02020320" },
    { "Pavo trufado", "12021320" },
    { "Perdiz con chocolate", "02011320" },
    { "Perdiz con uvas", "01021320" },
    { "Perdiz en escabeche", "01101100" },
    { "Perdiz estofada", "02011230" },
    { "Picadillo de ternera o ciervo", "01000220" },
    { "Pichones rellenos", "01020230" },
    { "Pollo al ajillo", "01021320" },
    { "Pollo al curry", "01021200" },
    { "Pollo asado o guisado", "02021310" },
    { "Pollo o gallina en pepitoria", "02011310" },
    { "Pularda asada", "01010230" },
    { "Rabo de toro", "02000230" },
    { "Ragú de ternera", "01010230" },
    { "Redondo de ternera guisada o asado", "01020230" },
    { "Riñones al Jerez", "31011200" },
    { "Salchichas de Frankfurt", "00201200" },
    { "Sesos rebozados o empanados", "11001310" },
    { "Solomillo a la pimienta", "01000330" },
    { "Solomillo de cerdo a la plancha", "01022310" },
    { "Solomillo de ternera o lomo de vaca a la plancha", "00001320" },
    { "Steak tartare, hamburgesa o carne picada", "01011200" },
    { "Terrina o pastel de liebre o de higaditos de pollo", "01011320" },
    { "Venado al horno o estofado", "01011230" },
};

// Quesos y postres (49)
constexpr Dish kQuesos[] = {
    { "Brie", "00131200" },
    { "Cabrales", "02100003" },
    { "Camembert", "00001100" },
    { "Cheddar, Gruyére o Emmental", "11010230" },
    { "De untar o Filadelfia", "11101000" },
    { "Fondue", "00210000" },
    { "Fresco (de Burgos y otros)", "01121001" },
    { "Fresco de cabra", "00200000" },
    { "Idiazábal", "01101230" },
    { "Mahón", "01011200" },
    { "Manchego curado y otros", "02010230" },
    { "Mozzarella con aceite de oliva y orégano", "00101000" },
    { "Quiche Lorraine", "00202100" },
    { "Roncal", "01101210" },
    { "Roquefort", "02211003" },
    { "Soufflé de queso", "00110230" },
    { "Stilton", "01000123" },
    { "Tetilla", "11110210" },
    { "Torta del Casar", "11101220" },
    { "Vacherin", "11010220" },
    { "Postre arroz con leche", "00000001" },
    { "Postre bizcocho borracho o postres con licor", "01000002" },
    { "Postre bombones y trufas", "00000001" },
    { "Postre brazo gitano", "00000001" },
    { "Postre con café", "00000001" },
    { "Postre con Chocolate", "01000001" },
    { "Postre con crema pastelera o nata", "00000002" },
    { "Postre con fruta fresca o asada", "10000002" },
    { "Postre con frutas del bosque", "00200222" },
    { "Postre con frutos secos", "10000001" },
    { "Postre con hierbabueba", "00000001" },
    { "Postre con hojaldre", "01000003" },
    { "Postre con yogur", "00000003" },
    { "Postre crema catalana", "00000002" },
    { "Postre crepes Suzzete", "01000000" },
    { "Postre dulce de menbrillo", "00000001" },
    { "Postre ensalada de frutas", "00000001" },
    { "Postre flan de huevo", "00000001" },
    { "Postre mazapán", "00000002" },
    { "Postre melón con jamón", "01100000" },
    { "Postre merengue", "01001000" },
    { "Postre natillas", "00000001" },
    { "Postre peras al vino tinto", "00000001" },
    { "Postre tarta de manzana", "00100002" },
    { "Postre tarta de queso", "00000002" },
    { "Postre tarta de Santiago", "00000001" },
    { "Postre tejas", "10000001" },
    { "Postre tocino de cielo", "01000002" },
    { "Postre turrón", "10000003" },
};

constexpr std::array<std::span<const Dish>, kDishCategoryCount> kCategories = {
    std::span<const Dish>(kApeTapas),
    std::span<const Dish>(kVerduras),
    std::span<const Dish>(kHuevos),
    std::span<const Dish>(kSetas),
    std::span<const Dish>(kSopas),
    std::span<const Dish>(kPescado),
    std::span<const Dish>(kCarne),
    std::span<const Dish>(kQuesos),
};

} // namespace
std::span<const Dish> dishes(int category)
{
    if (category < 0 || category >= kDishCategoryCount)
        return {};
    return kCategories[std::size_t(category)];
}

QString dishItem(const QString &description, const QString &codes)
{
    return description.left(kDescriptionWidth).leftJustified(kCodesColumn - 1)
        + codes.left(kWineKindCount).leftJustified(kWineKindCount);
}

QString dishItem(const Dish &dish)
{
    return dishItem(QString::fromUtf8(dish.description), QString::fromLatin1(dish.codes));
}

QStringList dishItems(int category)
{
    QStringList items;
    const std::span<const Dish> list = dishes(category);
    items.reserve(qsizetype(list.size()));
    for (const Dish &dish : list)
        items.append(dishItem(dish));
    return items;
}

QString itemDescription(const QString &item)
{
    return item.left(kDescriptionWidth).trimmed();
}

QChar itemCode(const QString &item, int kind)
{
    const int at = kCodesColumn - 1 + kind;
    return kind >= 0 && kind < kWineKindCount && at < item.size() ? item.at(at) : QLatin1Char(' ');
}

std::optional<PairingLook> pairingLook(QChar code)
{
    switch (code.unicode()) {
    case u'0':
        return PairingLook { QStringLiteral("No"), QColor(255, 0, 0) };
    case u'1':
        return PairingLook { QStringLiteral("Aceptable"), QColor(255, 176, 98) };
    case u'2':
        return PairingLook { QStringLiteral("Muy Bueno"), QColor(0, 255, 255) };
    case u'3':
        return PairingLook { QStringLiteral("Excelente"), QColor(0, 255, 0) };
    default:
        return std::nullopt;
    }
}

} // namespace caveto::guides
