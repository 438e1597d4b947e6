// An animation control: plays a clip's frames from a horizontal strip picture.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "resources/Clips.h"
#include "ui/Control.h"

namespace veltrane::qt {

class ImageStore;

// Follows the window logic's AnimationState: a new clip is opened and stopped on its first
// frame; a new play request (playCount) plays from..to, repeat times (-1: for ever) and stays on
// the last frame. An unknown clip or a strip that does not load shows nothing.
class ClipPlayer : public QWidget {
    Q_OBJECT
public:
    ClipPlayer(ImageStore& images, QWidget* parent = nullptr);

    // `centred`: the frame is centred in the control; otherwise the control takes its size.
    void setState(const ui::AnimationState& state, bool centred);

    bool hasClip() const { return m_info.has_value() && !m_strip.isNull(); }
    bool isPlaying() const { return m_timer.isActive(); }
    int currentFrame() const { return m_frame; }
    // The picture of the current frame, null without a clip.
    QPixmap currentImage() const;

    // Moves to the next frame of a running play; the frame timer calls it.
    void advance();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void open(int clip);
    void play(int from, int to, int repeat);

    ImageStore& m_images;
    int m_clip = 0;
    int m_playCount = 0;
    std::optional<res::ClipInfo> m_info;
    QPixmap m_strip;
    bool m_centred = false;
    int m_frame = 0;
    int m_from = 0;
    int m_to = 0;
    int m_playsLeft = 0;  // -1: for ever
    QTimer m_timer;
};

}  // namespace veltrane::qt
