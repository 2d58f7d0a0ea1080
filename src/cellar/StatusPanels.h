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

    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<int> m_widths;
    QList<QLabel *> m_panels;
};

} // namespace caveto
