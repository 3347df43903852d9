#include "ClUpdateView.h"

#include "ClProgressDialog.h"
#include "app/framework/ClMessageBox.h"
#include "update/ClDownload.h"
#include "update/ClTovuDownload.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>

namespace {
std::function<QString()>& fileChooser()
{
    static std::function<QString()> fnChooser;
    return fnChooser;
}
}  // namespace

void ClUpdateView::setFileChooserForTests(std::function<QString()> fnChooser)
{
    fileChooser() = std::move(fnChooser);
}

ClUpdateView::ClUpdateView(ClTovuDownload* pclDownload, QWidget* pclWindow)
    : QObject(pclWindow), pclDownload(pclDownload), pclWindow(pclWindow), pclDialog(new ClProgressDialog(pclWindow))
{
    pclDialog->setModal(true);
    pclDialog->setWindowTitle(ClMessageBox::applicationTitle());

    connect(pclDownload, &ClTovuDownload::sigMessage, this, &ClUpdateView::slotMessage);
    connect(pclDownload, &ClTovuDownload::sigQuestion, this, &ClUpdateView::slotQuestion);
    connect(pclDownload, &ClDownload::sigProgressStart, this, &ClUpdateView::slotProgressStart);
    connect(pclDownload, &ClDownload::sigTotalProgress, pclDialog, &ClProgressDialog::slotTotalProgress);
    connect(pclDownload, &ClDownload::sigPartProgress, pclDialog, &ClProgressDialog::slotPartProgress);
    connect(pclDownload, &ClDownload::sigProgressInstalling, pclDialog, &ClProgressDialog::slotChangeView);
    connect(pclDownload, &ClTovuDownload::sigProgressEnd, pclDialog, &ClProgressDialog::close);
    // Writing into the camera: the same dialog, without Cancel.
    connect(pclDownload, &ClTovuDownload::sigWriteStart, this, [this](qint32 lBlocks) {
        pclDialog->showWriting(lBlocks);
        pclDialog->show();
    });
    connect(pclDownload, &ClTovuDownload::sigWriteProgress, pclDialog, &ClProgressDialog::slotTotalProgress);
    connect(pclDownload, &ClTovuDownload::sigWriteEnd, pclDialog, &ClProgressDialog::slotWriteEnd);
    // Cancel confirmed in the dialog abandons the run.
    connect(pclDialog, &ClProgressDialog::sigCancel, pclDownload, &ClDownload::slotCancel);
}

ClUpdateView::~ClUpdateView()
{
    // The dialog lives as long as this view, even if the window outlives both.
    delete pclDialog.data();
}

ClProgressDialog* ClUpdateView::progressDialog() const
{
    return pclDialog;
}

void ClUpdateView::slotMessage(QString strTitle, QString strText)
{
    ClMessageBox clBox(pclWindow, strText, strTitle, QMessageBox::Ok);
    clBox.exec();
}

void ClUpdateView::slotQuestion(QString strTitle, QString strText)
{
    ClMessageBox clAsk(pclWindow, strText, strTitle, QMessageBox::Yes | QMessageBox::No);
    const bool bYes = clAsk.exec() == 1;
    if (pclDownload)
        pclDownload->slotAnswer(bYes);
}

void ClUpdateView::slotProgressStart(qint32 lFileCount)
{
    pclDialog->reset();
    pclDialog->slotTotalFiles(lFileCount);
    pclDialog->show();
}

void ClUpdateView::slotInstallFromFile()
{
    if (!pclDownload)
        return;
    const QString strPath = fileChooser() ? fileChooser()()
                                          : QFileDialog::getOpenFileName(pclWindow, tr("Install firmware from a file"),
                                                                         QString(), tr("Firmware (*.bin);;All files (*)"));
    if (!strPath.isEmpty())
        installFromFile(strPath);
}

void ClUpdateView::installFromFile(const QString& strPath)
{
    if (!pclDownload)
        return;
    const QString strName = QFileInfo(strPath).fileName();
    QFile clFile(strPath);
    if (!clFile.open(QIODevice::ReadOnly) || clFile.size() == 0 || clFile.size() > ClDownload::llMaxFileBytes) {
        slotMessage(ClMessageBox::applicationTitle(),
                    tr("%1 cannot be read as firmware (it is empty, too large or not readable). Nothing was written.")
                        .arg(strName));
        return;
    }
    const QByteArray clData = clFile.readAll();
    const QString strQuestion
        = tr("Write this firmware into the camera?\n\nFile: %1\nSize: %2 bytes\nSHA-256: %3\nFirmware in the camera "
             "now: %4\n\nA file you pick is not checked for a signature: use only firmware from your dealer.")
              .arg(strName, QLocale().toString(clData.size()),
                   QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Sha256).toHex()),
                   pclDownload->cameraVersion());
    ClMessageBox clAsk(pclWindow, strQuestion, ClMessageBox::applicationTitle(), QMessageBox::Yes | QMessageBox::No);
    if (clAsk.exec() != 1 || !pclDownload)
        return;
    if (!pclDownload->writeFirmwareFile(strName, clData))
        slotMessage(ClMessageBox::applicationTitle(),
                    tr("The firmware cannot be written now: connect the camera, wait until any update has ended, "
                       "and try again."));
}
