#pragma once
// The main window's status bar: a row of sunken, centred text panels.

#include <QList>
#include <QWidget>

class QLabel;

namespace caveto {

class StatusPanels : public QWidget
{
    Q_OBJECT
public:
    StatusPanels(const QList<int> &widths, QWidget *parent = nullptr);

    int panelCount() const { return int(m_panels.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    QLabel *panel(int index) const { return m_panels.value(index); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<int> m_widths;
    QList<QLabel *> m_panels;
};

} // namespace caveto
