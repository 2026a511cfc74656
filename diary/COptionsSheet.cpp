#include "diary/COptionsSheet.h"

#include "diary/COptionsCommonPage.h"
#include "diary/COptionsFolderPage.h"
#include "images/ImageIds.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/WeightUnitSetting.h"
#include "translations/AppLanguage.h"
#include "widgets/Appearance.h"
#include "widgets/CPictureButton.h"
#include "widgets/EnterKey.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsSheet::COptionsSheet(QWidget *parent)
    : QDialog(parent)
    , m_pages(new QTabWidget(this))
    , m_commonPage(new COptionsCommonPage(m_pages))
    , m_folderPage(new COptionsFolderPage(m_pages))
    , m_okButton(new CPictureButton(ImageId::SmallButtonOk, tr("OK"), this))
    , m_cancelButton(new CPictureButton(ImageId::SmallButtonCancel, tr("Cancel"), this))
{
    setWindowTitle(tr("Options"));
    setObjectName(QStringLiteral("COptionsSheet"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_pages->addTab(m_commonPage, tr("Common"));
    m_pages->addTab(m_folderPage, tr("Diary folder"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    QWidget::setTabOrder(m_pages, m_commonPage);
    connect(m_okButton, &CPictureButton::clicked, this, &COptionsSheet::accept);
    connect(m_cancelButton, &CPictureButton::clicked, this, &COptionsSheet::reject);
}

bool COptionsSheet::Edit(QWidget *parent, SettingsStore &settings, bool &useShields,
                         bool &applyDelay, const std::function<void()> &chooseFolder)
{
    COptionsSheet sheet(parent);
    sheet.FolderPage()->SetChooser(chooseFolder);
    sheet.CommonPage()->SetStatusChoice(useShields ? COptionsCommonPage::Shields
                                                   : COptionsCommonPage::Flags);
    sheet.CommonPage()->SetDelay(applyDelay);
    sheet.CommonPage()->SetAppearance(settings.Read(SettingsKeys::Appearance));
    sheet.CommonPage()->SetWeightUnit(WeightUnitSetting::Read(settings));
    sheet.CommonPage()->SetLanguage(AppLanguage::Stored(settings));
    if (sheet.exec() != QDialog::Accepted)
        return false;
    const bool flags = sheet.CommonPage()->GetStatusChoice() == COptionsCommonPage::Flags;
    useShields = !flags;
    settings.Write(SettingsKeys::Image, flags ? 1 : 0);
    applyDelay = sheet.CommonPage()->GetDelay();
    settings.Write(SettingsKeys::Delay, applyDelay ? 1 : 0);
    WeightUnitSetting::Write(settings, sheet.CommonPage()->GetWeightUnit());
    AppLanguage::Store(settings, sheet.CommonPage()->GetLanguage());
    const int appearance = sheet.CommonPage()->GetAppearance();
    settings.Write(SettingsKeys::Appearance, appearance);
    // Every open window repaints in the new palette at once.
    Appearance::Apply(Appearance::ModeOf(appearance));
    return true;
}

void COptionsSheet::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(*this, event))
        QDialog::keyPressEvent(event);
}
