#pragma once
// What the reference windows share: the look of their title panel and
// cream texts, and the text window itself (title panel, a read-only text
// of 625 x 230 and the "&Aceptar" button that closes the window).

#include <QColor>
#include <QDialog>

class QAbstractScrollArea;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace caveto::guides {

// The cream of the guides' lists and texts.
inline QColor cremaColor()
{
    return QColor(254, 246, 216);
}

// A title panel: white bold 10-point text on dark navy, sunken twice.
QLabel *makeTitle(QWidget *parent, const QString &name, const QString &caption, const QRect &rect);
// A push button with the hand cursor.
QPushButton *makeHandButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &rect);
// A read-only reference text: cream, black bold (10 pixels), word wrap, the
// vertical scroll bar always there. The keyboard can scroll and select.
void styleReferenceText(QAbstractScrollArea *text);

} // namespace caveto::guides

class TGuideTextForm : public QDialog
{
    Q_OBJECT

public:
    QLabel *LOpcion = nullptr;
    QPushButton *BOkDatos = nullptr;

public slots:
    void BOkDatosClick();

protected:
    // Every text window: fixed client size, the title panel, the button at
    // (buttonX, 281).
    TGuideTextForm(QWidget *parent, const QString &className, const QString &caption,
        const QString &title, int clientWidth, int buttonX);

    // Places a text control at (x, 40), 625 x 230, with the shared look.
    void placeText(QAbstractScrollArea *text, const QString &name, int x);
    // A plain text control holding :/guides/<resource>.txt.
    QPlainTextEdit *addPlainText(const QString &name, const QString &resource, int x = 3);
};
