#pragma once
// Row 3 of the basic settings: password protection of the camera's video stream on or
// off, and a new password, accepted only with the current one typed correctly and the
// new one typed twice.
#include "framework/ClWidgetBase.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;

class ClWidgetBasicPassword : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetBasicPassword(QWidget* parent = nullptr);

    void requestData(bool bIsPolling) override;
    // What was typed does not stay behind when the user leaves the page.
    void deactivate(QWidget* pclMain) override;
    // Nor does anything of a camera that is gone: its password least of all, which would
    // otherwise open the next camera's to whoever knows the old one.
    void setCameraInfo(qint32 lModel, QString strVersion) override;

    // The longest password the camera keeps.
    static constexpr int lMaxLength = 16;

public Q_SLOTS:
    void slotApply() override;
    void slotChangeShowText(bool bShow);

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    QLineEdit* passwordEdit(const char* pszName);
    QString checkEntries() const;

    bool bUse = false;
    bool bUsePending = false;
    QString strPassword;
    QString strPasswordPending;

    QGroupBox* pclUse = nullptr;
    QLineEdit* pclNow = nullptr;
    QLineEdit* pclNew = nullptr;
    QLineEdit* pclCheck = nullptr;
    QCheckBox* pclShow = nullptr;
};
