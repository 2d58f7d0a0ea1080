#pragma once
// A picture control: shows an image at the top left, centred or stretched.

#include <QImage>
#include <QLabel>

class TImagenPlus : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool IncrementalDisplay READ IncrementalDisplay WRITE setIncrementalDisplay)

public:
    explicit TImagenPlus(QWidget *parent = nullptr);

    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    // Stretch wins over Center: a stretched picture covers the control.
    bool Stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool Center() const { return m_center; }
    void setCenter(bool on);
    // On: the control takes the picture's size.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    // Kept for the windows that set it: pictures are always drawn whole.
    bool IncrementalDisplay() const { return m_incremental; }
    void setIncrementalDisplay(bool on) { m_incremental = on; }

    // Where the picture lands in a control of the given size.
    QRect pictureRect(const QSize &controlSize) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToPicture();

    QImage m_picture;
    bool m_stretch = false;
    bool m_center = false;
    bool m_autoSize = false;
    bool m_incremental = false;
};
