#pragma once
// The live preview above the stream pages: while the section is shown it asks the camera
// for a picture, shows it, and asks again 333 ms later. Saves the picture shown on
// Capture.
#include "framework/ClWidgetBase.h"

#include <QDateTime>
#include <QImage>
#include <QTimer>

#include <functional>

class ClImageView2;

class ClWidgetStreamBase : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetStreamBase(QWidget* parent = nullptr);

    // Running: asks for the first picture now; stopped: asks for nothing more.
    void start();
    void stop();
    // A camera gone (model -1) takes its last picture with it.
    void setCameraInfo(qint32 lModel, QString strVersion) override;
    bool isRunning() const { return bRunning; }
    bool isWaiting() const { return clTimer.isActive(); }

    const QImage& picture() const { return clPicture; }
    ClImageView2* view() const { return pclView; }

    // "Capture_" and the time as yyyyMMddhhmm.
    static QString captureName(const QDateTime& clTime);
    // Writes the picture so that a file already at the path stays whole if writing fails
    // (no permission, disk full). A name without a suffix gets ".jpg".
    static bool savePicture(const QImage& clImage, const QString& strPath, QString* pstrError = nullptr);

    // Tests answer the save dialog: given the proposed path, the chosen one (empty: cancelled).
    using FileDialog = std::function<QString(const QString& strProposed)>;
    static void setTestFileDialog(FileDialog fnDialog);

    static constexpr int lRetryMs = 333;
    // Larger pictures are no camera's; their pixels would only cost memory.
    static constexpr int lMaxSide = 8192;

public Q_SLOTS:
    void slotReqJpeg();
    void slotCapture();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    ClImageView2* pclView = nullptr;
    QImage clPicture;
    QTimer clTimer;
    bool bRunning = false;
};
