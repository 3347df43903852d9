#include "ClWidgetProgress.h"

#include "resources/ClArtPalette.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

ClWidgetProgress::ClWidgetProgress(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("widgetBattery"));
    pclBar = new QProgressBar(this);
    pclBar->setObjectName(QStringLiteral("barBattery"));
    pclBar->setRange(0, 100);
    pclBar->setValue(0);
    pclBar->setTextVisible(false);
    pclBar->setFixedWidth(133);
    pclBar->setFixedHeight(16);
    pclLabel = new QLabel(QStringLiteral("--"), this);
    pclLabel->setObjectName(QStringLiteral("labelBattery"));
    pclLabel->setFixedWidth(133);
    pclLabel->setAlignment(Qt::AlignCenter);
    QFont clFont = pclLabel->font();
    clFont.setWeight(QFont::Bold);
    pclLabel->setFont(clFont);
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(0, 0, 0, 0);
    pclLayout->setSpacing(9);
    pclLayout->addWidget(pclBar);
    pclLayout->addWidget(pclLabel);
    announce(QStringLiteral("--"));
}

void ClWidgetProgress::announce(const QString& strLevel)
{
    pclBar->setAccessibleName(QCoreApplication::translate("ClWidgetCameraState", "Battery %1").arg(strLevel));
}

void ClWidgetProgress::setLevel(qint64 lLevel)
{
    QPalette clPalette = pclLabel->palette();
    if (lLevel < 0) {
        pclBar->setValue(0);
        pclLabel->setText(QStringLiteral("--"));
        clPalette.setColor(QPalette::WindowText, ClArtPalette::ink());
        pclLabel->setPalette(clPalette);
        announce(QStringLiteral("--"));
        return;
    }
    const int lShown = int(qMin<qint64>(lLevel, 100));
    pclBar->setValue(lShown);
    pclLabel->setText(QString::number(lShown) + QLatin1Char('%'));
    announce(QStringLiteral("%1 %").arg(lShown));
    QColor clColour = ClArtPalette::good();
    if (lShown <= 9)
        clColour = ClArtPalette::bad();
    else if (lShown <= 49)
        clColour = ClArtPalette::warning();
    clPalette.setColor(QPalette::WindowText, clColour);
    pclLabel->setPalette(clPalette);
}

QString ClWidgetProgress::levelText() const
{
    return pclLabel->text();
}

QColor ClWidgetProgress::levelColor() const
{
    return pclLabel->palette().color(QPalette::WindowText);
}

int ClWidgetProgress::barValue() const
{
    return pclBar->value();
}
