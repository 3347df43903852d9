#include "ClLabelWifiState.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPaintEvent>

namespace {
const char* const pszLink = ":/img/wifi_link";
const char* const pszNotLink = ":/img/wifi_notlink";

// The link states are the camera state page's words.
QString pageText(const char* pszText)
{
    return QCoreApplication::translate("ClWidgetCameraState", pszText);
}
}  // namespace

ClLabelWifiState::ClLabelWifiState(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("labelWifiState"));
    setFixedSize(112, 24);
    setAlignment(Qt::AlignCenter);
    QFont clFont = font();
    clFont.setWeight(QFont::Bold);
    setFont(clFont);
    QPalette clPalette = palette();
    clPalette.setColor(QPalette::WindowText, Qt::white);
    setPalette(clPalette);
    strPixmap = QLatin1String(pszNotLink);
    clPixmap = QPixmap(strPixmap);
    setText(pageText(QT_TRANSLATE_NOOP("ClWidgetCameraState", "Not link")));
}

void ClLabelWifiState::setState(qint32 lNewState)
{
    if (lNewState == lState)
        return;
    strPixmap = QLatin1String(lNewState == 1 ? pszNotLink : pszLink);
    clPixmap = QPixmap(strPixmap);
    if (lNewState == 1)
        setText(pageText(QT_TRANSLATE_NOOP("ClWidgetCameraState", "Not link")));
    else if (lNewState == 2)
        setText(pageText(QT_TRANSLATE_NOOP("ClWidgetCameraState", "Link")));
    else if (lNewState == 3)
        setText(pageText(QT_TRANSLATE_NOOP("ClWidgetCameraState", "Adhoc Link")));
    lState = lNewState;
    ++lChanges;
    update();
}

void ClLabelWifiState::paintEvent(QPaintEvent* pclEvent)
{
    {
        QPainter clPainter(this);
        clPainter.drawPixmap(rect(), clPixmap);
    }
    QLabel::paintEvent(pclEvent);
}
