#include <QtTest>
class Dummy : public QObject { Q_OBJECT };
QTEST_MAIN(Dummy)
#include "tst_grid_drawing.moc"
