#include "ClRateRows.h"

#include "ClSliderBitrate.h"
#include "settings/ClStreamRates.h"
#include "StreamText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {
const QString strRedEdit = QStringLiteral("QLineEdit {\t\t\t\t\t\t\t\t\t\tbackground: red;\t\t\t\t\t\t\t\t\t }");
const QString strWhiteEdit = QStringLiteral("QLineEdit {\t\t\t\t\t\t\t\t\t\tbackground: white;\t\t\t\t\t\t\t\t\t }");

QLineEdit* makeEdit(const QString& strPattern, const QString& strName, QWidget* pclParent)
{
    auto* pclEdit = new QLineEdit(pclParent);
    pclEdit->setObjectName(strName);
    pclEdit->setMaximumWidth(50);
    pclEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(strPattern), pclEdit));
    pclEdit->setStyleSheet(strWhiteEdit);
    return pclEdit;
}
}  // namespace

ClRateRows::ClRateRows(const QString& strPrefix, QWidget* parent) : QWidget(parent)
{
    auto* pclFrameCaption = new QLabel(streamTr("FrameRate(fps)"), this);
    pclFrameRate = new ClSliderFramerate(this);
    pclFrameRate->setObjectName(QStringLiteral("slider%1FrameRate").arg(strPrefix));
    pclFrameRateEdit = makeEdit(QStringLiteral("[0-9]{0,2}"), QStringLiteral("edit%1FrameRate").arg(strPrefix), this);
    auto* pclFps = new QLabel(QStringLiteral("fps"), this);

    auto* pclBitCaption = new QLabel(streamTr("BitRate(kbps)"), this);
    pclBitRate = new ClSliderBitrate(this);
    pclBitRate->setObjectName(QStringLiteral("slider%1BitRate").arg(strPrefix));
    pclBitRateEdit = makeEdit(QStringLiteral("[0-9]*"), QStringLiteral("edit%1BitRate").arg(strPrefix), this);
    auto* pclKbps = new QLabel(QStringLiteral("kbps"), this);
    // Slider and field share a caption; the field says what is typed into it.
    pclFrameRate->setAccessibleName(streamTr("FrameRate(fps)"));
    pclFrameRateEdit->setAccessibleName(streamTr("Frame rate in fps"));
    pclBitRate->setAccessibleName(streamTr("BitRate(kbps)"));
    pclBitRateEdit->setAccessibleName(streamTr("Bit rate in kbps"));

    auto* pclGrid = new QGridLayout(this);
    pclGrid->setContentsMargins(0, 0, 0, 0);
    pclGrid->setHorizontalSpacing(6);
    pclGrid->setVerticalSpacing(2);
    pclGrid->addWidget(pclFrameCaption, 0, 0, 1, 3);
    pclGrid->addWidget(pclFrameRate, 1, 0);
    // The units stand level with the numbers, not with the slider's tick labels.
    for (QLabel* pclUnit : {pclFps, pclKbps}) {
        pclUnit->setMinimumHeight(pclFrameRateEdit->sizeHint().height());
        pclUnit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    pclGrid->addWidget(pclFrameRateEdit, 1, 1, Qt::AlignTop);
    pclGrid->addWidget(pclFps, 1, 2, Qt::AlignTop);
    pclGrid->addWidget(pclBitCaption, 2, 0, 1, 3);
    pclGrid->addWidget(pclBitRate, 3, 0);
    pclGrid->addWidget(pclBitRateEdit, 3, 1, Qt::AlignTop);
    pclGrid->addWidget(pclKbps, 3, 2, Qt::AlignTop);
    pclGrid->setColumnStretch(0, 1);
    lstFrameRateWidgets = {pclFrameCaption, pclFrameRate, pclFrameRateEdit, pclFps};
    lstBitRateWidgets = {pclBitCaption, pclBitRate, pclBitRateEdit, pclKbps};

    connect(pclFrameRate, &QSlider::valueChanged, this, &ClRateRows::slotFrameRateMoved);
    connect(pclBitRate, &QSlider::valueChanged, this, &ClRateRows::slotBitRateMoved);
    connect(pclFrameRateEdit, &QLineEdit::editingFinished, this, &ClRateRows::slotCorrectFps);
    connect(pclBitRateEdit, &QLineEdit::textEdited, this, &ClRateRows::changeLEditBitRate);
    connect(pclBitRateEdit, &QLineEdit::editingFinished, this, &ClRateRows::slotCorrectBitRate);

    pclFrameRate->setValue(ClStreamRates::lPositions - 1);
    slotFrameRateMoved(pclFrameRate->value());
    slotBitRateMoved(pclBitRate->value());
}

void ClRateRows::setAcceptedFrameRates(const QList<int>& lstRates, bool bSecondMode)
{
    lstAccepted = lstRates;
    pclFrameRate->setSecondMode(bSecondMode);
    slotFrameRateMoved(pclFrameRate->value());
}

void ClRateRows::setFrameRateShown(bool bShown)
{
    bFrameRateShown = bShown;
    for (QWidget* pclWidget : lstFrameRateWidgets)
        pclWidget->setVisible(bShown);
}

void ClRateRows::setBitRateShown(bool bShown)
{
    bBitRateShown = bShown;
    for (QWidget* pclWidget : lstBitRateWidgets)
        pclWidget->setVisible(bShown);
}

int ClRateRows::frameRate() const
{
    return pclFrameRate->frameRate();
}

int ClRateRows::bitRate() const
{
    return pclBitRate->value();
}

void ClRateRows::showFrameRate(qint64 llFps)
{
    pclFrameRate->setValue(ClStreamRates::nearestPosition(llFps, pclFrameRate->isSecondMode()));
    slotFrameRateMoved(pclFrameRate->value());
}

void ClRateRows::showBitRate(qint64 llBitRate)
{
    const qint64 llShown = qBound(qint64(ClStreamRates::lMinBitRate), llBitRate, qint64(lMaximum));
    pclBitRate->setValue(int(llShown));
    slotBitRateMoved(pclBitRate->value());
}

void ClRateRows::setMaximumBitRate(int lNewMaximum)
{
    lMaximum = qBound(ClStreamRates::lMinBitRate, lNewMaximum, ClStreamRates::lMaxBitRate);
    if (pclBitRate->value() > lMaximum)
        pclBitRate->setValue(lMaximum);
}

qint64 ClRateRows::frameRateEditNumber() const
{
    return pclFrameRateEdit->text().toLongLong();
}

qint64 ClRateRows::bitRateEditNumber() const
{
    return pclBitRateEdit->text().toLongLong();
}

void ClRateRows::setBitRateEditForbidden(bool bForbidden)
{
    pclBitRateEdit->setStyleSheet(bForbidden ? strRedEdit : strWhiteEdit);
}

void ClRateRows::slotCorrectFps()
{
    // Not while typing: "15" passes through "1", and 1 fps would pull the bit rate down to
    // its maximum there for good.
    const int lTyped = pclFrameRateEdit->text().toInt();
    const int lPosition = ClStreamRates::positionOf(lTyped, pclFrameRate->isSecondMode());
    if (lstAccepted.contains(lTyped) && lPosition >= 0 && lPosition != pclFrameRate->value()) {
        pclFrameRate->setValue(lPosition);  // writes the number back as the slider says it
        return;
    }
    const QString strShown = QString::number(frameRate());
    if (pclFrameRateEdit->text() != strShown) {
        const QSignalBlocker clBlock(pclFrameRateEdit);
        pclFrameRateEdit->setText(strShown);
        Q_EMIT sigFrameRateChanged();
    }
}

void ClRateRows::commitTyped()
{
    slotCorrectFps();
    slotCorrectBitRate();
}

void ClRateRows::showDefaults()
{
    lMaximum = ClStreamRates::lMaxBitRate;
    pclBitRate->setValue(pclBitRate->minimum());
    pclFrameRate->setValue(ClStreamRates::lPositions - 1);
    slotFrameRateMoved(pclFrameRate->value());
    slotBitRateMoved(pclBitRate->value());
}

void ClRateRows::changeLEditBitRate(QString strValue)
{
    // The numbers are limited as they are typed only upwards: a number on its way to
    // "2000" starts as "2", which must not become "384" under the user's fingers. The
    // lower end is enforced when the edit is left (slotCorrectBitRate).
    const int lMaxDigits = 6;
    qint64 llValue = strValue.isEmpty() ? ClStreamRates::lMinBitRate / 1000 : strValue.left(lMaxDigits).toLongLong();
    if (strValue.size() > lMaxDigits || llValue * 1000 > ClStreamRates::lMaxBitRate) {
        llValue = ClStreamRates::lMaxBitRate / 1000;
        pclBitRateEdit->setText(QString::number(llValue));
    }
    bTypingBitRate = true;
    pclBitRate->setValue(
        int(qBound(qint64(ClStreamRates::lMinBitRate), qint64(llValue * 1000), qint64(ClStreamRates::lMaxBitRate))));
    bTypingBitRate = false;
}

void ClRateRows::slotCorrectBitRate()
{
    const QString strShown = QString::number(pclBitRate->value() / 1000);
    if (pclBitRateEdit->text() != strShown) {
        pclBitRateEdit->setText(strShown);
        Q_EMIT sigBitRateChanged(pclBitRate->value());
    }
}

void ClRateRows::slotFrameRateMoved(int)
{
    {
        const QSignalBlocker clBlock(pclFrameRateEdit);
        pclFrameRateEdit->setText(QString::number(frameRate()));
    }
    Q_EMIT sigFrameRateChanged();
}

void ClRateRows::slotBitRateMoved(int lValue)
{
    if (lValue > lMaximum) {
        // Emits again with the maximum.
        pclBitRate->setValue(lMaximum);
        return;
    }
    if (!bTypingBitRate) {
        const QSignalBlocker clBlock(pclBitRateEdit);
        pclBitRateEdit->setText(QString::number(lValue / 1000));
    }
    Q_EMIT sigBitRateChanged(lValue);
}
