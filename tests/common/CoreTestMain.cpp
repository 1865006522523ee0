#include "common/TestMain.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return TestMain::runAll();
}
