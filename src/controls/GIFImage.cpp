#include "controls/GIFImage.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>

#include <gif_lib.h>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

// Pictures larger than this are refused rather than allocated: a damaged
// header can claim a 65535 x 65535 canvas.
constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

struct GifCloser
{
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

} // namespace

TGIFImage::TGIFImage(QWidget *parent)
    : QWidget(parent)
{
    resize(105, 105);
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TGIFImage::advance);
}

TGIFImage::~TGIFImage() = default;

bool TGIFImage::decode(const QString &fileName, QList<Frame> &frames, QSize &canvas)
{
    frames.clear();
    canvas = QSize();
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(
        DGifOpenFileName(QFile::encodeName(fileName).constData(), &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1)
        return false;

    int width = gif->SWidth;
    int height = gif->SHeight;
    if (width <= 0 || height <= 0) {
        // No logical screen: take the area the frames cover.
        for (int i = 0; i < gif->ImageCount; ++i) {
            const GifImageDesc &desc = gif->SavedImages[i].ImageDesc;
            width = std::max(width, desc.Left + desc.Width);
            height = std::max(height, desc.Top + desc.Height);
        }
    }
    if (width <= 0 || height <= 0 || qint64(width) * height * gif->ImageCount > MaxPixels)
        return false;

    QImage screen(width, height, QImage::Format_ARGB32);
    if (screen.isNull())
        return false;
    screen.fill(Qt::transparent);

    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &saved = gif->SavedImages[i];
        const GifImageDesc &desc = saved.ImageDesc;

        GraphicsControlBlock control { DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR };
        DGifSavedExtensionToGCB(gif.get(), i, &control);

        const QImage previous = control.DisposalMode == DISPOSE_PREVIOUS ? screen : QImage();
        const ColorMapObject *map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        const QRect area = QRect(desc.Left, desc.Top, desc.Width, desc.Height) & screen.rect();

        // DGifSlurp hands interlaced frames back with their rows already
        // in display order, so rows are read straight down here.
        if (map && saved.RasterBits && !area.isEmpty()) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                const GifByteType *row = saved.RasterBits + qint64(y - desc.Top) * desc.Width;
                auto *out = reinterpret_cast<QRgb *>(screen.scanLine(y));
                for (int x = area.left(); x <= area.right(); ++x) {
                    const int index = row[x - desc.Left];
                    if (index == control.TransparentColor || index >= map->ColorCount)
                        continue;
                    const GifColorType &c = map->Colors[index];
                    out[x] = qRgb(c.Red, c.Green, c.Blue);
                }
            }
        }

        frames.append(Frame { screen.copy(), control.DelayTime });

        // What the next frame is drawn over.
        if (control.DisposalMode == DISPOSE_BACKGROUND) {
            QPainter painter(&screen);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(area, Qt::transparent);
        } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
            screen = previous;
        }
    }
    canvas = QSize(width, height);
    return true;
}

void TGIFImage::setFileName(const QString &fileName)
{
    LoadFromFile(fileName);
}

bool TGIFImage::LoadFromFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return false;

    emit OnChanging();
    m_timer->stop();
    m_fileName = fileName;
    if (!decode(fileName, m_frames, m_canvas)) {
        m_frames.clear();
        m_canvas = QSize();
    }
    m_current = 0;
    fitToPicture();
    update();
    emit OnChange();
    startAnimation();
    return true;
}

int TGIFImage::frameDelay(int i) const
{
    if (i < 0 || i >= m_frames.size())
        return 0;
    const int stored = m_frames.at(i).delayCs;
    const qint64 ms = stored <= 1 ? ShortDelayMs : qint64(stored) * 10;
    const qint64 scaled = ms * 100 / m_speed;
    return int(std::clamp<qint64>(scaled, 1, std::numeric_limits<int>::max()));
}

QImage TGIFImage::frame(int i) const
{
    if (i < 0 || i >= m_frames.size())
        return QImage();
    return m_frames.at(i).image;
}

bool TGIFImage::isAnimating() const
{
    return m_timer->isActive();
}

void TGIFImage::startAnimation()
{
    if (m_animate && m_frames.size() >= 2 && !m_timer->isActive())
        m_timer->start(frameDelay(m_current));
}

void TGIFImage::advance()
{
    int next = m_current + 1;
    if (next >= m_frames.size()) {
        if (!m_loop)
            return; // played once: rest on the last frame
        next = 0;
    }
    m_current = next;
    update();
    startAnimation();
}

void TGIFImage::setAnimate(bool on)
{
    if (on == m_animate)
        return;
    m_animate = on;
    if (on) {
        startAnimation();
    } else {
        m_timer->stop();
        m_current = 0;
        update();
    }
}

void TGIFImage::setLoop(bool on)
{
    m_loop = on;
    // A finished animation resumes when asked to repeat.
    if (on)
        startAnimation();
}

void TGIFImage::setSpeed(int percent)
{
    m_speed = std::max(percent, 1);
}

void TGIFImage::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToPicture();
}

void TGIFImage::fitToPicture()
{
    if (m_autoSize && m_canvas.isValid())
        resize(m_canvas);
}

void TGIFImage::setCenter(bool on)
{
    if (on == m_center)
        return;
    m_center = on;
    update();
}

void TGIFImage::setStretch(bool on)
{
    if (on == m_stretch)
        return;
    m_stretch = on;
    update();
}

void TGIFImage::setTile(bool on)
{
    if (on == m_tile)
        return;
    m_tile = on;
    update();
}

void TGIFImage::setCurrentFrame(int index)
{
    index = m_frames.isEmpty() ? 0 : std::clamp(index, 0, int(m_frames.size()) - 1);
    if (index == m_current)
        return;
    m_current = index;
    update();
    if (m_timer->isActive()) {
        m_timer->stop();
        startAnimation();
    }
}

void TGIFImage::paintEvent(QPaintEvent *)
{
    if (m_frames.isEmpty())
        return;
    const QImage &image = m_frames.at(m_current).image;
    QPainter painter(this);
    if (m_stretch) {
        painter.drawImage(rect(), image);
    } else if (m_tile) {
        painter.fillRect(rect(), QBrush(image));
    } else if (m_center) {
        painter.drawImage(
            QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
    } else {
        painter.drawImage(QPoint(0, 0), image);
    }
}

void showOptionalGif(TGIFImage *&gif, const QString &path)
{
    if (!gif)
        return;
    if (!QFileInfo(path).isFile()) {
        delete gif;
        gif = nullptr;
        return;
    }
    if (gif->FileName() == path)
        return;
    gif->LoadFromFile(path);
    gif->setLoop(true);
    gif->setAnimate(true);
}
