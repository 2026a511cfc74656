#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

// The page "Diary folder" of the options: where the diary and the name lists are, and the
// button that moves them to another folder (one a sync program shares between computers).
class COptionsFolderPage : public QWidget
{
    Q_OBJECT

public:
    explicit COptionsFolderPage(QWidget *parent = nullptr);

    // What Change... runs; the page shows the folder afresh afterwards.
    void SetChooser(std::function<void()> choose);

private:
    void ShowFolder();

    QLineEdit *m_folder;
    QPushButton *m_change;
    std::function<void()> m_choose;
};
