#include "ClDialogConnection.h"

#include "data/ClNetworkSettings.h"
#include "data/ClUpdateServer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

ClDialogConnection::ClDialogConnection(const QString& strSettingsPath, bool bAutoUpdate, QWidget* pclParent)
    : QDialog(pclParent), strPath(strSettingsPath)
{
    setObjectName(QStringLiteral("dialogConnection"));
    setWindowTitle(tr("Connection settings"));
    ClNetworkSettings clSettings(strPath);
    clSettings.reload();
    stStored = clSettings.proxy();

    pclServer = new QLineEdit(ClUpdateServer::url(), this);
    pclServer->setObjectName(QStringLiteral("editServer"));
    auto* pclServerNote = new QLabel(tr("Used until the tool is closed; at the next start the tool's own update "
                                        "server is used again."),
                                     this);
    pclServerNote->setWordWrap(true);
    pclUseProxy = new QCheckBox(tr("Use a proxy server of the tool's own"), this);
    pclUseProxy->setObjectName(QStringLiteral("checkUseProxy"));
    pclUseProxy->setChecked(stStored.bUse);
    auto* pclProxyNote = new QLabel(tr("Without one, updates go through the desktop's proxy, if it has one."), this);
    pclProxyNote->setWordWrap(true);
    pclType = new QComboBox(this);
    pclType->setObjectName(QStringLiteral("comboProxyType"));
    pclType->addItem(tr("HTTP"), qint32(ClProxyType::Http));
    pclType->addItem(tr("SOCKS 5"), qint32(ClProxyType::Socks5));
    pclType->addItem(tr("HTTP (caching)"), qint32(ClProxyType::HttpCaching));
    pclType->addItem(tr("FTP (caching)"), qint32(ClProxyType::FtpCaching));
    pclType->setCurrentIndex(qMax(0, pclType->findData(stStored.lType)));
    pclHost = new QLineEdit(stStored.strHost, this);
    pclHost->setObjectName(QStringLiteral("editProxyHost"));
    pclPort = new QSpinBox(this);
    pclPort->setObjectName(QStringLiteral("spinProxyPort"));
    pclPort->setRange(1, 65535);
    pclPort->setValue(stStored.usPort == 0 ? 3128 : stStored.usPort);
    pclUseAuth = new QCheckBox(tr("The proxy asks for a user name and password"), this);
    pclUseAuth->setObjectName(QStringLiteral("checkProxyAuth"));
    pclUseAuth->setChecked(stStored.bAuthUse);
    pclUser = new QLineEdit(stStored.strUser, this);
    pclUser->setObjectName(QStringLiteral("editProxyUser"));
    pclPassword = new QLineEdit(this);
    pclPassword->setObjectName(QStringLiteral("editProxyPassword"));
    pclPassword->setEchoMode(QLineEdit::Password);
    if (!stStored.strPassword.isEmpty())
        pclPassword->setPlaceholderText(tr("Stored; type a new one to change it"));
    pclAutoUpdate = new QCheckBox(tr("Post when there is a new software"), this);
    pclAutoUpdate->setObjectName(QStringLiteral("checkDialogAutoUpdate"));
    pclAutoUpdate->setChecked(bAutoUpdate);
    pclReason = new QLabel(this);
    pclReason->setObjectName(QStringLiteral("labelReason"));
    pclReason->setWordWrap(true);
    pclReason->hide();

    auto* pclForm = new QFormLayout;
    pclForm->addRow(tr("Update server"), pclServer);
    pclForm->addRow(QString(), pclServerNote);
    pclForm->addRow(QString(), pclUseProxy);
    pclForm->addRow(QString(), pclProxyNote);
    pclForm->addRow(tr("Type"), pclType);
    pclForm->addRow(tr("Host"), pclHost);
    pclForm->addRow(tr("Port"), pclPort);
    pclForm->addRow(QString(), pclUseAuth);
    pclForm->addRow(tr("User name"), pclUser);
    pclForm->addRow(tr("Password"), pclPassword);
    pclForm->addRow(QString(), pclAutoUpdate);

    auto* pclSave = new QPushButton(tr("Save"), this);
    pclSave->setObjectName(QStringLiteral("buttonSave"));
    pclSave->setDefault(true);
    auto* pclCancel = new QPushButton(QObject::tr("Cancel"), this);
    pclCancel->setObjectName(QStringLiteral("buttonCancel"));
    auto* pclButtons = new QHBoxLayout;
    pclButtons->addStretch();
    pclButtons->addWidget(pclSave);
    pclButtons->addWidget(pclCancel);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addLayout(pclForm);
    pclLayout->addWidget(pclReason);
    pclLayout->addLayout(pclButtons);
    setMinimumWidth(420);

    connect(pclSave, &QPushButton::clicked, this, &ClDialogConnection::accept);
    connect(pclCancel, &QPushButton::clicked, this, &ClDialogConnection::reject);
    connect(pclUseProxy, &QCheckBox::toggled, this, &ClDialogConnection::enableFields);
    connect(pclUseAuth, &QCheckBox::toggled, this, &ClDialogConnection::enableFields);
    enableFields();
}

