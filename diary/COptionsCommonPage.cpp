#include "diary/COptionsCommonPage.h"

#include "images/StatusImages.h"
#include "translations/AppLanguage.h"
#include "widgets/Appearance.h"
#include "widgets/CSectionHeading.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

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
    , m_appearance(new QButtonGroup(this))
    , m_kilograms(new QRadioButton(tr("&Kilograms (kg)"), this))
    , m_pounds(new QRadioButton(tr("&Pounds (lb)"), this))
    , m_language(new QComboBox(this))
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
    layout->addSpacing(8);
    layout->addWidget(new CSectionHeading(tr("Weight unit"), this));
    m_kilograms->setObjectName(QStringLiteral("kilogramsButton"));
    m_pounds->setObjectName(QStringLiteral("poundsButton"));
    auto *units = new QButtonGroup(this);
    units->addButton(m_kilograms);
    units->addButton(m_pounds);
    layout->addWidget(m_kilograms);
    layout->addWidget(m_pounds);
    layout->addSpacing(8);
    layout->addWidget(new CSectionHeading(tr("Appearance"), this));
    const struct
    {
        Appearance::Mode mode;
        QString text;
        const char *name;
    } modes[] = {
        {Appearance::Mode::System, tr("S&ystem (as the desktop)"), "appearanceSystem"},
        {Appearance::Mode::Light, tr("&Light"), "appearanceLight"},
        {Appearance::Mode::Dark, tr("&Dark"), "appearanceDark"},
    };
    for (const auto &mode : modes) {
        auto *button = new QRadioButton(mode.text, this);
        button->setObjectName(QString::fromLatin1(mode.name));
        m_appearance->addButton(button, static_cast<int>(mode.mode));
        layout->addWidget(button);
    }
    layout->addSpacing(8);
    layout->addWidget(new CSectionHeading(tr("Language"), this));
    m_language->setObjectName(QStringLiteral("languageBox"));
    for (const AppLanguage::Choice &choice : AppLanguage::Choices())
        m_language->addItem(choice.name, choice.code);
    auto *languageLabel = new QLabel(tr("La&nguage:"), this);
    languageLabel->setBuddy(m_language);
    auto *languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(m_language, 1);
    layout->addLayout(languageRow);
    auto *languageNote =
        new QLabel(tr("A new language takes effect the next time Repbook starts."), this);
    languageNote->setWordWrap(true);
    layout->addWidget(languageNote);
    layout->addStretch();

    SetStatusChoice(Shields);
    SetDelay(true); // the caller always sets it
    SetAppearance(0);
    SetWeightUnit(WeightUnit::Kilograms);
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

void COptionsCommonPage::SetAppearance(int appearance)
{
    m_appearance->button(static_cast<int>(Appearance::ModeOf(appearance)))->setChecked(true);
}

int COptionsCommonPage::GetAppearance() const
{
    return m_appearance->checkedId();
}

void COptionsCommonPage::SetWeightUnit(WeightUnit unit)
{
    (unit.IsPounds() ? m_pounds : m_kilograms)->setChecked(true);
}

void COptionsCommonPage::SetLanguage(const QString &code)
{
    m_language->setCurrentIndex(std::max(0, m_language->findData(code)));
}

QString COptionsCommonPage::GetLanguage() const
{
    return m_language->currentData().toString();
}

WeightUnit COptionsCommonPage::GetWeightUnit() const
{
    return m_pounds->isChecked() ? WeightUnit::Pounds : WeightUnit::Kilograms;
}
