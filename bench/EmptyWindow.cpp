// The yardsticks of the start-up benchmark, leaving as soon as they have painted, as the diary
// does with REPBOOK_QUIT_WHEN_SHOWN set: an empty Qt Widgets window in the diary's style, or
// with --text the smallest window that shows text (a menu bar and a label), which also pays
// for loading the fonts as every real window does.

#include "diary/QuitWhenShown.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QMainWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Empty window"), &window));
    }
    window.resize(800, 600);
    QuitWhenShown::Arm(window);
    window.show();
    return QApplication::exec();
}
