#include "diary/COptionsFolderPage.h"

#include "settings/DiaryLocation.h"
#include "widgets/CSectionHeading.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

COptionsFolderPage::COptionsFolderPage(QWidget *parent)
    : QWidget(parent)
    , m_folder(new QLineEdit(this))
    , m_change(new QPushButton(tr("&Change..."), this))
{
    setObjectName(QStringLiteral("COptionsFolderPage"));
    m_folder->setObjectName(QStringLiteral("folderEdit"));
    m_change->setObjectName(QStringLiteral("changeFolderButton"));
    m_folder->setReadOnly(true);
    m_folder->setAccessibleName(tr("Diary folder"));

    auto *note = new QLabel(
        DiaryLocation::CanChoose()
            ? tr("The diary and the lists of exercise and workout names are kept here. To use "
                 "one diary on several computers, choose a folder that a sync program "
                 "(Syncthing, Nextcloud, Dropbox) shares between them. Backups stay on this "
                 "computer.")
            : tr("The folder is set by REPBOOK_HOME or by the portable installation."),
        this);
    note->setWordWrap(true);
    m_change->setEnabled(DiaryLocation::CanChoose());

    auto *row = new QHBoxLayout;
    row->addWidget(m_folder, 1);
    row->addWidget(m_change);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new CSectionHeading(tr("Diary folder"), this));
    layout->addLayout(row);
    layout->addWidget(note);
    layout->addStretch();

    connect(m_change, &QPushButton::clicked, this, [this] {
        if (m_choose)
            m_choose();
        ShowFolder();
    });
    ShowFolder();
}

void COptionsFolderPage::SetChooser(std::function<void()> choose)
{
    m_choose = std::move(choose);
}

void COptionsFolderPage::ShowFolder()
{
    m_folder->setText(QDir::toNativeSeparators(DiaryLocation::Folder()));
    m_folder->setCursorPosition(0);
}
