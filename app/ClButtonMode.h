#pragma once
// One big button of the mode bar: the page's icon above its name, over the roll-over
// picture while it is the selected mode.
#include "framework/ClRollOverToolBtn.h"

#include <QPixmap>

class ClButtonMode : public ClRollOverToolBtn
{
    Q_OBJECT

public:
    ClButtonMode(const QString& strText, const QString& strIcon, QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(97, 87); }
    QSize minimumSizeHint() const override { return QSize(60, 87); }

    // The font the text is drawn with: the button's font, made smaller until the wrapped
    // text fits between y = 55 and y = 81.
    QFont textFont() const;
    QRect textRect() const;
    QColor textColour() const;

protected:
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    QPixmap clModeIcon;
    // The last fit: each size tried takes a text layout, and every repaint (a hover, a
    // press) asked again. Kept until the text, the font or the width change.
    struct Fit
    {
        QString strText;
        QFont clBase;
        int lWidth = -1;
        QFont clFitted;
    };
    mutable Fit stFit;
};
