#include "ClLogWidget.h"

#include "ClPictures.h"
#include "resources/ClArtPalette.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSequentialAnimationGroup>

namespace {
const char* const pszButtonStyle
    = "QPushButton{\t\t\tbackground-color: rgba(0%, 0%, 0%, 0%);\t\t\tbackground-image: url(:/log/btnn);"
      "\t\t\tbackground-repeat: no-repeat;\t\t\tbackground-position: center bottom;\t\t\tcolor: white;"
      "\t\t\tmin-width: 92px;\t\t\tmin-height: 29px;\t}\tQPushButton:hover{\t\t\tbackground-image: "
      "url(:/log/btnh);\t}\tQPushButton:pressed{\t\t\tbackground-image: url(:/log/btnp);\t}";

constexpr int lSlideMs = 200;
constexpr int lStayMs = 5000;
constexpr int lMessageX = 5;
// Used only when the background picture is missing, so the bar never collapses.
const QSize clFallbackSize(600, 33);
}  // namespace

ClLogWidget::ClLogWidget(QWidget* parent)
    : QWidget(parent), clBackground(ClPictures::pixmap(QStringLiteral(":/log/bg")))
{
    setObjectName(QStringLiteral("logBar"));
    setFixedSize(clBackground.isNull() ? clFallbackSize : clBackground.size());
    const int lHeight = height();

    pclMessage = new QLabel(this);
    pclMessage->setObjectName(QStringLiteral("labelLog"));
    // A palette, not a style sheet: a sheet is parsed and polished at start for each widget.
    QPalette clMessagePalette = pclMessage->palette();
    clMessagePalette.setColor(QPalette::WindowText, Qt::white);
    pclMessage->setPalette(clMessagePalette);
    pclMessage->setMinimumHeight(lHeight);
    pclMessage->move(lMessageX, 0);

    // The buttons draw where the keyboard is in the tool's colours. One sheet for both,
    // set once: each setting is parsed and polished again.
    const QString strButtonStyle = QString::fromLatin1(pszButtonStyle)
        + QStringLiteral("QPushButton:focus{border: 2px solid %1; border-radius: 4px;}")
              .arg(ClArtPalette::css(ClArtPalette::accentLight()));

    pclReload = new QPushButton(tr("Reload"), this);
    pclReload->setObjectName(QStringLiteral("buttonReload"));
    pclReload->setStyleSheet(strButtonStyle);
    pclReload->move(401, 0);
    connect(pclReload, &QPushButton::clicked, this, &ClLogWidget::sigReload);

    pclApply = new QPushButton(tr("Apply"), this);
    pclApply->setObjectName(QStringLiteral("buttonApply"));
    pclApply->setStyleSheet(strButtonStyle);
    pclApply->move(495, 0);
    connect(pclApply, &QPushButton::clicked, this, &ClLogWidget::sigApply);

    pclApply->setToolTip(tr("Apply (%1)").arg(QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)));
    // Return applies wherever Apply is shown: what the field with the focus does with it
    // (a port or a rate put right) comes first, then the Return reaches the window.
    if (parent != nullptr)
        parent->installEventFilter(this);

    pclAnimation = new QSequentialAnimationGroup(this);
    pclAnimation->setObjectName(QStringLiteral("logAnimation"));
    auto* pclIn = new QPropertyAnimation(pclMessage, "pos", pclAnimation);
    pclIn->setDuration(lSlideMs);
    pclIn->setStartValue(QPoint(lMessageX, -lHeight));
    pclIn->setEndValue(QPoint(lMessageX, 0));
    pclAnimation->addAnimation(pclIn);
    pclAnimation->addPause(lStayMs);
    auto* pclOut = new QPropertyAnimation(pclMessage, "pos", pclAnimation);
    pclOut->setDuration(lSlideMs);
    pclOut->setStartValue(QPoint(lMessageX, 0));
    pclOut->setEndValue(QPoint(lMessageX, lHeight));
    pclAnimation->addAnimation(pclOut);

    // Nothing to show yet: the label waits below the bar.
    pclMessage->move(lMessageX, lHeight);
}

void ClLogWidget::slotSetLog(QString strText)
{
    pclMessage->setText(strText);
    pclMessage->setMinimumWidth(pclMessage->sizeHint().width());
    pclMessage->resize(pclMessage->sizeHint().width(), qMax(height(), pclMessage->sizeHint().height()));
    if (pclAnimation->currentTime() > 0)
        pclAnimation->stop();
    pclAnimation->setCurrentTime(0);
    pclAnimation->start();
}

void ClLogWidget::slotSetButtonEnable(bool bValidReload, bool bValidApply)
{
    pclReload->setVisible(bValidReload);
    pclApply->setVisible(bValidApply);
}

bool ClLogWidget::eventFilter(QObject* pclWatched, QEvent* pclEvent)
{
    if (pclEvent->type() == QEvent::KeyPress && pclWatched == parent()) {
        const auto* pclKey = static_cast<QKeyEvent*>(pclEvent);
        const bool bReturn = pclKey->key() == Qt::Key_Return || pclKey->key() == Qt::Key_Enter;
        if (bReturn && (pclKey->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && pclApply->isVisible()) {
            pclApply->click();
            return true;
        }
    }
    return QWidget::eventFilter(pclWatched, pclEvent);
}

void ClLogWidget::paintEvent(QPaintEvent*)
{
    if (clBackground.isNull())
        return;
    QPainter clPainter(this);
    clPainter.drawPixmap(rect(), clBackground);
}
