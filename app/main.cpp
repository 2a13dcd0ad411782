#include "EventFile.h"
#include "EventState.h"
#include "Paths.h"

#include <QApplication>
#include <QMainWindow>

#include <cstring>

int main(int argc, char *argv[])
{
    EventState state;
    const std::string path = JoinPath(ProgramFolder(), EventFileName);
    const LoadResult loaded = LoadEvents(state, path, Date::today());
    if (loaded.success)
        SaveEvents(state, path);
    if (argc == 2 && std::strcmp(argv[1], "whatsup") == 0)
        return 0;

    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Moonrill"));
    window.show();
    return app.exec();
}
