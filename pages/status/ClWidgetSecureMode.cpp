#include "ClWidgetSecureMode.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr qint32 lMaintenance = 2;
const QColor clGood(26, 97, 9);
const QColor clBad(180, 25, 8);

QHBoxLayout* centredRow(QVBoxLayout* pclParent)
{
    auto* pclRow = new QHBoxLayout;
    pclParent->addLayout(pclRow);
    pclRow->addStretch(1);
    return pclRow;
}
}  // namespace

ClWidgetSecureMode::ClWidgetSecureMode(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageSecureMode"));
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addStretch(1);

    auto* pclForm = new QFormLayout;
    pclForm->setHorizontalSpacing(20);
    pclForm->setVerticalSpacing(10);
    pclModeValue = new QLabel(this);
    pclModeValue->setObjectName(QStringLiteral("labelModeValue"));
    pclForm->addRow(tr("Current mode"), pclModeValue);
    QHBoxLayout* pclRow = centredRow(pclLayout);
    pclRow->addLayout(pclForm);
    pclRow->addStretch(1);

    pclModeImage = new QLabel(this);
    pclModeImage->setObjectName(QStringLiteral("labelModeImage"));
    pclModeImage->setFixedSize(100, 100);
    pclModeImage->setScaledContents(true);
    pclRow = centredRow(pclLayout);
    pclRow->addWidget(pclModeImage);
    pclRow->addStretch(1);

    pclHint = new QLabel(tr("In order to use the maintenance tools must be in maintenance mode the camera"), this);
    pclHint->setObjectName(QStringLiteral("labelHint"));
    pclHint->setWordWrap(true);
    pclHint->setAlignment(Qt::AlignCenter);
    pclRow = centredRow(pclLayout);
    pclRow->addWidget(pclHint);
    pclRow->addStretch(1);

    // Shows which switch the mode offers; it becomes usable with the page's own issue.
    pclToggle = new QPushButton(this);
    pclToggle->setObjectName(QStringLiteral("buttonToggleMode"));
    pclToggle->setMinimumSize(230, 34);
    pclToggle->setEnabled(false);
    pclRow = centredRow(pclLayout);
    pclRow->addWidget(pclToggle);
    pclRow->addStretch(1);

    pclLayout->addStretch(1);
}

void ClWidgetSecureMode::setSecureMode(qint32 lMode)
{
    const bool bMaintenance = (lMode == lMaintenance);
    pclModeValue->setText(bMaintenance ? tr("Maintenance") : tr("Security"));
    QPalette clPalette = pclModeValue->palette();
    clPalette.setColor(QPalette::WindowText, bMaintenance ? clGood : clBad);
    pclModeValue->setPalette(clPalette);
    pclModeImage->setPixmap(
        QPixmap(bMaintenance ? QStringLiteral(":/secure/img_mode") : QStringLiteral(":/secure/img_mode_red")));
    pclHint->setVisible(!bMaintenance);
    pclToggle->setText(bMaintenance ? tr("Change to security mode") : tr("Change to maintenance mode"));
}