bool ClDialogConnection::isAutoUpdate() const
{
    return pclAutoUpdate->isChecked();
}

void ClDialogConnection::enableFields()
{
    const bool bProxy = pclUseProxy->isChecked();
    for (QWidget* pclField : {static_cast<QWidget*>(pclType), static_cast<QWidget*>(pclHost),
                              static_cast<QWidget*>(pclPort), static_cast<QWidget*>(pclUseAuth)})
        pclField->setEnabled(bProxy);
    pclUser->setEnabled(bProxy && pclUseAuth->isChecked());
    pclPassword->setEnabled(bProxy && pclUseAuth->isChecked());
}

stProxySettings ClDialogConnection::proxyFromFields() const
{
    stProxySettings st;
    st.bUse = pclUseProxy->isChecked();
    st.lType = pclType->currentData().toInt();
    st.strHost = pclHost->text().trimmed();
    st.usPort = quint16(pclPort->value());
    st.bAuthUse = pclUseAuth->isChecked();
    st.strUser = pclUser->text();
    // An empty field keeps the stored password, unless the user it belongs to changed.
    st.strPassword = pclPassword->text();
    if (st.strPassword.isEmpty() && st.strUser == stStored.strUser)
        st.strPassword = stStored.strPassword;
    return st;
}

QString ClDialogConnection::reasonToRefuse() const
{
    const QUrl clServer(pclServer->text().trimmed(), QUrl::StrictMode);
    const QString strScheme = clServer.scheme().toLower();
    if (!clServer.isValid() || clServer.host().isEmpty()
        || (strScheme != QLatin1String("http") && strScheme != QLatin1String("https")))
        return tr("The update server must be an http:// or https:// address.");
    if (pclUseProxy->isChecked() && pclHost->text().trimmed().isEmpty())
        return tr("Enter the proxy server's host name or address.");
    if (pclUseProxy->isChecked() && pclUseAuth->isChecked() && pclUser->text().isEmpty())
        return tr("Enter the user name the proxy asks for.");
    return QString();
}

void ClDialogConnection::accept()
{
    const QString strReason = reasonToRefuse();
    pclReason->setText(strReason);
    pclReason->setVisible(!strReason.isEmpty());
    if (!strReason.isEmpty())
        return;
    if (pclServer->text().trimmed() != ClUpdateServer::url())
        ClUpdateServer::setUrl(pclServer->text().trimmed());
    ClNetworkSettings clSettings(strPath);
    if (!clSettings.setProxy(proxyFromFields())) {
        pclReason->setText(tr("The settings could not be written to %1.").arg(strPath));
        pclReason->show();
        return;
    }
    QDialog::accept();
}
