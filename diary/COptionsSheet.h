#pragma once

#include <QDialog>

#include <functional>

class COptionsCommonPage;
class COptionsFolderPage;
class CPictureButton;
class QTabWidget;
class SettingsStore;

// "Options": a sheet with the pages "Common" and "Diary folder", and OK and Cancel.
class COptionsSheet : public QDialog
{
    Q_OBJECT

public:
    explicit COptionsSheet(QWidget *parent = nullptr);

    COptionsCommonPage *CommonPage() const { return m_commonPage; }
    COptionsFolderPage *FolderPage() const { return m_folderPage; }

    // The main window's options command: shows the sheet on the window's copies of the options
    // and, after OK, updates them and writes "Image" (0 shields, 1 flags) and "Delay". True after
    // OK; Cancel changes nothing. The diary folder page's Change... runs chooseFolder at once.
    static bool Edit(QWidget *parent, SettingsStore &settings, bool &useShields, bool &applyDelay,
                     const std::function<void()> &chooseFolder = {});

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTabWidget *m_pages;
    COptionsCommonPage *m_commonPage;
    COptionsFolderPage *m_folderPage;
    CPictureButton *m_okButton;
    CPictureButton *m_cancelButton;
};
