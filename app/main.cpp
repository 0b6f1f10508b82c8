#include <QApplication>
#include <QFont>

#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quelvane");
    QApplication::setFont(QFont("DejaVu Sans", 8));
    TForm1 form1;
    form1.OpenMusic();
    form1.show();
    return QApplication::exec();
}
