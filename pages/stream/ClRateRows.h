#pragma once
// The frame-rate and bit-rate rows the recording and live pages share: each a caption, a
// slider, an edit and its unit. Keeps slider and edit in step: a number typed moves the
// slider (a frame rate only once it is complete), the slider writes its number back, and
// the bit rate never goes above the highest one the page allows.
#include <QList>
#include <QWidget>

class ClSliderBitrate;
class ClSliderFramerate;
class QLabel;
class QLineEdit;

class ClRateRows : public QWidget
{
    Q_OBJECT

public:
    // strPrefix names the widgets: "Rec" gives sliderRecFrameRate, editRecBitRate...
    ClRateRows(const QString& strPrefix, QWidget* parent = nullptr);

    // The frame rates the camera accepts and the slider's mode (position 1 = 5 fps).
    void setAcceptedFrameRates(const QList<int>& lstRates, bool bSecondMode);
    void setFrameRateShown(bool bShown);
    void setBitRateShown(bool bShown);
    bool isFrameRateShown() const { return bFrameRateShown; }
    bool isBitRateShown() const { return bBitRateShown; }

    int frameRate() const;
    int bitRate() const;
    // A camera's values, shown sanely whatever they are: the nearest frame rate, a bit
    // rate within the scale and the page's maximum.
    void showFrameRate(qint64 llFps);
    void showBitRate(qint64 llBitRate);
    // The highest bit rate the page allows now; a slider above it is pulled down.
    void setMaximumBitRate(int lMaximum);
    int maximumBitRate() const { return lMaximum; }

    // The numbers in the edits (0 when empty), for the forbidden-combination check.
    qint64 frameRateEditNumber() const;
    qint64 bitRateEditNumber() const;
    void setBitRateEditForbidden(bool bForbidden);
    // Takes what is still being typed in either edit, as leaving it would.
    void commitTyped();
    // Back to how the rows stood before any camera: nothing of a camera's left on show.
    void showDefaults();

    ClSliderFramerate* frameRateSlider() const { return pclFrameRate; }
    ClSliderBitrate* bitRateSlider() const { return pclBitRate; }
    QLineEdit* frameRateEdit() const { return pclFrameRateEdit; }
    QLineEdit* bitRateEdit() const { return pclBitRateEdit; }

Q_SIGNALS:
    void sigFrameRateChanged();
    void sigBitRateChanged(int lBitRate);

public Q_SLOTS:
    void changeLEditBitRate(QString strValue);
    // The frame-rate edit is left or Return pressed: a frame rate the camera takes moves
    // the slider there, any other number gives way to the slider's.
    void slotCorrectFps();
    // The bit-rate edit is left: it shows the slider's number (so "100" becomes "384").
    void slotCorrectBitRate();

private:
    void slotFrameRateMoved(int lPosition);
    void slotBitRateMoved(int lValue);

    ClSliderFramerate* pclFrameRate = nullptr;
    ClSliderBitrate* pclBitRate = nullptr;
    QLineEdit* pclFrameRateEdit = nullptr;
    QLineEdit* pclBitRateEdit = nullptr;
    QList<QWidget*> lstFrameRateWidgets;
    QList<QWidget*> lstBitRateWidgets;
    QList<int> lstAccepted {1, 6, 10, 15, 30};
    int lMaximum = 15360000;
    bool bFrameRateShown = true;
    bool bBitRateShown = true;
    // The slider moves because of what is being typed: its edit keeps the typed text.
    bool bTypingBitRate = false;
};
