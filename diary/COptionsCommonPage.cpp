#include "diary/COptionsCommonPage.h"

#include "diary/CSectionHeading.h"
#include "images/StatusImages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A radio button that shows the Done picture of its set beside the name.
QRadioButton *MakeSetButton(const QString &text, bool shields, QWidget *parent)
{
    auto *button = new QRadioButton(text, parent);
    const StatusImageSet set(shields, StatusImageSize::Small16);
    button->setIcon(QIcon(set.Done()));
    return button;
}

} // namespace

COptionsCommonPage::COptionsCommonPage(QWidget *parent)
    : QWidget(parent)
    , m_shields(MakeSetButton(tr("Shields"), true, this))
    , m_flags(MakeSetButton(tr("Flags"), false, this))
    , m_delay(new QCheckBox(tr("Make a delay while program applying"), this))
{
    setObjectName(QStringLiteral("COptionsCommonPage"));
    m_shields->setObjectName(QStringLiteral("shieldsButton"));
    m_flags->setObjectName(QStringLiteral("flagsButton"));
    m_delay->setObjectName(QStringLiteral("delayBox"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_shields);
    group->addButton(m_flags);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new CSectionHeading(tr("Status images"), this));
    layout->addWidget(m_shields);
    layout->addWidget(m_flags);
    layout->addSpacing(8);
    layout->addWidget(new CSectionHeading(tr("Program applying"), this));
    layout->addWidget(m_delay);
    layout->addStretch();

    SetStatusChoice(Shields);
    SetDelay(true); // the caller always sets it
}

void COptionsCommonPage::SetStatusChoice(int choice)
{
    (choice > 0 ? m_flags : m_shields)->setChecked(true);
}

COptionsCommonPage::StatusChoice COptionsCommonPage::GetStatusChoice() const
{
    return m_shields->isChecked() ? Shields : Flags;
}

void COptionsCommonPage::SetDelay(bool delay)
{
    m_delay->setChecked(delay);
}

bool COptionsCommonPage::GetDelay() const
{
    return m_delay->isChecked();
}
