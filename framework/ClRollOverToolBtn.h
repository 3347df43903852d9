#pragma once
// A tool button drawn from a roll-over image: one picture per state (normal, active
// under the mouse, selected when pressed or checked, disabled), at a chosen opacity.
#include <QIcon>
#include <QToolButton>

class QPainter;

class ClRollOverToolBtn : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QIcon imgShow READ imgShow WRITE setImgShow)
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)

public:
    explicit ClRollOverToolBtn(QWidget* parent = nullptr);

    QIcon imgShow() const { return clImgShow; }
    void setImgShow(const QIcon& clIcon);
    qreal opacity() const { return dOpacity; }
    void setOpacity(qreal dValue);

    // The picture state the button is in now.
    QIcon::Mode iconMode() const;

protected:
    // Draws the picture of the current state; false when that state has none.
    bool paintRollOver(QPainter& clPainter);
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    QIcon clImgShow;
    qreal dOpacity = 1.0;
};
