#include "ClProgressDialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ClProgressDialog::ClProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
{
    setWindowTitle(tr("Parvik Update service program"));

    pclLogo = new QLabel(this);
    pclLogo->setObjectName(QStringLiteral("labelLogo"));
    const QPixmap clLogo(QStringLiteral(":/img/logo"));
    if (!clLogo.isNull())
        pclLogo->setPixmap(clLogo.scaledToWidth(180, Qt::SmoothTransformation));

    pclStatus = new QLabel(tr("now Downloading"), this);
    pclStatus->setObjectName(QStringLiteral("labelStatus"));
    pclStatus->setFont(statusFont());
    auto* pclStatusRow = new QHBoxLayout;
    pclStatusRow->setSpacing(0);
    pclStatusRow->addWidget(pclStatus);
    for (int i = 0; i < 3; ++i) {
        pclDots[i] = new QLabel(QStringLiteral("."), this);
        pclDots[i]->setObjectName(QStringLiteral("labelDot%1").arg(i + 1));
        pclDots[i]->setFont(statusFont());
        pclDots[i]->hide();
        pclStatusRow->addWidget(pclDots[i]);
    }
    pclStatusRow->addStretch();

    pclFileBar = new QProgressBar(this);
    pclFileBar->setObjectName(QStringLiteral("progressFiles"));
    pclFileBar->setMinimumWidth(300);
    pclFileBar->setRange(0, 0);
    pclByteBar = new QProgressBar(this);
    pclByteBar->setObjectName(QStringLiteral("progressBytes"));
    pclByteBar->setMinimumWidth(300);
    pclByteBar->setRange(0, 0);

    pclButtons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    pclButtons->setObjectName(QStringLiteral("buttonsProgress"));
    QPushButton* pclCancel = pclButtons->button(QDialogButtonBox::Cancel);
    pclCancel->setObjectName(QStringLiteral("buttonCancel"));
    pclCancel->setText(tr("Cancel"));
    connect(pclCancel, &QPushButton::clicked, this, &ClProgressDialog::slotCloseEvent);

    pclNoCancel = new QLabel(tr("The firmware is being written into the camera. This cannot be cancelled:\n"
                                "do not unplug the camera or switch it off until it turns itself off."),
                             this);
    pclNoCancel->setObjectName(QStringLiteral("labelNoCancel"));
    pclNoCancel->setWordWrap(true);
    pclNoCancel->hide();

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addWidget(pclLogo, 0, Qt::AlignHCenter);
    pclLayout->addLayout(pclStatusRow);
    pclLayout->addWidget(pclFileBar);
    pclLayout->addWidget(pclByteBar);
    pclLayout->addWidget(pclNoCancel);
    pclLayout->addWidget(pclButtons);

    clMovieTimer.setInterval(1000);
    connect(&clMovieTimer, &QTimer::timeout, this, &ClProgressDialog::slotTimerMovie);
    clMovieTimer.start();
}

ClProgressDialog::~ClProgressDialog() = default;

QFont ClProgressDialog::statusFont() const
{
    QFont clFont(tr("Arial"), 10, QFont::Bold);
    clFont.setItalic(true);
    return clFont;
}

void ClProgressDialog::reset()
{
    for (QLabel* pclDot : pclDots)
        pclDot->hide();
    pclStatus->setText(tr("now Downloading"));
    pclByteBar->show();
    pclFileBar->setValue(0);
    pclByteBar->setValue(0);
    bWriting = false;
    pclNoCancel->hide();
    pclButtons->show();
}

void ClProgressDialog::showWriting(qint32 lBlocks)
{
    reset();
    bWriting = true;
    // A confirmation of Cancel still open from the download has nothing left to cancel.
    if (pclConfirm)
        pclConfirm->reject();
    pclStatus->setText(tr("now Writing"));
    pclByteBar->hide();
    pclButtons->hide();
    pclNoCancel->show();
    pclFileBar->setMaximum(lBlocks);
}

void ClProgressDialog::slotWriteEnd()
{
    bWriting = false;
    close();
}

void ClProgressDialog::reject()
{
    if (!bWriting)
        QDialog::reject();
}

void ClProgressDialog::slotTotalFiles(qint32 lFileCount)
{
    pclFileBar->setMaximum(lFileCount);
}

void ClProgressDialog::slotTotalProgress(qint32 lDownloadedFileCount)
{
    pclFileBar->setValue(lDownloadedFileCount);
}

void ClProgressDialog::slotPartProgress(qint64 llReceived, qint64 llTotal)
{
    // An unknown total (-1) shows the bar as busy rather than as an inverted range.
    const qint32 lTotal = llTotal < 0 ? 0 : qint32(llTotal);
    if (pclByteBar->maximum() != lTotal)
        pclByteBar->setMaximum(lTotal);
    pclByteBar->setValue(qint32(llReceived));
}

void ClProgressDialog::slotChangeView()
{
    pclStatus->setText(tr("now Installing"));
    pclStatus->setFont(statusFont());
    pclByteBar->hide();
}

void ClProgressDialog::slotTimerMovie()
{
    pclDots[0]->show();
    QTimer::singleShot(200, this, &ClProgressDialog::slotSecondDotMove);
}

void ClProgressDialog::slotSecondDotMove()
{
    pclDots[1]->show();
    QTimer::singleShot(200, this, &ClProgressDialog::slotTherdDotMove);
}

void ClProgressDialog::slotTherdDotMove()
{
    pclDots[2]->show();
    QTimer::singleShot(400, this, &ClProgressDialog::slotEndMove);
}

void ClProgressDialog::slotEndMove()
{
    for (QLabel* pclDot : pclDots)
        pclDot->hide();
}

void ClProgressDialog::slotCloseEvent()
{
    if (pclConfirm || bWriting)
        return;
    auto* pclBox = new QMessageBox(QMessageBox::Warning, windowTitle(), tr("Do you want to quit will not be updated?"),
                                   QMessageBox::Ok | QMessageBox::Cancel, this);
    pclBox->setObjectName(QStringLiteral("messageConfirmCancel"));
    pclBox->setDefaultButton(QMessageBox::Ok);
    pclBox->button(QMessageBox::Ok)->setText(tr("OK"));
    pclBox->button(QMessageBox::Cancel)->setText(tr("Cancel"));
    pclConfirm = pclBox;

    const QPointer<ClProgressDialog> pclSelf(this);
    const int lAnswer = pclBox->exec();
    if (!pclSelf)
        return;
    delete pclBox;
    pclConfirm = nullptr;
    if (lAnswer == QMessageBox::Ok) {
        Q_EMIT sigCancel();
        close();
    }
}

void ClProgressDialog::closeEvent(QCloseEvent* pclEvent)
{
    // Closed from outside (the run ended) while the user is still asked: the question
    // is answered "no" and the run is not cancelled.
    if (pclConfirm)
        pclConfirm->reject();
    QDialog::closeEvent(pclEvent);
}
