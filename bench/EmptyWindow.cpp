// The yardstick of the start-up benchmark: an empty Qt Widgets window in the diary's style,
// leaving as soon as it has painted, as the diary does with REPBOOK_QUIT_WHEN_SHOWN set.

#include "diary/QuitWhenShown.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QWidget window;
    window.resize(800, 600);
    QuitWhenShown::Arm(window);
    window.show();
    return QApplication::exec();
}
