#include "cellar/StatusPanels.h"

#include <QLabel>

namespace caveto {

StatusPanels::StatusPanels(const QList<int> &widths, QWidget *parent)
    : QWidget(parent)
    , m_widths(widths)
{
    for (int i = 0; i < widths.size(); ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        m_panels.append(label);
    }
}

QString StatusPanels::panelText(int index) const
{
    return index >= 0 && index < m_panels.size() ? m_panels[index]->text() : QString();
}

void StatusPanels::setPanelText(int index, const QString &text)
{
    if (index >= 0 && index < m_panels.size() && m_panels[index]->text() != text)
        m_panels[index]->setText(text);
}

void StatusPanels::resizeEvent(QResizeEvent *)
{
    int x = 0;
    for (int i = 0; i < m_panels.size(); ++i) {
        // The last panel takes what is left of the bar.
        const int w = i + 1 == m_panels.size() ? qMax(m_widths[i], width() - x) : m_widths[i];
        m_panels[i]->setGeometry(x, 2, w - 2, height() - 2);
        x += w;
    }
}

} // namespace caveto
