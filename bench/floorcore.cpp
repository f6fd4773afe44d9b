// A floor for the command line's start-up: a bare QCoreApplication that ends
// at once, the least any Qt program without a window costs. See
// bench/README.md.

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    return 0;
}
