#pragma once
// A GIF picture, animated when the file holds several frames.

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

class QTimer;

class TGIFImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)
    Q_PROPERTY(bool Animate READ Animate WRITE setAnimate)
    Q_PROPERTY(bool Loop READ Loop WRITE setLoop)
    Q_PROPERTY(int Speed READ Speed WRITE setSpeed)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Tile READ Tile WRITE setTile)
    Q_PROPERTY(int CurrentFrame READ CurrentFrame WRITE setCurrentFrame)

public:
    // Frames that ask for no delay (0 or 1 hundredths) are shown for this
    // long, as web browsers do; otherwise such files would spin.
    static constexpr int ShortDelayMs = 100;

    explicit TGIFImage(QWidget *parent = nullptr);
    ~TGIFImage() override;

    // Setting the name loads the file (see LoadFromFile).
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName);
    // False when no such file exists; then nothing changes. Otherwise the
    // name is kept, the old picture goes and the file is decoded; a file
    // that does not decode as GIF leaves the control with no frames and
    // still returns true (the file was there).
    bool LoadFromFile(const QString &fileName);

    bool Animate() const { return m_animate; }
    void setAnimate(bool on);
    // Off: the animation plays once and rests on the last frame. Any repeat
    // count stored in the file is not used.
    bool Loop() const { return m_loop; }
    void setLoop(bool on);
    // Playback speed in percent; values below 1 count as 1.
    int Speed() const { return m_speed; }
    void setSpeed(int percent);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    // Placement, first match wins: Stretch covers the control, Tile repeats
    // the picture from the top left, Center centres it; else top left.
    bool Center() const { return m_center; }
    void setCenter(bool on);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool Tile() const { return m_tile; }
    void setTile(bool on);
    int CurrentFrame() const { return m_current; }
    void setCurrentFrame(int index);

    int frameCount() const { return int(m_frames.size()); }
    // How long frame i stays, in milliseconds, at the current speed.
    int frameDelay(int i) const;
    // Frame i composed over the frames before it, canvas-sized.
    QImage frame(int i) const;
    QSize pictureSize() const { return m_canvas; }
    bool isAnimating() const;

signals:
    void OnChanging();
    void OnChange();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Frame
    {
        QImage image;
        int delayCs = 0; // as stored in the file, hundredths of a second
    };

    static bool decode(const QString &fileName, QList<Frame> &frames, QSize &canvas);
    void startAnimation();
    void advance();
    void fitToPicture();

    QString m_fileName;
    QList<Frame> m_frames;
    QSize m_canvas;
    int m_current = 0;
    bool m_animate = false;
    bool m_loop = false;
    int m_speed = 100;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_stretch = false;
    bool m_tile = false;
    QTimer *m_timer = nullptr;
};

// A picture the window can do without: an existing file is loaded (once) and
// played in a loop; a missing one removes the control for good and leaves
// `gif` null.
void showOptionalGif(TGIFImage *&gif, const QString &path);
