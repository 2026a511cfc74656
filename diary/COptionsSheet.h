#pragma once

#include <QDialog>

class COptionsCommonPage;
class CPictureButton;
class QTabWidget;
class SettingsStore;

// "Options": a sheet with the one page "Common", and OK and Cancel.
class COptionsSheet : public QDialog
{
    Q_OBJECT

public:
    explicit COptionsSheet(QWidget *parent = nullptr);

    COptionsCommonPage *CommonPage() const { return m_commonPage; }

    // The main window's options command: shows the sheet on the window's copies of the options
    // and, after OK, updates them and writes "Image" (0 shields, 1 flags) and "Delay". True after
    // OK; Cancel changes nothing.
    static bool Edit(QWidget *parent, SettingsStore &settings, bool &useShields, bool &applyDelay);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTabWidget *m_pages;
    COptionsCommonPage *m_commonPage;
    CPictureButton *m_okButton;
    CPictureButton *m_cancelButton;
};
