#include "ClWidgetNotConnect.h"

#include "protocol/ClUnusableReason.h"
#include "framework/ClPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const char* const pRuleName = "70-tovu-camera.rules";

QStringList& ruleFolders()
{
    // Where udev reads rules from on Debian: the administrator's, a plain install from
    // source's and the package's.
    static QStringList lstFolders = {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/usr/local/lib/udev/rules.d"),
                                     QStringLiteral("/usr/lib/udev/rules.d"), QStringLiteral("/lib/udev/rules.d")};
    return lstFolders;
}

QString commandLines(const QStringList& lstCommands)
{
    QString strHtml;
    for (const QString& strCommand : lstCommands)
        strHtml += QStringLiteral("<br><code>%1</code>").arg(strCommand.toHtmlEscaped());
    return strHtml;
}
}  // namespace

ClWidgetNotConnect::ClWidgetNotConnect(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageNotConnected"));
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addStretch(1);

    auto* pclImage = new QLabel(this);
    pclImage->setObjectName(QStringLiteral("labelNotConnectedImage"));
    pclImage->setPixmap(ClPictures::pixmap(QStringLiteral(":/img/camera_notconnect")));
    pclImage->setAlignment(Qt::AlignCenter);
    pclLayout->addWidget(pclImage);

    pclText = new QLabel(tr("Connect camera by USB cable"), this);
    pclText->setObjectName(QStringLiteral("labelNotConnected"));
    pclText->setAlignment(Qt::AlignCenter);
    pclLayout->addWidget(pclText);

    // Selectable, so that the commands it shows can be copied into a terminal.
    pclDiagnosis = new QLabel(this);
    pclDiagnosis->setObjectName(QStringLiteral("labelNotConnectedDiagnosis"));
    pclDiagnosis->setTextFormat(Qt::RichText);
    pclDiagnosis->setWordWrap(true);
    pclDiagnosis->setAlignment(Qt::AlignCenter);
    pclDiagnosis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pclDiagnosis->setContentsMargins(40, 12, 40, 0);
    pclDiagnosis->hide();
    pclLayout->addWidget(pclDiagnosis);

    pclLayout->addStretch(1);
}

void ClWidgetNotConnect::setRuleFolders(const QStringList& lstFolders)
{
    ruleFolders() = lstFolders;
}

bool ClWidgetNotConnect::ruleInstalled()
{
    for (const QString& strFolder : std::as_const(ruleFolders())) {
        if (QFileInfo::exists(QDir(strFolder).filePath(QString::fromLatin1(pRuleName))))
            return true;
    }
    return false;
}

void ClWidgetNotConnect::showDiagnosis(qint32 lReason, const QString& strNode, const QStringList& lstHolders)
{
    QString strHtml;
    if (lReason == ClUnusableReason::Refused) {
        pclText->setText(tr("A Tovu is connected, but you may not use it."));
        if (ruleInstalled()) {
            strHtml = tr("The tool's udev rule is installed but not yet applied to the camera (%1). "
                         "Unplug the camera and plug it in again, or apply the rule with:")
                          .arg(strNode.toHtmlEscaped())
                + commandLines({QStringLiteral("sudo udevadm control --reload-rules"),
                                QStringLiteral("sudo udevadm trigger")});
        } else {
            strHtml = tr("The udev rule that lets you use the camera (%1) is not installed. "
                         "Install the tool's package, or copy udev/%2 from its source to /etc/udev/rules.d/, "
                         "then run:")
                          .arg(strNode.toHtmlEscaped(), QString::fromLatin1(pRuleName))
                + commandLines({QStringLiteral("sudo udevadm control --reload-rules"),
                                QStringLiteral("sudo udevadm trigger")});
        }
    } else if (lReason == ClUnusableReason::Busy) {
        pclText->setText(tr("A Tovu is connected, but another program is using it."));
        if (lstHolders.isEmpty()) {
            strHtml = tr("Close the other program that uses the camera (%1). "
                         "The tool connects to the camera as soon as it is free.")
                          .arg(strNode.toHtmlEscaped());
        } else {
            strHtml = tr("Close %1, which uses the camera (%2). "
                         "The tool connects to the camera as soon as it is free.")
                          .arg(lstHolders.join(QStringLiteral(", ")).toHtmlEscaped(), strNode.toHtmlEscaped());
        }
    } else {
        pclText->setText(tr("Connect camera by USB cable"));
    }
    pclDiagnosis->setText(strHtml);
    pclDiagnosis->setVisible(!strHtml.isEmpty());
}
