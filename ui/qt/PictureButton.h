// A push button drawn from three bitmaps: up normally, down while pressed, focus while focused.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace veltrane::qt {

// Its text is never drawn, but its '&' mnemonic still presses it. Without pictures it falls
// back to an ordinary button face with the text, so a missing image never hides the button.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    // Sizes the button to the up bitmap when there is one.
    void setImages(const QPixmap& up, const QPixmap& down, const QPixmap& focus);
    bool hasImages() const { return !m_up.isNull(); }
    // The picture drawn in the present state.
    const QPixmap& currentImage() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_up;
    QPixmap m_down;
    QPixmap m_focus;
};

}  // namespace veltrane::qt
