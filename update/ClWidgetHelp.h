#pragma once
// Page 7, help. This stand-in carries the automatic-update choice and the update
// signal only.
#include "ClWidgetBase.h"

class QCheckBox;

class ClWidgetHelp : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetHelp(QWidget* parent = nullptr);

    bool isAutoUpdateChecked() const;
    void setAutoUpdateChecked(bool bChecked);

Q_SIGNALS:
    // 0 the tool, 1 the camera's firmware.
    void sigUpdate(int iKind);

private:
    QCheckBox* pclAutoUpdate = nullptr;
};
