#include "ClWidgetStreamBase.h"

#include "ClImageView2.h"
#include "StreamText.h"
#include "framework/ClAccessible.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
ClWidgetStreamBase::FileDialog& testFileDialog()
{
    static ClWidgetStreamBase::FileDialog fnDialog;
    return fnDialog;
}
}  // namespace

ClWidgetStreamBase::ClWidgetStreamBase(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("streamPreview"));
    pclView = new ClImageView2(this);
    pclView->setObjectName(QStringLiteral("imageView"));
    ClAccessible::setRole(pclView, QAccessible::Graphic);
    pclView->setAccessibleName(streamTr("Camera image"));
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(0, 0, 0, 0);
    pclLayout->addWidget(pclView);
    clTimer.setSingleShot(true);
    clTimer.setInterval(lRetryMs);
    connect(&clTimer, &QTimer::timeout, this, &ClWidgetStreamBase::slotReqJpeg);
}

void ClWidgetStreamBase::start()
{
    bRunning = true;
    slotReqJpeg();
}

void ClWidgetStreamBase::stop()
{
    bRunning = false;
    clTimer.stop();
}

void ClWidgetStreamBase::setCameraInfo(qint32 lModel, QString)
{
    if (lModel >= 0)
        return;
    clPicture = QImage();
    pclView->setImage(clPicture);
}

void ClWidgetStreamBase::slotReqJpeg()
{
    if (bRunning)
        sendCommand(requestKind<ClTovuCommandReqJpeg>(), PV_CMD(), false, 0);
}

void ClWidgetStreamBase::receiveCommand(const PV_CMD& clCommand)
{
    if (ClEnvelope::kind(clCommand) == replyKind<ClTovuCommandReqJpeg>()) {
        const QImage clImage = clCommand.value(ClEnvelope::keyParam(2)).value<QImage>();
        // Only a real picture replaces the one shown.
        if (!clImage.isNull() && clImage.width() <= lMaxSide && clImage.height() <= lMaxSide) {
            clPicture = clImage;
            pclView->setImage(clPicture);
        }
        if (bRunning)
            clTimer.start();
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand) || ClEnvelope::executedKind(clCommand) != requestKind<ClTovuCommandReqJpeg>())
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (ClEnvelope::isCompletion(clCommand)) {
        // The camera answered with a status (busy, recording): ask again shortly.
        if (usCode != ClResultCode::usSuccess && bRunning)
            clTimer.start();
        return;
    }
    // A picture that came whole but does not decode (not a JPEG, cut short, too large)
    // says nothing about the link: keep asking. Any other transport error ends the
    // preview until the section is shown again.
    if (usCode == ClResultCode::usDataMismatch && bRunning)
        clTimer.start();
}

QString ClWidgetStreamBase::captureName(const QDateTime& clTime)
{
    return QStringLiteral("Capture_") + clTime.toString(QStringLiteral("yyyyMMddhhmm"));
}

void ClWidgetStreamBase::setTestFileDialog(FileDialog fnDialog)
{
    testFileDialog() = std::move(fnDialog);
}

bool ClWidgetStreamBase::savePicture(const QImage& clImage, const QString& strPath, QString* pstrError)
{
    QString strTarget = strPath;
    if (QFileInfo(strTarget).suffix().isEmpty())
        strTarget += QStringLiteral(".jpg");
    const QByteArray clFormat = QFileInfo(strTarget).suffix().toLower().toLatin1();
    QSaveFile clFile(strTarget);
    if (!clFile.open(QIODevice::WriteOnly)) {
        if (pstrError != nullptr)
            *pstrError = clFile.errorString();
        return false;
    }
    QImageWriter clWriter(&clFile, clFormat);
    if (!clWriter.write(clImage)) {
        if (pstrError != nullptr)
            *pstrError = clWriter.errorString();
        clFile.cancelWriting();
        return false;
    }
    // Only here does the new file take the old one's place; a failure leaves it alone.
    if (!clFile.commit()) {
        if (pstrError != nullptr)
            *pstrError = clFile.errorString();
        return false;
    }
    return true;
}

void ClWidgetStreamBase::slotCapture()
{
    const QImage clCopy = clPicture;
    if (clCopy.isNull()) {
        ClMessageBox clBox(this, streamTr("There is no picture to capture yet."), ClMessageBox::applicationTitle(),
                           QMessageBox::Ok);
        clBox.exec();
        return;
    }
    const QString strProposed = QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                                    .filePath(captureName(QDateTime::currentDateTime()));
    const QString strPath = testFileDialog()
        ? testFileDialog()(strProposed)
        : QFileDialog::getSaveFileName(this, streamTr("Capture"), strProposed, QStringLiteral("JPEG (*.jpg)"));
    if (strPath.isEmpty())
        return;
    QString strError;
    if (!savePicture(clCopy, strPath, &strError)) {
        ClMessageBox clBox(this, streamTr("The picture could not be saved.\n%1").arg(strError),
                           ClMessageBox::applicationTitle(), QMessageBox::Ok);
        clBox.exec();
    }
}
