#include "common/TestMain.h"
#include "diary/CAboutDlg.h"
#include "model/DataFolder.h"
#include "settings/SettingsStore.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>

class TestAboutDlg : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the file manager.
    void OpenFileUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void generalPage();
    void supportPageNamesTheFiles();
    void foldersOpenInTheFileManager_data();
    void foldersOpenInTheFileManager();
    void missingFolderIsReported();

private:
    static QStringList Texts(QWidget *page);

    QList<QUrl> m_opened;
};

void TestAboutDlg::initTestCase()
{
    MessageBox::setTestMode(true);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenFileUrl");
    // The settings file and its folder exist once anything was stored.
    SettingsStore().WriteProfileInt(QStringLiteral("Test"), QStringLiteral("Value"), 1);
}

void TestAboutDlg::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestAboutDlg::init()
{
    m_opened.clear();
    MessageBox::takeShown();
}

QStringList TestAboutDlg::Texts(QWidget *page)
{
    QStringList texts;
    for (const QLabel *label : page->findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

void TestAboutDlg::generalPage()
{
    CAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Repbook"));
    auto *tabs = dialog.findChild<QTabWidget *>();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("General"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Support"));
    const QString general = Texts(tabs->widget(0)).join(QLatin1Char('\n'));
    QVERIFY(general.contains(QStringLiteral("Repbook")));
    QVERIFY(general.contains(QStringLiteral("Version " REPBOOK_VERSION)));
    QVERIFY(general.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    QVERIFY(general.contains(
        QStringLiteral("Licensed under the GNU General Public License, version 3 or later.")));
    QVERIFY(!general.contains(QStringLiteral("http")));
    QVERIFY(!general.contains(QLatin1Char('@')));
}

void TestAboutDlg::supportPageNamesTheFiles()
{
    CAboutDlg dialog;
    const QString support =
        Texts(dialog.findChild<QWidget *>(QStringLiteral("supportPage"))).join(QLatin1Char('\n'));
    for (const QString &path : {DataFolder::DatabasePath(), DataFolder::ExerciseListPath(),
                                DataFolder::WorkoutListPath(), SettingsStore().FileName()})
        QVERIFY2(support.contains(QDir::toNativeSeparators(path)), qPrintable(path));
    QVERIFY(!support.contains(QStringLiteral("http")));
}

void TestAboutDlg::foldersOpenInTheFileManager_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("folder");

    QTest::newRow("diary") << QStringLiteral("diaryFolderButton") << DataFolder::DatabaseFolder();
    QTest::newRow("name lists") << QStringLiteral("nameListFolderButton")
                                << DataFolder::DatabaseFolder();
    QTest::newRow("settings") << QStringLiteral("settingsFolderButton")
                              << QFileInfo(SettingsStore().FileName()).absolutePath();
}

void TestAboutDlg::foldersOpenInTheFileManager()
{
    QFETCH(QString, button);
    QFETCH(QString, folder);

    CAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.findChild<QTabWidget *>()->setCurrentIndex(1);
    auto *open = dialog.findChild<QPushButton *>(button);
    QVERIFY(open);
    QCOMPARE(open->text(), QStringLiteral("Open folder"));
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(m_opened, QList<QUrl> {QUrl::fromLocalFile(folder)});
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestAboutDlg::missingFolderIsReported()
{
    const QString missing = QDir::temp().filePath(QStringLiteral("repbook-no-such-folder"));
    MessageBox::setNextAnswers({QMessageBox::Ok});
    CAboutDlg dialog;
    dialog.OpenFolder(missing);
    QVERIFY(m_opened.isEmpty());
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first().text.contains(QDir::toNativeSeparators(missing)));
}

REPBOOK_TEST_MAIN(TestAboutDlg)
#include "tst_aboutdlg.moc"
