// Writes every picture of the program as PNG into a folder, to look at them or use them in the
// help pages: render_pictures <folder>.
#include "main/Pictures.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_pictures <folder>\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    using namespace quendra::app;
    for (const char* name : {FrenchBoardName, AmericanBoardName, FrenchWheelName, AmericanWheelName,
                             BallSheetName, StartPictureName, ProgramPictureName}) {
        const QString file = folder.filePath(QString(name) + ".png");
        if (!loadPicture(QString(name)).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
