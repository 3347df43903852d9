#pragma once
// Shows a picture as it is, from the top-left corner, while it is switched on.
#include <QImage>
#include <QWidget>

class ClImageView : public QWidget
{
    Q_OBJECT

public:
    explicit ClImageView(QWidget* parent = nullptr);

    virtual void setImage(const QImage& clNewImage);
    const QImage& image() const { return clImage; }
    void setShow(bool bNewShow);
    bool isShowing() const { return bShow; }

protected:
    void paintEvent(QPaintEvent* pclEvent) override;

    QImage clImage;
    bool bShow = true;
};
