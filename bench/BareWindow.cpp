// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the scan window's start (bench/display_bench.sh): a bare Qt program that shows
// a list of the rows it is given, one an argument, and nothing else.

#include <QApplication>
#include <QListWidget>

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    QListWidget list;
    for (int i = 1; i < argc; ++i)
        list.addItem(QString::fromLocal8Bit(argv[i]));
    list.show();
    return QApplication::exec();
}
