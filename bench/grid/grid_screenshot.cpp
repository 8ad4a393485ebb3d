// Renders a grid with every cell kind into a PNG: grid_screenshot <file.png>
#include "DemoGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: grid_screenshot <file.png>\n");
        return 2;
    }
    QApplication app(argc, argv);
    DemoGrid grid;
    grid.resize(420, 250);
    grid.InsertColumn(0, QStringLiteral("Kind"), LVCFMT_LEFT, 130);
    grid.InsertColumn(1, QStringLiteral("Cell"), LVCFMT_LEFT, 150);
    grid.InsertColumn(2, QStringLiteral("Right"), LVCFMT_RIGHT, 110);
    const char *names[] = {"CELL_TEXT",     "CELL_BUTTON",    "CELL_EDIT",
                           "CELL_DROPLIST", "CELL_DROPDOWN",  "CELL_CHECKED",
                           "CELL_UNCHECKED", "CELL_LINE",     "style 9 (bold, struck)"};
    const char *texts[] = {"read-only", "C:\\data\\sat.bin", "12188", "Vert", "Hori",
                           "ticked", "empty", "", "11766"};
    for (int r = 0; r < 9; ++r) {
        grid.InsertItem(r, QString::fromLatin1(names[r]));
        grid.SetItemText(r, 1, QString::fromLatin1(texts[r]));
        grid.SetItemText(r, 2, QString::number(27500 + r));
    }
    grid.show();
    grid.activateWindow();
    // The focus frame shows only while the grid has the keyboard focus.
    QElapsedTimer wait;
    wait.start();
    while (!grid.isActiveWindow() && wait.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    grid.setFocus();
    grid.SetFocusCell(3, 1, true);
    grid.SelectFocusRow();
    grid.SetRowSelected(4, true);
    QApplication::processEvents();
    const QPixmap shot = grid.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
