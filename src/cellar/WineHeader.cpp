#include "cellar/WineHeader.h"

#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QLabel>

using caveto::Field;

namespace {
constexpr int kTop = 3;
constexpr int kLabelHeight = 14;
constexpr int kPanelHeight = 21;
} // namespace

TWineHeader::TWineHeader(QWidget *parent, std::initializer_list<Slot> layout)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PDatosGenCab"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    for (const Slot &slot : layout) {
        const QString name
            = QStringLiteral("P") + QString::fromLatin1(caveto::fieldName(slot.field));
        const int y = kTop + slot.row * kRowHeight;
        caveto::makeLabel(
            this, QStringLiteral("L") + name.mid(1), QString::fromUtf8(slot.label), slot.x, y);
        QLabel *panel = caveto::makeDisplayPanel(this, name, caveto::colors::Titulo, 0xFFFFFF);
        panel->setGeometry(slot.x, y + kLabelHeight, slot.width, kPanelHeight);
        m_panels.append({ slot.field, panel });
        switch (slot.field) {
        case Field::NombreVino:
            PNombreVino = panel;
            break;
        case Field::Cosecha:
            PCosecha = panel;
            break;
        case Field::DenoOrigen:
            PDenoOrigen = panel;
            break;
        case Field::Vino:
            PVino = panel;
            break;
        case Field::TipoVino:
            PTipoVino = panel;
            break;
        default:
            break;
        }
    }
}

void TWineHeader::showRecord(const caveto::CellarRecord &fields)
{
    for (const auto &[field, panel] : std::as_const(m_panels))
        panel->setText(fields[field]);
}
