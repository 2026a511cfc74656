#include "widgets/CSectionHeading.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

CSectionHeading::CSectionHeading(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(title, this))
{
    QFont bold = m_label->font();
    bold.setWeight(QFont::Bold);
    m_label->setFont(bold);

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(rule, 1, Qt::AlignVCenter);
}

QString CSectionHeading::Title() const
{
    return m_label->text();
}
