#pragma once
// Shows a picture scaled to the widget keeping its aspect ratio, centred. The scaled copy
// is made once per picture and size, so a repaint costs a blit, not a rescale.
#include "ClImageView.h"

class ClImageView2 : public ClImageView
{
    Q_OBJECT

public:
    explicit ClImageView2(QWidget* parent = nullptr);

    void setImage(const QImage& clNewImage) override;
    // Where the picture goes inside the widget.
    QRect targetRect() const;

protected:
    void paintEvent(QPaintEvent* pclEvent) override;
    void resizeEvent(QResizeEvent* pclEvent) override;

private:
    QImage clScaled;
};
