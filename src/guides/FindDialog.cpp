#include "guides/FindDialog.h"

#include "platform/FormStyle.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

TFindDialog::TFindDialog(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("TFindDialog"));
    setWindowTitle(QStringLiteral("Buscar"));
    setModal(false);
    caveto::setupFixedForm(this, 400, 98);

    LBuscar = new QLabel(QStringLiteral("&Buscar:"), this);
    LBuscar->setObjectName(QStringLiteral("LBuscar"));
    LBuscar->setGeometry(8, 12, 46, 16);
    EBuscar = new QLineEdit(this);
    EBuscar->setObjectName(QStringLiteral("EBuscar"));
    EBuscar->setGeometry(56, 9, 236, 21);
    LBuscar->setBuddy(EBuscar);

    BSiguiente = caveto::makeButton(
        this, QStringLiteral("BSiguiente"), QStringLiteral("Buscar &siguiente"));
    BSiguiente->setGeometry(304, 8, 88, 23);
    BSiguiente->setDefault(true);
    BSiguiente->setEnabled(false);
    BCancelar = caveto::makeButton(this, QStringLiteral("BCancelar"), QStringLiteral("Cancelar"));
    BCancelar->setGeometry(304, 36, 88, 23);

    CPalabra = new QCheckBox(QStringLiteral("Sólo palabras completas"), this);
    CPalabra->setObjectName(QStringLiteral("CPalabra"));
    CPalabra->setGeometry(8, 44, 200, 18);
    CMayusculas = new QCheckBox(QStringLiteral("Coincidir mayúsculas y minúsculas"), this);
    CMayusculas->setObjectName(QStringLiteral("CMayusculas"));
    CMayusculas->setGeometry(8, 70, 200, 18);

    GDireccion = new QGroupBox(QStringLiteral("Dirección"), this);
    GDireccion->setObjectName(QStringLiteral("GDireccion"));
    GDireccion->setGeometry(212, 36, 80, 56);
    RArriba = new QRadioButton(QStringLiteral("Arriba"), GDireccion);
    RArriba->setObjectName(QStringLiteral("RArriba"));
    RArriba->setGeometry(8, 18, 66, 16);
    RAbajo = new QRadioButton(QStringLiteral("Abajo"), GDireccion);
    RAbajo->setObjectName(QStringLiteral("RAbajo"));
    RAbajo->setGeometry(8, 36, 66, 16);
    RAbajo->setChecked(true);

    // Shown so the user sees how the search works, but fixed: downwards,
    // capitals as described by the owner, any part of a word.
    // Disabled text in the platform's grey, which stays readable on silver.
    for (QWidget *fixed : std::initializer_list<QWidget *> { CPalabra, CMayusculas, GDireccion }) {
        QPalette palette = fixed->palette();
        for (QPalette::ColorRole role :
            { QPalette::WindowText, QPalette::ButtonText, QPalette::Text })
            palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
        fixed->setPalette(palette);
        fixed->setEnabled(false);
    }

    connect(EBuscar, &QLineEdit::textChanged, this,
        [this](const QString &text) { BSiguiente->setEnabled(!text.isEmpty()); });
    connect(BSiguiente, &QPushButton::clicked, this, &TFindDialog::Find);
    connect(BCancelar, &QPushButton::clicked, this, &QDialog::close);
}

QString TFindDialog::FindText() const
{
    return EBuscar->text();
}

void TFindDialog::setFindText(const QString &text)
{
    EBuscar->setText(text);
}

void TFindDialog::Execute()
{
    if (!m_placed) {
        placeNearOwner();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    EBuscar->setFocus();
    EBuscar->selectAll();
}

void TFindDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Minimising the owner hides its windows too; only a real close counts.
    if (!event->spontaneous())
        emit Close();
}

// Below the owner when the screen has room, else above it, else over its
// lower edge: the text being searched stays in sight.
void TFindDialog::placeNearOwner()
{
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen *screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!owner || !screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect ownerFrame = owner->frameGeometry();
    const QSize size = frameGeometry().size().expandedTo(this->size() + QSize(8, 30));
    int x = ownerFrame.left() + (ownerFrame.width() - size.width()) / 2;
    int y = ownerFrame.bottom() + 4;
    if (y + size.height() > area.bottom())
        y = ownerFrame.top() - size.height() - 4;
    if (y < area.top())
        y = ownerFrame.bottom() - size.height();
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - size.width()));
    move(x, std::max(y, area.top()));
}
