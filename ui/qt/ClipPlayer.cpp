#include "ui/qt/ClipPlayer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/qt/ImageStore.h"

namespace veltrane::qt {

ClipPlayer::ClipPlayer(ImageStore& images, QWidget* parent) : QWidget(parent), m_images(images) {
    connect(&m_timer, &QTimer::timeout, this, &ClipPlayer::advance);
}

void ClipPlayer::setState(const ui::AnimationState& state, bool centred) {
    m_centred = centred;
    if (state.clip != m_clip) open(state.clip);
    if (!state.playing)
        m_timer.stop();
    else if (state.playCount != m_playCount)
        play(state.from, state.to, state.repeat);
    m_playCount = state.playCount;
    update();
}

void ClipPlayer::open(int clip) {
    m_timer.stop();
    m_clip = clip;
    m_frame = 0;
    m_info = clip != 0 ? res::FindClip(clip) : std::nullopt;
    m_strip = m_info ? m_images.clipStrip(clip) : QPixmap();
    if (hasClip() && !m_centred) resize(m_info->width, m_info->height);
}

void ClipPlayer::play(int from, int to, int repeat) {
    m_timer.stop();
    if (!hasClip() || m_info->frames <= 0) return;
    const int last = m_info->frames - 1;
    m_from = std::clamp(from, 0, last);
    m_to = (to < 0 || to > last) ? last : to;
    if (m_to < m_from) m_to = m_from;
    m_playsLeft = repeat < 0 ? -1 : std::max(1, repeat);
    m_frame = m_from;
    if (m_from == m_to && m_playsLeft != -1) return;  // a single frame only needs showing
    m_timer.start(std::max(1, static_cast<int>(std::lround(m_info->frameMs))));
}

void ClipPlayer::advance() {
    if (!m_timer.isActive()) return;
    if (m_frame < m_to) {
        ++m_frame;
    } else if (m_playsLeft == -1 || m_playsLeft > 1) {
        if (m_playsLeft > 1) --m_playsLeft;
        m_frame = m_from;
    } else {
        m_timer.stop();
    }
    update();
}

QPixmap ClipPlayer::currentImage() const {
    if (!hasClip()) return QPixmap();
    const QRect source(m_frame * m_info->width, 0, m_info->width, m_info->height);
    if (!QRect(QPoint(0, 0), m_strip.deviceIndependentSize().toSize()).contains(source))
        return QPixmap();
    // The strip is cut in its own pixels, twice as many on a 2x strip.
    const qreal ratio = m_strip.devicePixelRatio();
    QPixmap frame = m_strip.copy(QRectF(source.topLeft() * ratio, source.size() * ratio).toRect());
    frame.setDevicePixelRatio(ratio);
    return frame;
}

void ClipPlayer::paintEvent(QPaintEvent*) {
    const QPixmap frame = currentImage();
    if (frame.isNull()) return;
    QPainter painter(this);
    QPoint at(0, 0);
    if (m_centred) at = QPoint((width() - m_info->width) / 2, (height() - m_info->height) / 2);
    painter.drawPixmap(at, frame);
}

}  // namespace veltrane::qt
