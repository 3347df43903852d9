#pragma once
// The help page: the tool's and the camera's versions, serial number, MAC address and
// country, the two update buttons and the one that writes firmware from a file, the
// licence page, the automatic-update choice, and saving and loading the camera's settings.
#include "framework/ClWidgetBase.h"

#include <QLocale>

class ClSettingsTransfer;
class QCheckBox;
class QLabel;
class QPushButton;

class ClWidgetHelp : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetHelp(QWidget* parent = nullptr);
    ~ClWidgetHelp() override;

    void setCameraInfo(qint32 lModel, QString strVersion) override;
    void requestData(bool bIsPolling) override;

    // The automatic-update check box, read and written by the main window.
    bool isAutoUpdateChecked() const;
    void setAutoUpdateChecked(bool bChecked);

    // The licence page for a system language, below the update server.
    static QUrl licenseUrl(QLocale::Language eLanguage);
    // The name shown for a camera's country code.
    static QString countryName(const QString& strCode);

Q_SIGNALS:
    void sigUpdate(int iKind);
    // The user wants to write firmware from a file of their own into the camera.
    void sigInstallFirmwareFile();
    // The user changed the automatic-update choice.
    void sigAutoUpdateChanged(bool bAuto);

public Q_SLOTS:
    void slotUpdateOwn();
    void slotUpdateTovu();
    void slotShowLicense();
    // The update server, the proxy and the check at start, in a dialog of their own.
    void slotConnectionSettings();

protected:
    void receiveCommand(const PV_CMD& clCommand) override;

private:
    QLabel* captionLabel(const QString& strText);
    QLabel* valueLabel(const QString& strObjectName, const QString& strText);
    static void setValue(QLabel* pclLabel, const QString& strText);

    QLabel* pclFirmware = nullptr;
    QLabel* pclSerialNo = nullptr;
    QLabel* pclMacAddress = nullptr;
    QLabel* pclCountry = nullptr;
    QPushButton* pclUpdateOwn = nullptr;
    QPushButton* pclUpdateTovu = nullptr;
    QPushButton* pclFirmwareFile = nullptr;
    QPushButton* pclShowLicense = nullptr;
    QCheckBox* pclAutoUpdate = nullptr;
    QPushButton* pclSaveSettings = nullptr;
    QPushButton* pclLoadSettings = nullptr;
    ClSettingsTransfer* pclTransfer = nullptr;
};
