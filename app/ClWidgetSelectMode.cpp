#include "ClWidgetSelectMode.h"

#include "ClButtonMode.h"
#include "framework/ClPictures.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>

namespace {
struct stModeButton
{
    qint32 lMode;
    const char* pszText;
    const char* pszIcon;
    const char* pszObjectName;
};

// Left to right as on screen.
const stModeButton aButtons[] = {
    {6, QT_TRANSLATE_NOOP("ClWidgetSelectMode", "Mode"), ":/img/button_security", "buttonMode"},
    {1, QT_TRANSLATE_NOOP("ClWidgetSelectMode", "Camera state"), ":/img/button_camera", "buttonCameraState"},
    {2, QT_TRANSLATE_NOOP("ClWidgetSelectMode", "Network setting"), ":/img/button_network", "buttonNetwork"},
    {3, QT_TRANSLATE_NOOP("ClWidgetSelectMode", "Basic setting"), ":/img/button_setting", "buttonBasic"},
    {4, QT_TRANSLATE_NOOP("ClWidgetSelectMode", "Stream setting"), ":/img/button_stream", "buttonStream"},
    {5, QT_TRANSLATE_NOOP("ClWidgetSelectMode", "Schedule"), ":/img/button_schedule", "buttonSchedule"},
    {7, QT_TRANSLATE_NOOP("ClWidgetSelectMode", "Help"), ":/img/button_help", "buttonHelp"},
};

// The group's order decides which buttons a state locks: the first six are the pages
// of a connected camera, Help comes last.
constexpr qint32 aGroupOrder[] = {1, 2, 3, 4, 5, 6, 7};
constexpr int lModeHelp = 7;
constexpr int lModeCameraState = 1;
}  // namespace

ClWidgetSelectMode::ClWidgetSelectMode(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("modeBar"));
    auto* pclLayout = new QHBoxLayout(this);
    pclLayout->setContentsMargins(4, 0, 4, 0);
    pclLayout->setSpacing(0);

    for (const stModeButton& stButton : aButtons) {
        auto* pclButton = new ClButtonMode(tr(stButton.pszText), QString::fromLatin1(stButton.pszIcon), this);
        pclButton->setObjectName(QString::fromLatin1(stButton.pszObjectName));
        // Ctrl and the page's number: the same key for a page on every model and in every
        // language, where a mnemonic letter would differ and Japanese names have none.
        const QKeySequence clShortcut(Qt::CTRL | Qt::Key(Qt::Key_0 + stButton.lMode));
        pclButton->setShortcut(clShortcut);
        pclButton->setToolTip(
            tr("%1 (%2)").arg(pclButton->accessibleName(), clShortcut.toString(QKeySequence::NativeText)));
        connect(pclButton, &QAbstractButton::clicked, this, qOverload<>(&ClWidgetSelectMode::slotSelect));
        hashModes.insert(pclButton, stButton.lMode);
        hashButtons.insert(stButton.lMode, pclButton);
        if (stButton.lMode == 5)
            pclSeparatorSchedule = addSeparator();
        pclLayout->addWidget(pclButton);
        if (stButton.lMode == 6)
            pclSeparatorMode = addSeparator();
        else if (stButton.lMode != 7 && stButton.lMode != 4)
            addSeparator();
    }

    pclGroup = new QButtonGroup(this);
    pclGroup->setExclusive(true);
    for (qint32 lMode : aGroupOrder)
        pclGroup->addButton(hashButtons.value(lMode));

    setButtonsState(2);
    setCameraInfo(-1, QString());
}

QLabel* ClWidgetSelectMode::addSeparator()
{
    auto* pclSeparator = new QLabel(this);
    pclSeparator->setPixmap(ClPictures::pixmap(QStringLiteral(":/mode/separator")));
    pclSeparator->setMaximumWidth(2);
    layout()->addWidget(pclSeparator);
    return pclSeparator;
}

void ClWidgetSelectMode::selectMode(qint32 lMode)
{
    if (lMode < 0 || lMode >= 8)
        return;
    if (lMode > 0) {
        hashButtons.value(lMode)->setChecked(true);
    } else if (hashButtons.value(lModeHelp)->isChecked()) {
        // Help stays reachable without a camera; any other check marks the page to come back to.
        hashButtons.value(lModeCameraState)->setChecked(true);
    }
    Q_EMIT sigChangeMode(lMode);
}

void ClWidgetSelectMode::setButtonsState(qint32 lState)
{
    const QList<QAbstractButton*> lstButtons = pclGroup->buttons();
    switch (lState) {
    case 0:
        for (int lIndex = 0; lIndex < 6; ++lIndex)
            lstButtons.at(lIndex)->setEnabled(true);
        break;
    case 1:
        for (int lIndex = 0; lIndex < 5; ++lIndex)
            lstButtons.at(lIndex)->setEnabled(false);
        break;
    case 2:
        for (int lIndex = 0; lIndex < 6; ++lIndex)
            lstButtons.at(lIndex)->setEnabled(false);
        break;
    default:
        break;
    }
}

void ClWidgetSelectMode::setCameraInfo(qint32 lModel, QString)
{
    const bool bSecureModel = (lModel == 1);
    hashButtons.value(6)->setVisible(bSecureModel);
    pclSeparatorMode->setVisible(bSecureModel);
    hashButtons.value(5)->setVisible(bSecureModel);
    pclSeparatorSchedule->setVisible(bSecureModel);
}

ClButtonMode* ClWidgetSelectMode::button(qint32 lMode) const
{
    return hashButtons.value(lMode);
}

qint32 ClWidgetSelectMode::checkedMode() const
{
    return hashModes.value(pclGroup->checkedButton(), 0);
}

void ClWidgetSelectMode::slotSelect(bool)
{
    slotSelect();
}

void ClWidgetSelectMode::slotSelect()
{
    Q_EMIT sigChangeMode(hashModes.value(qobject_cast<QAbstractButton*>(sender()), 0));
}
