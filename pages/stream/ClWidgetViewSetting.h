#pragma once
// "Common movie setting": the picture quality (light to dark), the picture's rotation on
// cameras that can turn it, and the Capture button for the preview's picture.
#include "framework/ClWidgetBase.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

class ClWidgetViewSetting : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetViewSetting(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    void setCameraInfo(qint32 lModel, QString strVersion) override;

Q_SIGNALS:
    void sigCapture();

public Q_SLOTS:
    void slotApply() override;

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    void askRotation();
    bool isOwnCommand(const QUuid& uuidKind) const;

    QSlider* pclQuality = nullptr;
    QWidget* pclQualityRow = nullptr;
    QGroupBox* pclRotation = nullptr;
    QRadioButton* pclNormal = nullptr;
    QRadioButton* pclRotated = nullptr;
    QPushButton* pclCapture = nullptr;

    QList<QUuid> lstSupported;
    // What the camera answered (or took with a Set), as it answered it; -1 and 0 while
    // nothing is known. Apply writes what is shown whenever it differs.
    qint64 llCurrentQuality = -1;
    qint64 llCurrentRotation = 0;
    int lPendingQuality = 0;
    qint64 llPendingRotation = 0;
};
