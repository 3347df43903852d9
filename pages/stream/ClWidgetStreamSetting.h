#pragma once
// Page 4, the stream settings: the live preview above the common movie, recording and
// live viewing pages, and the interval page for cameras that have an interval timer.
// While the section is shown the preview hears the camera together with the page shown.
#include "framework/ClListWidgetBase.h"

#include <QPointer>

class ClWidgetInterval;
class ClWidgetStreamBase;
class ClWidgetViewSetting;

class ClWidgetStreamSetting : public ClListWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetStreamSetting(QWidget* parent = nullptr);

    void setCameraInfo(qint32 lModel, QString strVersion) override;
    void activate(QWidget* pclMain) override;
    void deactivate(QWidget* pclMain) override;

    ClWidgetStreamBase* preview() const { return pclPreview; }
    // Null for a camera without an interval timer.
    ClWidgetInterval* intervalPage() const;

    static constexpr int lPreviewHeight = 200;

private:
    ClWidgetStreamBase* pclPreview = nullptr;
    ClWidgetViewSetting* pclView = nullptr;
    QPointer<ClWidgetInterval> pclInterval;
};
