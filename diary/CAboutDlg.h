#pragma once

#include <QDialog>
#include <QString>

class QGridLayout;
class QTabWidget;

// "About Repbook": a sheet with the page "General" (program, version, the Qt it runs on, the
// licence) and the page "Support", which tells where the diary, the name lists and the settings
// are kept and opens each folder in the file manager.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    static QString LicenceText();
    // The folders the support page offers, in its order: diary, name lists, settings.
    static QStringList DataFolders();

    // Opens the folder in the file manager; a missing folder or a failure is reported.
    void OpenFolder(const QString &folder);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *BuildGeneralPage();
    QWidget *BuildSupportPage();
    void AddFolderRow(QGridLayout *grid, const QString &what, const QString &shownPath,
                      const QString &folder, const QString &name);

    QTabWidget *m_pages;
};
