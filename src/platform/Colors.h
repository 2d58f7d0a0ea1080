#pragma once
// Colour values as the program's windows store them: 0x00BBGGRR integers.

#include <QColor>

namespace caveto {

inline QColor tcolor(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int toTColor(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

namespace colors {
constexpr int CampoNormal = 14218750; // entry fields and texts (254,245,216)
constexpr int CampoAviso = 9359101; // a field that needs attention (253,206,142)
constexpr int Titulo = 5782047; // title panels (31,58,88)
constexpr int Cabecera = 6776679; // heading panels (103,103,103)
constexpr int Granate = 0x000080; // maroon rating panels (128,0,0)
constexpr int Navy = 0x800000; // (0,0,128)
constexpr int Silver = 0xC0C0C0; // (192,192,192)
constexpr int Lime = 0x00FF00; // 65280, green
constexpr int Red = 0x0000FF; // 255, red
} // namespace colors

} // namespace caveto
