#include "ClWidgetApInfo.h"

#include "ClSsidText.h"
#include "ClWidgetEncryption.h"
#include "ClWidgetRssi.h"
#include "NetworkLook.h"
#include "framework/ClAccessible.h"
#include "framework/ClFocusFrame.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

ClWidgetApInfo::ClWidgetApInfo(const QString& strSsid_, quint32 ulEncryption, quint32 ulSignal, bool bConnected_,
                               bool bSendable_, QWidget* parent)
    : QWidget(parent), strSsid(strSsid_), bConnected(bConnected_), bSendable(bSendable_)
{
    setObjectName(bConnected ? QStringLiteral("rowApConnected") : QStringLiteral("rowAp"));
    setFixedSize(430, 49);
    setAttribute(Qt::WA_Hover, true);
    QFont clFont = font();
    clFont.setWeight(QFont::Bold);
    setFont(clFont);

    auto* pclCheck = new QLabel(this);
    pclCheck->setObjectName(QStringLiteral("labelCheck"));
    if (bConnected)
        pclCheck->setPixmap(QPixmap(QStringLiteral(":/img/ap_check")));
    pclCheck->move(15, 17);
    pclCheck->adjustSize();

    auto* pclName = new QLabel(this);
    pclName->setObjectName(QStringLiteral("labelSsid"));
    pclName->setTextFormat(Qt::PlainText);
    pclName->setGeometry(45, 14, 160, 22);
    pclName->setText(pclName->fontMetrics().elidedText(ClSsidText::display(strSsid), Qt::ElideRight, 160));
    if (!bSendable) {
        pclName->setEnabled(false);
        setToolTip(NetworkLook::trNet("The name of this network cannot be sent to the camera"));
    }

    pclEncryption = new ClWidgetEncryption(ulEncryption, this);
    pclEncryption->move(210, 12);
    pclRssi = new ClWidgetRssi(ulSignal, this);
    pclRssi->move(330, 10);

    auto* pclButton = new QPushButton(this);
    pclButton->setObjectName(QStringLiteral("buttonIpSetting"));
    pclButton->setFixedSize(36, 22);
    pclButton->setCursor(Qt::PointingHandCursor);
    pclButton->setToolTip(NetworkLook::trNet("IP setting"));
    pclButton->setAccessibleName(NetworkLook::trNet("IP setting"));
    pclButton->setStyleSheet(QStringLiteral("QPushButton{border: none; background-image: url(:/network/net_btn_page_n);}"
                                            "QPushButton:hover{background-image: url(:/network/net_btn_page_h);}"
                                            "QPushButton:pressed{background-image: url(:/network/net_btn_page_p);}"));
    pclButton->move(380, 14);
    pclButton->setVisible(bConnected);
    connect(pclButton, &QPushButton::clicked, this, &ClWidgetApInfo::sigClickBtn);

    // A row is chosen with Space or Return as with the mouse, and read as one item.
    setFocusPolicy(bSendable ? Qt::StrongFocus : Qt::NoFocus);
    ClAccessible::setRole(this, QAccessible::ListItem);
    static const char* const apszSignal[] = {
        QT_TRANSLATE_NOOP("ClWidgetNetworkSetting", "no signal"), QT_TRANSLATE_NOOP("ClWidgetNetworkSetting", "weak"),
        QT_TRANSLATE_NOOP("ClWidgetNetworkSetting", "medium"), QT_TRANSLATE_NOOP("ClWidgetNetworkSetting", "strong")};
    const QString strSecurity = isEncrypted() ? pclEncryption->text() : NetworkLook::trNet("open");
    setAccessibleName(NetworkLook::trNet("%1, %2, signal %3")
                          .arg(ClSsidText::display(strSsid), strSecurity,
                               NetworkLook::trNet(apszSignal[qBound(0, pclRssi->level(), 3)])));
    if (bConnected)
        setAccessibleDescription(NetworkLook::trNet("The camera is joined to this network"));
    else if (!bSendable)
        setAccessibleDescription(toolTip());
}

void ClWidgetApInfo::keyPressEvent(QKeyEvent* pclEvent)
{
    const int lKey = pclEvent->key();
    if ((lKey == Qt::Key_Return || lKey == Qt::Key_Enter || lKey == Qt::Key_Space) && bSendable) {
        // Taken here: a Return that chose a row applies nothing.
        Q_EMIT sigSelect(strSsid, isEncrypted());
        return;
    }
    QWidget::keyPressEvent(pclEvent);
}

void ClWidgetApInfo::focusInEvent(QFocusEvent* pclEvent)
{
    update();
    QWidget::focusInEvent(pclEvent);
}

void ClWidgetApInfo::focusOutEvent(QFocusEvent* pclEvent)
{
    update();
    QWidget::focusOutEvent(pclEvent);
}

bool ClWidgetApInfo::isEncrypted() const
{
    return !pclEncryption->text().isEmpty();
}

int ClWidgetApInfo::signalLevel() const
{
    return pclRssi->level();
}

void ClWidgetApInfo::paintEvent(QPaintEvent*)
{
    QPainter clPainter(this);
    clPainter.fillRect(rect(), bHover && bSendable ? QColor(206, 212, 218) : QColor(185, 193, 202));
    if (hasFocus())
        ClFocusFrame::paint(clPainter, rect());
}

void ClWidgetApInfo::mouseReleaseEvent(QMouseEvent* pclEvent)
{
    if (pclEvent->button() == Qt::LeftButton && bSendable && rect().contains(pclEvent->position().toPoint()))
        Q_EMIT sigSelect(strSsid, isEncrypted());
    QWidget::mouseReleaseEvent(pclEvent);
}

void ClWidgetApInfo::enterEvent(QEnterEvent* pclEvent)
{
    bHover = true;
    update();
    QWidget::enterEvent(pclEvent);
}

void ClWidgetApInfo::leaveEvent(QEvent* pclEvent)
{
    bHover = false;
    update();
    QWidget::leaveEvent(pclEvent);
}
