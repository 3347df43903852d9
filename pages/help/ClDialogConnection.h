#pragma once
// How the update services reach the update server: the server, the proxy (type, host,
// port, user name and password) and the check at start. Reads and writes the update
// connection settings file. A stored password is never shown: left empty, it is kept.
#include "data/stProxySettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class ClDialogConnection : public QDialog
{
    Q_OBJECT

public:
    // strSettingsPath: the settings file; bAutoUpdate: the check at start as the help page
    // shows it.
    ClDialogConnection(const QString& strSettingsPath, bool bAutoUpdate, QWidget* pclParent = nullptr);

    // The check at start as the user left it.
    bool isAutoUpdate() const;

public Q_SLOTS:
    // Checks what was typed, writes the file and closes; with a reason shown, stays open.
    void accept() override;

private:
    void enableFields();
    // The proxy the fields describe; the stored password where none was typed.
    stProxySettings proxyFromFields() const;
    QString reasonToRefuse() const;

    QString strPath;
    stProxySettings stStored;
    QLineEdit* pclServer = nullptr;
    QCheckBox* pclUseProxy = nullptr;
    QComboBox* pclType = nullptr;
    QLineEdit* pclHost = nullptr;
    QSpinBox* pclPort = nullptr;
    QCheckBox* pclUseAuth = nullptr;
    QLineEdit* pclUser = nullptr;
    QLineEdit* pclPassword = nullptr;
    QCheckBox* pclAutoUpdate = nullptr;
    QLabel* pclReason = nullptr;
};
